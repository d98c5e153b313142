#pragma once

#include "engine/highlight.h"

#include <QString>
#include <algorithm>

// What a restore run should make of a menu line: the line with its first plain link to a
// file called name highlighted, or the line as it is. Shared by the tests and the fuzz
// targets as the expected side of a comparison.
namespace quillet::fixtures {

// The bare file name a target leads to: "a.html" of "../a.html?x#y".
inline QStringView linkedFileName(QStringView target)
{
    const qsizetype query = target.indexOf(u'?');
    const qsizetype fragment = target.indexOf(u'#');
    const QStringView path = target.left(std::min<qsizetype>(
        query < 0 ? target.size() : query, fragment < 0 ? target.size() : fragment));
    return path.mid(path.lastIndexOf(u'/') + 1);
}

inline QString HighlightLinkLine(const QString& line, const QString& name, const QString& colour)
{
    for (qsizetype at = line.indexOf(QStringLiteral("<a"), 0, Qt::CaseInsensitive); at >= 0;
         at = line.indexOf(QStringLiteral("<a"), at + 1, Qt::CaseInsensitive)) {
        if (!isLinkTagStart(line, at) || line.left(at).endsWith(highlightTagPrefix))
            continue;
        const std::optional<QString> target = linkTargetAt(line, at);
        if (target && linkedFileName(*target) == name)
            return highlightLinkAt(line, at + 1, colour).value_or(line);
    }
    return line;
}

} // namespace quillet::fixtures
