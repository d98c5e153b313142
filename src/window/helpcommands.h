#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace quillet {

class WindowDialogs;
class frmAbout;
struct MainMenu;

// The help menu: the help page and the one version window.
class HelpCommands : public QObject
{
    Q_OBJECT
public:
    HelpCommands(WindowDialogs& dialogs, QWidget* window, const MainMenu& menu);

private:
    void mmhelp_Click();
    void mmv_Click();

    WindowDialogs& m_dialogs;
    QWidget* m_window;
    QPointer<frmAbout> m_about; // gone once its window is closed
};

} // namespace quillet
