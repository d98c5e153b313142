#include "engine/pagerun.h"

#include "engine/pathnames.h"

namespace quillet {

void runPageSteps(const QStringList& paths, const std::function<PageOutcome(const QString&)>& step,
                  const RunProgress& progress, RunResult& result)
{
    const qsizetype total = paths.size();
    for (qsizetype i = 0; i < total; ++i) {
        PageOutcome outcome = step(paths[i]);
        result.log.append(outcome.logLine);
        result.pageFailed = result.pageFailed || outcome.failed;
        if (outcome.read)
            result.lastPageText = std::move(outcome.text);
        if (progress)
            progress(i + 1, total);
    }
}

PageOutcome unreadablePage(const QString& path)
{
    PageOutcome outcome;
    outcome.logLine = unreadableLogLine(path);
    outcome.failed = true;
    return outcome;
}

PageOutcome pageOutcome(const QString& logLine, const QString& text)
{
    PageOutcome outcome;
    outcome.logLine = logLine;
    outcome.text = text;
    outcome.read = true;
    return outcome;
}

void writeOutcome(PageWriter& pages, const QString& path, const PageRead& before,
                  PageOutcome& outcome)
{
    if (!pages.replace(path, before, outcome.text).ok) {
        outcome.logLine = unwritableLogLine(path);
        outcome.failed = true;
    }
}

QString unreadableLogLine(const QString& path)
{
    return GetFileName(path) + QStringLiteral("を読み込めませんでした。");
}

QString unwritableLogLine(const QString& path)
{
    return GetFileName(path) + QStringLiteral("を書き込めませんでした。");
}

} // namespace quillet
