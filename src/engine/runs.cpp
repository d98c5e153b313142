#include "engine/runs.h"

#include "engine/pagefile.h"
#include "engine/pathnames.h"
#include "engine/textops.h"
#include "engine/unhighlight.h"

namespace quillet {

namespace {

const QString crlf = QStringLiteral("\r\n");

bool startsWithPairAt(const QString& text, qsizetype index)
{
    return index >= 0 && index + 1 < text.size() && text[index] == u'\r' && text[index + 1] == u'\n';
}

// Leaves exactly one CR LF on either side of the first tag, and wraps every tag in CR LF.
QString tidyAroundReplacement(QString text, const QString& tag)
{
    for (qsizetype p = find(text, tag, 1); p >= 3 && startsWithPairAt(text, p - 3);
         p = find(text, tag, 1))
        text.remove(p - 3, 2);
    for (qsizetype p = find(text, tag, 1); p > 0 && startsWithPairAt(text, p - 1 + tag.size());
         p = find(text, tag, 1))
        text.remove(p - 1 + tag.size(), 2);
    return replaceAll(text, tag, crlf + tag + crlf);
}

bool isUniformIndentation(const QString& indentation)
{
    return indentation.count(u' ') == indentation.size() ||
           indentation.count(u'\t') == indentation.size();
}

QString insertMenu(QString text, const RunSettings& settings)
{
    const qsizetype p = find(text, settings.replacement, 1);
    const qsizetype nl = findBack(text, QStringLiteral("\n"), p);
    const qsizetype n = p - nl - 1;
    if (p - nl >= 2 && isUniformIndentation(text.mid(nl, n)))
        text.remove(nl, n);
    return replaceAll(text, settings.replacement, settings.menuText);
}

bool isOnlyLineBreakPairs(const QString& text)
{
    return trimLineBreakPairs(text).isEmpty();
}

template <typename PageStep>
RunResult runOverPages(const QStringList& paths, const RunSettings& settings,
                       const RunProgress& progress, PageStep step)
{
    RunResult result;
    result.refusal = checkRunSettings(settings);
    if (result.refusal)
        return result;
    result.log.append(logHeadLine);
    const qsizetype total = paths.size();
    for (qsizetype i = 0; i < total; ++i) {
        PageOutcome outcome = step(paths[i], settings);
        result.log.append(outcome.logLine);
        result.pageFailed = result.pageFailed || outcome.failed;
        if (outcome.read)
            result.lastPageText = std::move(outcome.text);
        if (progress)
            progress(i + 1, total);
    }
    return result;
}

PageOutcome unreadable(const QString& path)
{
    PageOutcome outcome;
    outcome.logLine = unreadableLogLine(path);
    outcome.failed = true;
    return outcome;
}

// Writes the outcome's text over the page, turning the log line into a failure on error.
void writeOutcome(const QString& path, const PageFormat& format, PageOutcome& outcome)
{
    if (!writePage(path, outcome.text, format).ok) {
        outcome.logLine = unwritableLogLine(path);
        outcome.failed = true;
    }
}

} // namespace

std::optional<UserMessage> checkRunSettings(const RunSettings& settings)
{
    if (isOnlyLineBreakPairs(settings.menuText))
        return UserMessage{QStringLiteral("メニュ文字設定エラー"),
                           QStringLiteral("メニュー文字が設定されていません。")};
    if (settings.replacement.isEmpty())
        return UserMessage{QStringLiteral("置き換え文字エラー"),
                           QStringLiteral("置き換え文字が設定されていません。")};
    return std::nullopt;
}

ConvertedText convertPageText(const QString& text, const QString& path,
                              const RunSettings& settings)
{
    const QString work = RemoveSelfHighlight(path, text);
    if (find(work, settings.menuText, 1) == 0)
        return {false, work};
    const QString replaced = replaceAll(work, settings.menuText, settings.replacement);
    return {true, tidyAroundReplacement(replaced, settings.replacement)};
}

RestoredText restorePageText(const QString& text, const QString& path,
                             const RunSettings& settings)
{
    const QString name = GetFileName(path);
    const QString colour = effectiveLinkColour(settings.linkColour);
    if (find(text, settings.replacement, 1) != 0) {
        const QString restored = insertMenu(text, settings);
        const qsizetype s = FindSelfLink(restored, name);
        if (s == 0)
            return {RestoreKind::Restored, restored};
        return {RestoreKind::Restored, editLineAround(restored, s, [&](const QString& line) {
                    return HighlightLinkLine(line, name, colour);
                })};
    }
    if (GetLinkState(text, name) == LinkState::Plain)
        return {RestoreKind::LinkCorrected, HighlightFileLink(text, name, colour)};
    return {RestoreKind::NotRestored, text};
}

PageOutcome ConvertFile(const QString& path, const RunSettings& settings)
{
    const PageRead read = readPage(path);
    if (!read.ok)
        return unreadable(path);
    const ConvertedText converted = convertPageText(read.page.text, path, settings);
    PageOutcome outcome;
    outcome.read = true;
    outcome.text = converted.text;
    if (!converted.converted) {
        outcome.logLine = GetFileName(path) + QStringLiteral("は変換しませんでした。");
        return outcome;
    }
    outcome.logLine = GetFileName(path) + QStringLiteral("の変換を行ないました。");
    writeOutcome(path, read.page.format, outcome);
    return outcome;
}

PageOutcome RestoreFile(const QString& path, const RunSettings& settings)
{
    const PageRead read = readPage(path);
    if (!read.ok)
        return unreadable(path);
    const RestoredText restored = restorePageText(read.page.text, path, settings);
    PageOutcome outcome;
    outcome.read = true;
    outcome.text = restored.text;
    switch (restored.kind) {
    case RestoreKind::NotRestored:
        outcome.logLine = GetFileName(path) + QStringLiteral("は戻しませんでした。");
        return outcome;
    case RestoreKind::Restored:
        outcome.logLine = GetFileName(path) + QStringLiteral("を戻しました。");
        break;
    case RestoreKind::LinkCorrected:
        outcome.logLine = GetFileName(path) + QStringLiteral("のリンクを修正しました。");
        break;
    }
    writeOutcome(path, read.page.format, outcome);
    return outcome;
}

RunResult runConversion(const QStringList& paths, const RunSettings& settings,
                        const RunProgress& progress)
{
    return runOverPages(paths, settings, progress, ConvertFile);
}

RunResult runRestore(const QStringList& paths, const RunSettings& settings,
                     const RunProgress& progress)
{
    return runOverPages(paths, settings, progress, RestoreFile);
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
