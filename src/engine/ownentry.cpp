#include "engine/ownentry.h"

#include "engine/anchorcase.h"
#include "engine/textops.h"
#include "engine/unhighlight.h"

namespace quillet {

namespace {

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

} // namespace

OwnEntry FindOwnEntry(const QString& text, const QString& menuText, const QString& name)
{
    if (menuText.isEmpty())
        return {};
    const QString menu = applyAnchorCaseRule(menuText);
    const qsizetype q = FindSelfLink(menu, name);
    if (q == 0)
        return {};
    // Cleaning keeps the line count, so a line of the cleaned page is the same line of text.
    const QString cleaned = CleanHighlight(text);
    const qsizetype m = applyAnchorCaseRule(cleaned).indexOf(menu);
    if (m < 0)
        return {};
    const qsizetype entryLine = lineNumberOf(cleaned, m + q - 1);
    const qsizetype position = lineStart(text, entryLine) + 1;
    const LineSpan line = lineAround(text, position);
    const bool lit = carriesHighlight(text.mid(line.start, line.length));
    const LineSpan lastLine =
        lineAround(text, lineStart(text, lineNumberOf(cleaned, m + menu.size() - 1)) + 1);
    return {position, lit ? LinkState::Highlighted : LinkState::Plain,
            lastLine.start + lastLine.length};
}

std::optional<QString> HighlightFileLink(const QString& text, const QString& menuText,
                                         const QString& name, const QString& colour)
{
    const OwnEntry entry = FindOwnEntry(text, menuText, name);
    if (entry.state != LinkState::Plain)
        return std::nullopt;
    return highlightLinkAt(text, entry.position, name, colour, entry.menuEnd);
}

} // namespace quillet
