#include "filelist/dropcheck.h"

#include "engine/menublock.h"
#include "engine/unhighlight.h"

#include <QCoreApplication>

namespace quillet {

bool CheckProjectNames(ListedPages& pages)
{
    std::optional<QString> reference;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const std::optional<QString>& name = pages.at(i).projectName;
        if (!name)
            continue;
        if (!reference)
            reference = name;
        else if (*name != *reference)
            return false;
    }
    return true;
}

QString GetFileProjectName(ListedPages& pages)
{
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (const std::optional<QString>& name = pages.at(i).projectName)
            return *name;
    }
    return {};
}

QString GetMenuFromFiles(ListedPages& pages)
{
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QString& block = pages.at(i).menuBlock;
        if (!block.isEmpty() && !isProjectTagOnly(block))
            return CleanHighlight(block);
    }
    return {};
}

bool offersProjectTagAsMenu(ListedPages& pages)
{
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (isProjectTagOnly(pages.at(i).menuBlock))
            return true;
    }
    return false;
}

UserMessage projectNamesDifferMessage()
{
    return {QCoreApplication::translate("DropCheck", "プロジェクト名が違います"),
            QCoreApplication::translate("DropCheck",
                                        "コメントの中のプロジェクト名が同じでは有りません。")};
}

UserMessage projectNameMismatchQuestion()
{
    return {QCoreApplication::translate("DropCheck", "プロジェクト名の不一致"),
            QCoreApplication::translate(
                "DropCheck",
                "ファイルに書かれたプロジェクト名と表示のファイル名が一致しません。\r\n"
                "ファイルに書かれたプロジェクトに変更しますか？")};
}

} // namespace quillet
