#include "filelist/projectname.h"

#include "engine/textops.h"

namespace quillet {

// Lowering only the tag gives what lowering the whole page would (the mapping goes character
// by character), without copying every page the check reads.
std::optional<QString> readProjectName(const QString& pageText)
{
    const qsizetype start = pageText.indexOf(QLatin1String("<!--project"), 0, Qt::CaseInsensitive);
    if (start < 0)
        return std::nullopt;
    const qsizetype end = pageText.indexOf(u'>', start);
    if (end < 0)
        return std::nullopt;
    QString tag = pageText.mid(start, end - start + 1).toLower();
    tag = replaceAll(tag, QStringLiteral("<!--"), {});
    return replaceAll(tag, QStringLiteral("-->"), {});
}

} // namespace quillet
