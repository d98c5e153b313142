#include "engine/highlight.h"

#include "engine/textops.h"

#include <optional>

namespace quillet {

namespace {

const QString linkStart = QStringLiteral("<a");
const QString linkEnd = QStringLiteral("</a>");

// 0-based positions of a link's "<a" and of the ">" that ends its opening tag.
struct OpeningTag
{
    qsizetype start = 0;
    qsizetype end = 0;
};

bool isLinkTagStart(const QString& line, qsizetype start)
{
    const qsizetype next = start + linkStart.size();
    return next < line.size() && line[next].isSpace();
}

bool isCommentedOut(const QString& line, qsizetype start)
{
    return QStringView(line).left(start).endsWith(highlightTagPrefix);
}

// The first plain "<a" opening tag that holds the name and ends on the line.
std::optional<OpeningTag> tagHoldingName(const QString& line, const QString& name)
{
    if (name.isEmpty())
        return std::nullopt;
    for (qsizetype at = line.indexOf(name); at >= 0; at = line.indexOf(name, at + 1)) {
        const qsizetype start = at >= linkStart.size() ? line.lastIndexOf(linkStart, at - 2) : -1;
        if (start < 0 || !isLinkTagStart(line, start) || isCommentedOut(line, start))
            continue;
        const qsizetype end = line.indexOf(u'>', start);
        if (end >= at + name.size())
            return OpeningTag{start, end};
    }
    return std::nullopt;
}

} // namespace

QString effectiveLinkColour(const QString& chosen)
{
    return chosen.isEmpty() ? defaultLinkColour : chosen;
}

qsizetype FindSelfLink(const QString& text, const QString& name)
{
    const qsizetype a = find(text, name, 1);
    if (a == 0)
        return 0;
    const qsizetype nl = findBack(text, QStringLiteral("\n"), a);
    const qsizetype ap = findBack(text, linkStart, a);
    return nl < ap ? a : 0;
}

LinkState GetLinkState(const QString& text, const QString& name)
{
    const qsizetype c = find(text, name, 1);
    if (c == 0)
        return LinkState::None;
    const qsizetype nl = findBack(text, QStringLiteral("\n"), c);
    const qsizetype ap = findBack(text, linkStart, c);
    const qsizetype cm = findBack(text, highlightTagPrefix, c);
    if (nl >= ap)
        return LinkState::None;
    if (cm < nl)
        return LinkState::Plain;
    if (cm > nl)
        return LinkState::Highlighted;
    return LinkState::None;
}

QString HighlightLinkLine(const QString& line, const QString& name, const QString& colour)
{
    const std::optional<OpeningTag> tag = tagHoldingName(line, name);
    if (!tag)
        return line;
    const qsizetype close = line.indexOf(linkEnd, tag->end + 1);
    if (close < 0)
        return line;
    const QStringView view(line);
    return view.left(tag->start) + highlightTagPrefix +
           view.mid(tag->start, tag->end + 1 - tag->start) + spanOpenerHead + colour +
           spanOpenerTail + view.mid(tag->end + 1, close - tag->end - 1) + highlightCloser +
           view.mid(close + linkEnd.size());
}

} // namespace quillet
