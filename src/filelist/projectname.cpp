#include "filelist/projectname.h"

#include "engine/textops.h"

namespace quillet {

std::optional<QString> readProjectName(const QString& pageText)
{
    const QString lower = pageText.toLower();
    const qsizetype start = find(lower, QStringLiteral("<!--project"), 1);
    if (start == 0)
        return std::nullopt;
    const qsizetype end = find(lower, QStringLiteral(">"), start);
    if (end == 0)
        return std::nullopt;
    QString tag = lower.mid(start - 1, end - start + 1);
    tag = replaceAll(tag, QStringLiteral("<!--"), {});
    return replaceAll(tag, QStringLiteral("-->"), {});
}

} // namespace quillet
