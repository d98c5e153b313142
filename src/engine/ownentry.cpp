#include "engine/ownentry.h"

#include "engine/anchorcase.h"
#include "engine/textops.h"
#include "engine/unhighlight.h"

namespace quillet {

namespace {

const QString commentOpener = QStringLiteral("<!--");
const QString commentCloser = QStringLiteral("-->");

// 0-based start of the line numbered lineNumber (0-based) in text.
qsizetype lineStart(const QString& text, qsizetype lineNumber)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < lineNumber && start >= 0; ++i)
        start = text.indexOf(u'\n', start) + 1;
    return start;
}

qsizetype lineNumberOf(const QString& text, qsizetype index)
{
    return QStringView(text).left(index).count(u'\n');
}

// 0-based position of the first link between from and to, outside the author's comments,
// whose target leads to path; -1 when there is none.
qsizetype firstLinkTo(const QString& text, qsizetype from, qsizetype to, const QString& path,
                      const SiteLayout& site)
{
    const QStringView view(text);
    for (qsizetype i = view.indexOf(u'<', from); i >= 0 && i < to; i = view.indexOf(u'<', i)) {
        if (view.mid(i).startsWith(commentOpener)) {
            const qsizetype closer = view.indexOf(commentCloser, i + commentOpener.size());
            if (closer < 0)
                return -1;
            i = closer + commentCloser.size();
            continue;
        }
        if (isLinkTagStart(view, i)) {
            const std::optional<QString> target = linkTargetAt(view, i);
            if (target && site.linkNames(*target, path, path))
                return i;
        }
        ++i;
    }
    return -1;
}

} // namespace

OwnEntry FindOwnEntry(const QString& text, const QString& menuText, const QString& path,
                      const SiteLayout& site)
{
    if (menuText.isEmpty())
        return {};
    const QString menu = applyAnchorCaseRule(menuText);
    // Cleaning keeps the line count, so a line of the cleaned page is the same line of text.
    const QString cleaned = CleanHighlight(text);
    const qsizetype m = applyAnchorCaseRule(cleaned).indexOf(menu);
    if (m < 0)
        return {};
    const qsizetype link = firstLinkTo(cleaned, m, m + menu.size(), path, site);
    if (link < 0)
        return {};
    const qsizetype entryLine = lineNumberOf(cleaned, link);
    const qsizetype start = lineStart(text, entryLine);
    const LineSpan line = lineAround(text, start + 1);
    const bool lit = carriesHighlight(text.mid(line.start, line.length));
    const LineSpan lastLine =
        lineAround(text, lineStart(text, lineNumberOf(cleaned, m + menu.size() - 1)) + 1);
    // A plain line is its cleaned self, so the link stands at the same column.
    return {start + link - lineStart(cleaned, entryLine) + 1,
            lit ? LinkState::Highlighted : LinkState::Plain, lastLine.start + lastLine.length};
}

std::optional<QString> HighlightFileLink(const QString& text, const QString& menuText,
                                         const QString& path, const QString& colour,
                                         const SiteLayout& site)
{
    const OwnEntry entry = FindOwnEntry(text, menuText, path, site);
    if (entry.state != LinkState::Plain)
        return std::nullopt;
    return highlightLinkAt(text, entry.position, colour, entry.menuEnd);
}

} // namespace quillet
