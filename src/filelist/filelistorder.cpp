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

} // namespace quillet
