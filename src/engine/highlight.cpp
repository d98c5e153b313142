#include "engine/highlight.h"

#include "engine/textops.h"
#include "engine/unhighlight.h"

#include <QRegularExpression>

namespace quillet {

namespace {

const QString linkStart = QStringLiteral("<a");
const QString linkEnd = QStringLiteral("</a>");

const QString hrefPattern =
    QStringLiteral(R"re(^<a\s(?:[^>]*?\s)?href\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+))[^>]*>)re");

bool isCommentedOut(QStringView text, qsizetype start)
{
    return text.left(start).endsWith(highlightTagPrefix);
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

bool isLinkTagStart(QStringView text, qsizetype pos)
{
    const qsizetype next = pos + linkStart.size();
    return next < text.size() && text.mid(pos).startsWith(linkStart, Qt::CaseInsensitive) &&
           text[next].isSpace();
}

std::optional<QString> linkTargetAt(QStringView text, qsizetype pos)
{
    static const QRegularExpression href(hrefPattern, QRegularExpression::CaseInsensitiveOption);
    const qsizetype end = text.indexOf(u'>', pos);
    if (end < 0)
        return std::nullopt;
    const QRegularExpressionMatch match = href.match(text.mid(pos, end + 1 - pos).toString());
    if (!match.hasMatch())
        return std::nullopt;
    for (int group = 1; group <= 3; ++group) {
        if (match.hasCaptured(group))
            return match.captured(group);
    }
    return std::nullopt;
}

std::optional<QString> highlightLinkAt(const QString& text, qsizetype p, const QString& colour,
                                       qsizetype limit)
{
    const qsizetype tagStart = p - 1;
    if (!isLinkTagStart(text, tagStart) || isCommentedOut(text, tagStart))
        return std::nullopt;
    const LineSpan line = lineAround(text, p);
    const qsizetype tagEnd = text.indexOf(u'>', tagStart);
    if (tagEnd < 0 || tagEnd >= line.start + line.length)
        return std::nullopt;
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

} // namespace quillet
