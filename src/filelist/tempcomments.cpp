#include "filelist/tempcomments.h"

#include "engine/pagefile.h"
#include "engine/pathnames.h"
#include "engine/textops.h"

namespace quillet {

namespace {

const QString convertedSuffix = QStringLiteral("のファイルの仮コメントをコメントに変換しました。");
const QString untouchedSuffix = QStringLiteral("のファイルには仮コメントは有りませんでした。");

} // namespace

std::optional<UserMessage> checkCommentProjectName(const QString& projectName)
{
    if (!projectName.isEmpty())
        return std::nullopt;
    return UserMessage{QStringLiteral("プロジェクト名エラー"),
                       QStringLiteral("プロジェクト名を入力してください。")};
}

PageOutcome convertTemporaryComments(const QString& path, const QString& projectName)
{
    PageOutcome outcome;
    const PageRead read = readPage(path);
    if (!read.ok) {
        outcome.logLine = unreadableLogLine(path);
        outcome.failed = true;
        return outcome;
    }
    outcome.read = true;
    outcome.text = read.page.text;
    if (find(read.page.text, temporaryComment, 1) == 0) {
        outcome.logLine = GetFileName(path) + untouchedSuffix;
        return outcome;
    }
    const QString tag = QStringLiteral("<!--") + projectName + QStringLiteral("-->");
    const QString converted = replaceAll(read.page.text, temporaryComment, tag);
    if (!writePage(path, converted, read.page.format).ok) {
        outcome.logLine = unwritableLogLine(path);
        outcome.failed = true;
        return outcome;
    }
    outcome.text = converted;
    outcome.logLine = GetFileName(path) + convertedSuffix;
    return outcome;
}

RunResult runTemporaryComments(const QStringList& paths, const QString& projectName,
                               const RunProgress& progress)
{
    RunResult result;
    result.refusal = checkCommentProjectName(projectName);
    if (result.refusal)
        return result;
    const qsizetype total = paths.size();
    for (qsizetype i = 0; i < total; ++i) {
        PageOutcome outcome = convertTemporaryComments(paths[i], projectName);
        result.log.append(outcome.logLine);
        result.pageFailed = result.pageFailed || outcome.failed;
        if (outcome.read)
            result.lastPageText = std::move(outcome.text);
        if (progress)
            progress(i + 1, total);
    }
    return result;
}

} // namespace quillet
