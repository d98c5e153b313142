#include "window/helpcommands.h"

#include "window/frmabout.h"
#include "window/helppage.h"
#include "window/helpwindow.h"
#include "window/mainmenu.h"

#include <QAction>
#include <QCoreApplication>

namespace quillet {

HelpCommands::HelpCommands(WindowDialogs& dialogs, QString projectFile, QWidget* window,
                           const MainMenu& menu)
    : QObject(window), m_dialogs(dialogs), m_projectFile(std::move(projectFile)), m_window(window)
{
    connect(menu.mmhelp, &QAction::triggered, this, &HelpCommands::mmhelp_Click);
    connect(menu.mmv, &QAction::triggered, this, &HelpCommands::mmv_Click);
}

void HelpCommands::mmhelp_Click()
{
    showHelpPage(m_dialogs, QCoreApplication::applicationDirPath(), m_help, m_window);
}

// A dialog shown for the first time centres itself over its parent, the main window.
void HelpCommands::mmv_Click()
{
    if (!m_about)
        m_about = new frmAbout(m_dialogs, m_projectFile, m_window);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

} // namespace quillet
