#pragma once

#include <QString>

namespace quillet {

class WindowDialogs;

// The help page's path, or empty when it is nowhere to be found. Beside the program first.
QString findHelpPage(const QString& programFolder);

// Opens the help page in the desktop's viewer, or says why it cannot.
void showHelpPage(WindowDialogs& dialogs, const QString& programFolder);

} // namespace quillet
