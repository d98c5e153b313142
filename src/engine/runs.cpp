#include "engine/runs.h"

#include "engine/anchorcase.h"
#include "engine/ownentry.h"
#include "engine/pagefile.h"
#include "engine/pathnames.h"
#include "engine/textops.h"
#include "engine/unhighlight.h"

#include <QCoreApplication>

namespace quillet {

namespace {

const QString crlf = QStringLiteral("\r\n");

bool startsWithPairAt(const QString& text, qsizetype index)
{
    return index >= 0 && index + 1 < text.size() && text[index] == u'\r' &&
           text[index + 1] == u'\n';
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

QString restoreMessage(RestoreKind kind)
{
    switch (kind) {
    case RestoreKind::Restored:
        return QCoreApplication::translate("Runs", "を戻しました。");
    case RestoreKind::LinkCorrected:
        return QCoreApplication::translate("Runs", "のリンクを修正しました。");
    case RestoreKind::NotRestored:
        break;
    }
    return QCoreApplication::translate("Runs", "は戻しませんでした。");
}

// The save's correction of the page's plain self-link, on the run's reading of the page: the
// step goes on from the corrected text, and where it replaces nothing the correction is
// written alone. Either way the page is read once and replaced at most once.
PageOutcome stepAfterSavedLink(const QString& path, const PageRead& read,
                               const RunSettings& settings, PageStep step)
{
    const SiteLayout site = settings.siteFor(path);
    const QString name = site.logName(path);
    const std::optional<QString> corrected =
        read.ok ? settings.savedLinks->corrected(read.page.text, path, site) : std::nullopt;
    if (!corrected) {
        PageOutcome outcome = step(path, read, settings);
        if (!read.ok)
            outcome.saved = PageOutcome::SavedLine{unreadableLogLine(name), true, -1, std::nullopt};
        return outcome;
    }
    PageRead seen = read;
    seen.page.text = *corrected;
    PageOutcome outcome = step(path, seen, settings);
    outcome.saved = PageOutcome::SavedLine{
        name + QCoreApplication::translate("SelfLinks", "のリンクを修正しました。"), false, -1,
        *corrected};
    return outcome;
}

} // namespace

SiteLayout RunSettings::siteFor(const QString& path) const
{
    return site ? *site : SiteLayout({path});
}

RunSettings RunSettings::forPage(const QString& path) const
{
    if (!linksFromSiteFolder)
        return *this;
    RunSettings page = *this;
    page.menuText = siteFor(path).menuFor(menuText, path);
    page.linksFromSiteFolder = false;
    return page;
}

QString projectTag(const QString& projectName)
{
    return QStringLiteral("<!--") + projectName + QStringLiteral("-->");
}

std::optional<UserMessage> checkRunSettings(const RunSettings& settings)
{
    if (isOnlyLineBreakPairs(settings.menuText))
        return UserMessage{
            QCoreApplication::translate("Runs", "メニュ文字設定エラー"),
            QCoreApplication::translate("Runs", "メニュー文字が設定されていません。")};
    if (settings.replacement.isEmpty())
        return UserMessage{
            QCoreApplication::translate("Runs", "置き換え文字エラー"),
            QCoreApplication::translate("Runs", "置き換え文字が設定されていません。")};
    return std::nullopt;
}

ConvertedText convertPageText(const QString& text, const RunSettings& settings)
{
    const QString work = CleanHighlight(text);
    const std::optional<QString> replaced =
        replaceIgnoringAnchorCase(work, settings.menuText, settings.replacement);
    if (!replaced)
        return {false, work};
    return {true, tidyAroundReplacement(*replaced, settings.replacement)};
}

RestoredText restorePageText(const QString& text, const QString& path,
                             const RunSettings& projectSettings)
{
    const RunSettings settings = projectSettings.forPage(path);
    const QString colour = effectiveLinkColour(settings.linkColour);
    const SiteLayout site = settings.siteFor(path);
    if (find(text, settings.replacement, 1) != 0) {
        const QString restored = insertMenu(text, settings);
        return {
            RestoreKind::Restored,
            HighlightFileLink(restored, settings.menuText, path, colour, site).value_or(restored)};
    }
    if (std::optional<QString> corrected =
            HighlightFileLink(text, settings.menuText, path, colour, site))
        return {RestoreKind::LinkCorrected, std::move(*corrected)};
    return {RestoreKind::NotRestored, text};
}

PageOutcome ConvertFile(const QString& path, const PageRead& read, const RunSettings& settings)
{
    const QString name = settings.siteFor(path).logName(path);
    if (!read.ok)
        return unreadablePage(name);
    const ConvertedText converted = convertPageText(read.page.text, settings.forPage(path));
    if (!converted.converted)
        return pageOutcome(name, QCoreApplication::translate("Runs", "は変換しませんでした。"),
                           converted.text);
    return replacingOutcome(name, QCoreApplication::translate("Runs", "の変換を行ないました。"),
                            converted.text);
}

PageOutcome RestoreFile(const QString& path, const PageRead& read, const RunSettings& settings)
{
    if (!read.ok)
        return unreadablePage(settings.siteFor(path).logName(path));
    const RestoredText restored = restorePageText(read.page.text, path, settings);
    PageOutcome outcome = pageOutcome(settings.siteFor(path).logName(path),
                                      restoreMessage(restored.kind), restored.text);
    outcome.replaces = restored.kind != RestoreKind::NotRestored;
    return outcome;
}

RunResult runOverPages(const QStringList& paths, const RunSettings& settings, PageWriter& pages,
                       const RunProgress& progress, PageStep step, const RunStop& stop)
{
    RunResult result;
    result.refusal = checkRunSettings(settings);
    if (result.refusal)
        return result;
    result.log.append(logHeadLine());
    RunSettings listed = settings;
    if (!listed.site)
        listed.site = std::make_shared<const SiteLayout>(paths);
    runPageSteps(
        paths,
        [&](const QString& path, const PageRead& read) {
            return listed.savedLinks ? stepAfterSavedLink(path, read, listed, step)
                                     : step(path, read, listed);
        },
        pages, progress, result, stop);
    insertAfterHeadLine(result, std::exchange(result.savedLog, {}));
    return result;
}

RunResult runConversion(const QStringList& paths, const RunSettings& settings, PageWriter& pages,
                        const RunProgress& progress, const RunStop& stop)
{
    return runOverPages(paths, settings, pages, progress, ConvertFile, stop);
}

RunResult runRestore(const QStringList& paths, const RunSettings& settings, PageWriter& pages,
                     const RunProgress& progress, const RunStop& stop)
{
    return runOverPages(paths, settings, pages, progress, RestoreFile, stop);
}

void insertAfterHeadLine(RunResult& result, const QStringList& lines)
{
    const qsizetype at = result.log.isEmpty() ? 0 : 1;
    for (qsizetype i = 0; i < lines.size(); ++i)
        result.log.insert(at + i, lines[i]);
}

} // namespace quillet
