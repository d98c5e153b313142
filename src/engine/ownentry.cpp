#include "engine/ownentry.h"

#include "engine/textops.h"
#include "engine/unhighlight.h"

namespace quillet {

namespace {

// 1-based position of the start of the line of text with the line number that position p
// has in other; cleaning keeps the line count, so the lines of both texts correspond.
qsizetype sameLineStart(const QString& text, const QString& other, qsizetype p)
{
    const qsizetype lineNumber = QStringView(other).left(p - 1).count(u'\n');
    qsizetype start = 0;
    for (qsizetype i = 0; i < lineNumber; ++i)
        start = text.indexOf(u'\n', start) + 1;
    return start + 1;
}

std::optional<OwnEntry> menuEntry(const QString& text, const QString& menuText, const QString& name)
{
    if (menuText.isEmpty())
        return std::nullopt;
    const qsizetype q = FindSelfLink(menuText, name);
    if (q == 0)
        return std::nullopt;
    const QString cleaned = CleanHighlight(text);
    const qsizetype m = find(cleaned, menuText, 1);
    if (m == 0)
        return std::nullopt;
    const qsizetype position = sameLineStart(text, cleaned, m + q - 1);
    const LineSpan line = lineAround(text, position);
    const bool lit = carriesHighlight(text.mid(line.start, line.length));
    return OwnEntry{position, lit ? LinkState::Highlighted : LinkState::Plain};
}

} // namespace

OwnEntry FindOwnEntry(const QString& text, const QString& menuText, const QString& name)
{
    if (const std::optional<OwnEntry> entry = menuEntry(text, menuText, name))
        return *entry;
    const qsizetype s = FindSelfLink(text, name);
    if (s == 0)
        return {};
    return {s, GetLinkState(text, name)};
}

std::optional<QString> HighlightFileLink(const QString& text, const QString& menuText,
                                         const QString& name, const QString& colour)
{
    const OwnEntry entry = FindOwnEntry(text, menuText, name);
    if (entry.state != LinkState::Plain)
        return std::nullopt;
    const QString highlighted = editLineAround(text, entry.position, [&](const QString& line) {
        return HighlightLinkLine(line, name, colour);
    });
    if (highlighted == text)
        return std::nullopt;
    return highlighted;
}

} // namespace quillet
