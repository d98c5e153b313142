#include "engine/highlight.h"

#include "engine/textops.h"
#include "engine/unhighlight.h"

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

// "<a" or "<A" followed by a blank or ">": a link's opening tag, not "<abbr".
bool isLinkTagStart(QStringView text, qsizetype start)
{
    const qsizetype next = start + linkStart.size();
    return next < text.size() && (text[next].isSpace() || text[next] == u'>');
}

bool isCommentedOut(QStringView line, qsizetype start)
{
    return line.left(start).endsWith(highlightTagPrefix);
}

// Position (1-based) of the last "<a" or "<A" ending at or before p, or 0.
qsizetype findLinkStartBack(const QString& text, qsizetype p)
{
    return std::max(findBack(text, linkStart, p), findBack(text, QStringLiteral("<A"), p));
}

// The first plain opening tag on the line that holds the name and ends on the line.
std::optional<OpeningTag> tagHoldingName(QStringView line, const QString& name)
{
    if (name.isEmpty())
        return std::nullopt;
    for (qsizetype at = line.indexOf(name); at >= 0; at = line.indexOf(name, at + 1)) {
        const qsizetype start =
            at >= linkStart.size() ? line.lastIndexOf(linkStart, at - 2, Qt::CaseInsensitive) : -1;
        if (start < 0 || !isLinkTagStart(line, start) || isCommentedOut(line, start))
            continue;
        const qsizetype end = line.indexOf(u'>', start);
        if (end >= at + name.size())
            return OpeningTag{start, end};
    }
    return std::nullopt;
}

bool opensAnotherLink(QStringView linkText)
{
    for (qsizetype at = linkText.indexOf(linkStart, 0, Qt::CaseInsensitive); at >= 0;
         at = linkText.indexOf(linkStart, at + 1, Qt::CaseInsensitive)) {
        if (isLinkTagStart(linkText, at))
            return true;
    }
    return false;
}

// End (0-based, exclusive) of the line that stands `lines` lines after the one holding pos.
qsizetype endOfLineAfter(const QString& text, qsizetype pos, int lines)
{
    qsizetype end = pos;
    for (int i = 0; i <= lines && end < text.size(); ++i) {
        const qsizetype lf = text.indexOf(u'\n', i == 0 ? end : end + 1);
        end = lf < 0 ? text.size() : lf;
    }
    while (end > pos && text[end - 1] == u'\r')
        --end;
    return end;
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
    return nl < findLinkStartBack(text, a) ? a : 0;
}

LinkState GetLinkState(const QString& text, const QString& name)
{
    const qsizetype c = find(text, name, 1);
    if (c == 0)
        return LinkState::None;
    const qsizetype nl = findBack(text, QStringLiteral("\n"), c);
    const qsizetype ap = findLinkStartBack(text, c);
    const qsizetype cm = findBack(text, highlightTagPrefix, c);
    if (nl >= ap)
        return LinkState::None;
    if (cm < nl)
        return LinkState::Plain;
    if (cm > nl)
        return LinkState::Highlighted;
    return LinkState::None;
}

std::optional<QString> highlightLinkAt(const QString& text, qsizetype p, const QString& name,
                                       const QString& colour, qsizetype limit)
{
    const LineSpan line = lineAround(text, p);
    const std::optional<OpeningTag> tag =
        tagHoldingName(QStringView(text).mid(line.start, line.length), name);
    if (!tag)
        return std::nullopt;
    const qsizetype tagStart = line.start + tag->start;
    const qsizetype tagEnd = line.start + tag->end;
    qsizetype last = endOfLineAfter(text, tagEnd, linkLinesAfterTag);
    if (limit >= 0)
        last = std::min(last, limit);
    const qsizetype close = text.indexOf(linkEnd, tagEnd + 1, Qt::CaseInsensitive);
    if (close < 0 || close + linkEnd.size() > last)
        return std::nullopt;
    const QStringView view(text);
    const QStringView linkText = view.mid(tagEnd + 1, close - tagEnd - 1);
    if (opensAnotherLink(linkText))
        return std::nullopt;
    const QString highlighted =
        view.left(tagStart) + highlightTagPrefix + view.mid(tagStart, tagEnd + 1 - tagStart) +
        spanOpenerHead + colour + spanOpenerTail + linkText + u"</span><!--" +
        view.mid(close, linkEnd.size()) + u"-->" + view.mid(close + linkEnd.size());
    // The lines written must clean back to exactly what they were.
    const qsizetype regionEnd = endOfLineAfter(text, close, 0);
    const qsizetype added = highlighted.size() - text.size();
    if (CleanHighlight(highlighted.mid(line.start, regionEnd + added - line.start)) !=
        view.mid(line.start, regionEnd - line.start))
        return std::nullopt;
    return highlighted;
}

QString HighlightLinkLine(const QString& line, const QString& name, const QString& colour)
{
    return highlightLinkAt(line, 1, name, colour).value_or(line);
}

} // namespace quillet
