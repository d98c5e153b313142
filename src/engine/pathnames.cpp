#include "engine/pathnames.h"

namespace quillet {

QString GetFileName(const QString& path, QChar separator)
{
    const qsizetype last = path.lastIndexOf(separator);
    return last < 0 ? QString() : path.mid(last + 1);
}

QString GetFolderPath(const QString& path, QChar separator)
{
    const qsizetype last = path.lastIndexOf(separator);
    return last < 0 ? QString() : path.left(last + 1);
}

} // namespace quillet
