#include "window/interfacelanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quillet {

namespace {

QTranslator* loadTranslation(QCoreApplication& app, const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(file, folder)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace

bool speaksJapanese(const QLocale& desktop)
{
    return desktop.language() == QLocale::Japanese || desktop.language() == QLocale::C;
}

QList<QTranslator*> installTranslations(QCoreApplication& app, const QLocale& desktop)
{
    // Qt's dialogs speak English without a translation, which the English interface wants.
    QTranslator* translator =
        speaksJapanese(desktop)
            ? loadTranslation(app, QStringLiteral("qtbase_ja"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))
            : loadTranslation(app, QStringLiteral("quillet_en"), QStringLiteral(":/translations"));
    if (!translator)
        return {};
    return {translator};
}

} // namespace quillet
