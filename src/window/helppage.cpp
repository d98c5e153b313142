#include "window/helppage.h"

#include "project/helplocation.h"
#include "window/windowdialogs.h"

namespace quillet {

void showHelpPage(WindowDialogs& dialogs, const QString& programFolder)
{
    const QString page = helpPagePathIn(programFolder);
    if (page.isEmpty()) {
        dialogs.showMessage(
            {QString(), QStringLiteral("ヘルプのページ（help/menu.html）が見つかりません。")});
        return;
    }
    if (!dialogs.openInViewer(page)) {
        dialogs.showMessage(
            {QString(), page + QStringLiteral("\r\nヘルプのページを表示する"
                                              "プログラムを起動できませんでした。")});
    }
}

} // namespace quillet
