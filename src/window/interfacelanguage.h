#pragma once

#include <QList>
#include <QLocale>

class QCoreApplication;
class QTranslator;

namespace quillet {

// The interface is written in Japanese; a desktop in any other language gets the English
// translation, and one that sets no language keeps Japanese, as the program always had.
bool speaksJapanese(const QLocale& desktop);

// Installs the translations for the desktop's language on the application, Qt's own dialogs
// included, and returns them (the application owns them); an empty list when a translation
// is not installed.
QList<QTranslator*> installTranslations(QCoreApplication& app,
                                        const QLocale& desktop = QLocale::system());

} // namespace quillet
