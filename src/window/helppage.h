#pragma once

#include <QPointer>
#include <QString>

class QWidget;

namespace quillet {

class HelpWindow;
class WindowDialogs;

// Shows the help page found from the program's folder in the one help window (made on
// first use, raised after), or says why it cannot.
void showHelpPage(WindowDialogs& dialogs, const QString& programFolder,
                  QPointer<HelpWindow>& window, QWidget* parent);

} // namespace quillet
