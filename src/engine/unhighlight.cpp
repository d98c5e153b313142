#include "engine/unhighlight.h"

#include "engine/pathnames.h"
#include "engine/textops.h"

#include <QStringList>

namespace quillet {

namespace {

const QString crlf = QStringLiteral("\r\n");

// An empty key (a path without a folder) would match the first line of every page and
// strip its comments, so it cleans nothing.
QString cleanLineOfFirst(const QString& text, const QString& key)
{
    if (key.isEmpty())
        return text;
    const qsizetype c = find(text, key, 1);
    if (c == 0)
        return text;
    return editLineAround(text, c, UnhighlightLine);
}

} // namespace

QString UnhighlightLine(const QString& line)
{
    QString result = replaceAll(line, QStringLiteral("<!--"), {});
    result = replaceAll(result, QStringLiteral("-->"), {});
    result = replaceAll(result, QStringLiteral("</span>"), {});
    const qsizetype t = find(result, QStringLiteral("<span"), 1);
    if (t == 0)
        return result;
    const qsizetype u = find(result, QStringLiteral(">"), t);
    if (u == 0)
        return result;
    return replaceAll(result, result.mid(t - 1, u - t + 1), {});
}

QString CleanHighlight(const QString& text)
{
    // Split at LF only: a cleaned line never gains or loses a line break.
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        line = UnhighlightLine(line);
    return lines.join(u'\n');
}

QString RemoveSelfHighlight(const QString& path, const QString& text)
{
    const QString key = path.isEmpty() ? QStringLiteral("<!--<a") : GetFileName(path);
    return cleanLineOfFirst(text, key);
}

QString RemoveBlockHighlight(const QString& path, const QString& block)
{
    return cleanLineOfFirst(block, GetFileName(path));
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
    const QString trimmed = trimLineBreakPairs(menuText);
    if (trimmed.isEmpty())
        return {};
    QStringList lines = trimmed.split(crlf);
    for (QString& line : lines) {
        if (line.contains(QStringLiteral("<!--<a"))) {
            line = UnhighlightLine(line);
            break;
        }
    }
    PreparedMenuText prepared;
    // Cleaning can bring a line break to an end ("\r<!--\n..."), which reading back would drop.
    prepared.cleaned = trimLineBreakPairs(lines.join(crlf));
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
