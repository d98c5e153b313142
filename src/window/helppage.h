#pragma once

#include <QString>

namespace quillet {

class WindowDialogs;

// Opens the help page found from the program's folder in the desktop's viewer, or says
// why it cannot.
void showHelpPage(WindowDialogs& dialogs, const QString& programFolder);

} // namespace quillet
