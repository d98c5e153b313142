#include "filelist/pathadmission.h"

#include <QCoreApplication>

namespace quillet {

bool projectFileCanHold(const QString& path, const PageFormat& format)
{
    // The project file keeps one path a line and skips blank lines; a "<" or ">" could
    // close the element or open another project.
    if (path.trimmed().isEmpty() || path.contains(u'\r') || path.contains(u'\n') ||
        path.contains(u'<') || path.contains(u'>'))
        return false;
    return encodePage(path, format).ok;
}

PathAdmission admitPaths(const QStringList& paths, const PageFormat& format)
{
    PathAdmission admission;
    for (const QString& path : paths)
        (projectFileCanHold(path, format) ? admission.admitted : admission.refused).append(path);
    return admission;
}

UserMessage refusedPathsMessage(const QStringList& refused)
{
    return {QCoreApplication::translate("PathAdmission", "追加できないファイル"),
            QCoreApplication::translate(
                "PathAdmission", "次のファイルはプロジェクトファイルに書けない文字を含むため、"
                                 "リストに追加しませんでした。\r\n") +
                refused.join(QStringLiteral("\r\n"))};
}

} // namespace quillet
