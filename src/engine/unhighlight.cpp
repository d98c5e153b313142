#include "engine/unhighlight.h"

#include "engine/highlight.h"
#include "engine/textops.h"

namespace quillet {

namespace {

const QString crlf = QStringLiteral("\r\n");
const QString highlightedTagStart = QStringLiteral("<!--<a");
const QString linkEnd = QStringLiteral("</a>");

bool startsWithTagStart(QStringView text)
{
    return text.startsWith(highlightedTagStart, Qt::CaseInsensitive);
}

// The length of the closer starting the text (either letter case), or 0.
qsizetype closerLength(QStringView text)
{
    return text.startsWith(highlightCloser) || text.startsWith(highlightCloserCapital)
               ? highlightCloser.size()
               : 0;
}

// End (0-based, exclusive) of the span opener starting at pos, or -1 when none starts there.
// The colour never holds a double quote.
qsizetype spanOpenerEnd(QStringView line, qsizetype pos)
{
    if (!line.mid(pos).startsWith(spanOpenerHead))
        return -1;
    const qsizetype quote = line.indexOf(u'"', pos + spanOpenerHead.size());
    if (quote < 0 || !line.mid(quote).startsWith(spanOpenerTail))
        return -1;
    return quote + spanOpenerTail.size();
}

// Whether the "<!--<a" at pos is a highlight's: its opening tag is followed by a span opener,
// or its link ends in a closer (a line highlighted with every link commented out). A link
// the author commented out ends in a plain "</a>" and stays as it is.
bool isHighlightedTag(QStringView line, qsizetype pos)
{
    const qsizetype tagEnd = line.indexOf(u'>', pos + highlightTagPrefix.size());
    if (tagEnd < 0)
        return false;
    if (spanOpenerEnd(line, tagEnd + 1) >= 0)
        return true;
    const qsizetype end = line.indexOf(linkEnd, tagEnd + 1, Qt::CaseInsensitive);
    const qsizetype closer = end - highlightCloser.indexOf(linkEnd);
    return end >= 0 && closer > tagEnd && closerLength(line.mid(closer)) > 0 &&
           line.mid(tagEnd + 1, closer - tagEnd - 1).indexOf(u"<a", 0, Qt::CaseInsensitive) < 0;
}

bool mayCarryHighlight(const QString& text)
{
    // Both the tag's prefix and the closer hold "<!--<".
    return text.contains(u"<!--<") || text.contains(spanOpenerHead);
}

} // namespace

bool carriesHighlight(const QString& line)
{
    return UnhighlightLine(line) != line;
}

QString UnhighlightLine(const QString& line)
{
    if (!mayCarryHighlight(line))
        return line;
    const QStringView view(line);
    QString result;
    result.reserve(line.size());
    for (qsizetype i = 0; i < line.size();) {
        if (startsWithTagStart(view.mid(i)) && isHighlightedTag(view, i)) {
            i += highlightTagPrefix.size();
            continue;
        }
        if (const qsizetype end = spanOpenerEnd(view, i); end >= 0) {
            i = end;
            continue;
        }
        if (const qsizetype length = closerLength(view.mid(i))) {
            // "</a>" or "</A>", as the closer keeps it.
            result += view.mid(i + highlightCloser.indexOf(linkEnd), linkEnd.size());
            i += length;
            continue;
        }
        result += line[i++];
    }
    return result;
}

// The next mark a highlighted line holds, from a position on. Both kinds hold a "<": one
// search for it, the fast one, reads a page about once whatever its marks.
class MarkFinder
{
public:
    explicit MarkFinder(const QString& text) : m_text(text) {}

    qsizetype next(qsizetype pos) const
    {
        const qsizetype opener = spanOpenerHead.indexOf(u'<');
        for (qsizetype p = m_text.indexOf(u'<', pos); p >= 0; p = m_text.indexOf(u'<', p + 1)) {
            const QStringView from = QStringView(m_text).mid(p);
            if (from.startsWith(u"<!--<"))
                return p;
            if (p - opener >= pos && QStringView(m_text).mid(p - opener).startsWith(spanOpenerHead))
                return p - opener;
        }
        return -1;
    }

private:
    const QString& m_text;
};

QString CleanHighlight(const QString& text)
{
    // Most pages hold no highlight, or one line of it: only lines with a mark can change.
    const MarkFinder marks(text);
    qsizetype mark = marks.next(0);
    if (mark < 0)
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype copied = 0;
    while (mark >= 0) {
        const qsizetype start = text.lastIndexOf(u'\n', mark) + 1;
        qsizetype end = text.indexOf(u'\n', mark);
        if (end < 0)
            end = text.size();
        result += QStringView(text).mid(copied, start - copied);
        result += UnhighlightLine(text.mid(start, end - start));
        copied = end;
        mark = end < text.size() ? marks.next(end) : -1;
    }
    result += QStringView(text).mid(copied);
    return result;
}

QString trimLineBreakPairs(QString text)
{
    while (text.startsWith(crlf))
        text.remove(0, crlf.size());
    while (text.endsWith(crlf))
        text.chop(crlf.size());
    return text;
}

PreparedMenuText PrepareMenuText(const QString& menuText)
{
    PreparedMenuText prepared;
    prepared.cleaned = trimLineBreakPairs(CleanHighlight(trimLineBreakPairs(menuText)));
    if (prepared.cleaned.isEmpty())
        return {};
    prepared.escaped = replaceAll(prepared.cleaned, QStringLiteral("<"), QStringLiteral("&lt;"));
    prepared.escaped = replaceAll(prepared.escaped, QStringLiteral(">"), QStringLiteral("&gt;"));
    return prepared;
}

QString unescapeMenuText(const QString& stored)
{
    const QString lt = replaceAll(stored, QStringLiteral("&lt;"), QStringLiteral("<"));
    return replaceAll(lt, QStringLiteral("&gt;"), QStringLiteral(">"));
}

} // namespace quillet
