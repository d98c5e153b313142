#include "appversion.h"
#include "engine/batchintent.h"
#include "engine/pagejournal.h"
#include "project/projectlocation.h"
#include "window/fommain.h"
#include "window/interfacelanguage.h"
#include "window/qtdialogs.h"
#include "window/singleinstance.h"

#include <QApplication>
#include <QIcon>

#include <unistd.h>

namespace {

// The web view's browser cannot sandbox itself as root (containers, CI) and then ends the
// whole program at the first preview, taking the user's unsaved work with it.
void letTheBrowserRunAsRoot()
{
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

// The window already open takes the pages; one that does not answer is named, as a second
// window on the same projects is what the one window avoids.
int handOver(const QString& serverName, const QStringList& pages)
{
    if (quillet::SingleInstance::handOver(serverName, pages))
        return 0;
    quillet::QtDialogs().showMessage(
        {QString(), QCoreApplication::translate(
                        "main", "開いているクイレットのウィンドウが応答しません。\r\n"
                                "そのウィンドウを閉じてから、もう一度開いてください。")});
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    letTheBrowserRunAsRoot();
    // The web view shares its graphics context with the window; set before the application.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillet"));
    quillet::installTranslations(app);

    // A later start hands its pages to the window already open and ends.
    const QStringList pages = QApplication::arguments().mid(1);
    quillet::SingleInstance instance(quillet::SingleInstance::defaultServerName());
    if (!instance.listen())
        return handOver(instance.serverName(), pages);

    // No name a killed run left beside the pages stays.
    quillet::BatchIntent::removeLeftNames(quillet::defaultJournalFolder());
    // Ties the window to its desktop entry, so that the desktop shows the entry's name and icon.
    QApplication::setDesktopFileName(QLatin1StringView(quillet::appId));
    QApplication::setWindowIcon(QIcon::fromTheme(QLatin1StringView(quillet::appId)));

    quillet::QtDialogs dialogs;
    quillet::FomMain window(quillet::defaultProjectFilePath(), dialogs);
    dialogs.setParent(&window);
    // Pages opened with the program from the desktop.
    window.offerPages(pages);
    QObject::connect(&instance, &quillet::SingleInstance::pagesHandedOver, &window,
                     [&window](const QStringList& handed) {
                         window.comeToFront();
                         window.offerPages(handed);
                     });
    window.show();
    return app.exec();
}
