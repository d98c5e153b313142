#include "filelist/filelistorder.h"

#include <algorithm>

namespace quillet {

bool fileListLess(const QString& a, const QString& b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

QStringList sortFileList(QStringList paths)
{
    std::stable_sort(paths.begin(), paths.end(), fileListLess);
    return paths;
}

qsizetype sortedInsertPosition(const QStringList& sortedPaths, const QString& path)
{
    return sortedInsertPosition(
        sortedPaths.size(), [&](qsizetype i) { return sortedPaths[i]; }, path);
}

qsizetype sortedInsertPosition(qsizetype count, const std::function<QString(qsizetype)>& entryAt,
                               const QString& path)
{
    qsizetype low = 0;
    qsizetype high = count;
    while (low < high) {
        const qsizetype middle = low + (high - low) / 2;
        if (fileListLess(path, entryAt(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

} // namespace quillet
