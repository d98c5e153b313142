#include "filelist/tempcomments.h"

#include "engine/pagefile.h"
#include "engine/pathnames.h"
#include "engine/runs.h"
#include "engine/textops.h"

#include <QCoreApplication>

namespace quillet {

namespace {

QString convertedSuffix()
{
    return QCoreApplication::translate("TempComments",
                                       "のファイルの仮コメントをコメントに変換しました。");
}
QString untouchedSuffix()
{
    return QCoreApplication::translate("TempComments",
                                       "のファイルには仮コメントは有りませんでした。");
}

} // namespace

std::optional<UserMessage> checkCommentProjectName(const QString& projectName)
{
    if (!projectName.isEmpty())
        return std::nullopt;
    return UserMessage{
        QCoreApplication::translate("TempComments", "プロジェクト名エラー"),
        QCoreApplication::translate("TempComments", "プロジェクト名を入力してください。")};
}

PageOutcome convertTemporaryComments(const PageRead& read, const QString& name,
                                     const QString& projectName)
{
    if (!read.ok)
        return unreadablePage(name);
    if (find(read.page.text, temporaryComment, 1) == 0)
        return pageOutcome(name, untouchedSuffix(), read.page.text);
    const QString tag = projectTag(projectName);
    PageOutcome outcome = replacingOutcome(name, convertedSuffix(),
                                           replaceAll(read.page.text, temporaryComment, tag));
    // The source view shows what is on disk: the page as read when the write failed.
    outcome.unwrittenText = read.page.text;
    return outcome;
}

RunResult runTemporaryComments(const QStringList& paths, const QString& projectName,
                               PageWriter& pages, const RunProgress& progress, const RunStop& stop)
{
    RunResult result;
    result.refusal = checkCommentProjectName(projectName);
    if (result.refusal)
        return result;
    const SiteLayout site(paths);
    runPageSteps(
        paths,
        [&](const QString& path, const PageRead& read) {
            return convertTemporaryComments(read, site.logName(path), projectName);
        },
        pages, progress, result, stop);
    return result;
}

} // namespace quillet
