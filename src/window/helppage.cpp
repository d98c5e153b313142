#include "window/helppage.h"

#include "project/helplocation.h"
#include "window/helpwindow.h"
#include "window/windowdialogs.h"

#include <QCoreApplication>

namespace quillet {

void showHelpPage(WindowDialogs& dialogs, const QString& programFolder,
                  QPointer<HelpWindow>& window, QWidget* parent)
{
    const QString page = helpPagePathIn(programFolder);
    if (page.isEmpty()) {
        dialogs.showMessage({QString(), QCoreApplication::translate(
                                            "quillet::HelpCommands",
                                            "ヘルプのページ（help/menu.html）が見つかりません。")});
        return;
    }
    if (!window)
        window = new HelpWindow(page, parent);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace quillet
