#include "window/helppage.h"

#include "window/windowdialogs.h"

#include <QDir>
#include <QFileInfo>

namespace quillet {

QString findHelpPage(const QString& programFolder)
{
    const QString besideProgram = QDir(programFolder).filePath(QStringLiteral("help/menu.html"));
    return QFileInfo(besideProgram).isFile() ? besideProgram : QString();
}

void showHelpPage(WindowDialogs& dialogs, const QString& programFolder)
{
    const QString page = findHelpPage(programFolder);
    if (page.isEmpty()) {
        dialogs.showMessage({QString(), QStringLiteral("ヘルプのページ（help/menu.html）が"
                                                       "見つかりません。")});
        return;
    }
    if (!dialogs.openInViewer(page)) {
        dialogs.showMessage(
            {QString(), page + QStringLiteral("\r\nヘルプのページを表示する"
                                              "プログラムを起動できませんでした。")});
    }
}

} // namespace quillet
