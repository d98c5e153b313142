#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace quillet {

class WindowDialogs;
class HelpWindow;
class frmAbout;
struct MainMenu;

// The help menu: the one help window and the one version window.
class HelpCommands : public QObject
{
    Q_OBJECT
public:
    HelpCommands(WindowDialogs& dialogs, QString projectFile, QWidget* window,
                 const MainMenu& menu);

private:
    void mmhelp_Click();
    void mmv_Click();

    WindowDialogs& m_dialogs;
    QString m_projectFile; // shown by the version window
    QWidget* m_window;
    QPointer<frmAbout> m_about; // gone once its window is closed
    QPointer<HelpWindow> m_help;
};

} // namespace quillet
