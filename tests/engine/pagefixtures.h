#pragma once

#include "common/testfiles.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

// Page files built in code for the engine tests.
namespace quillet::fixtures {

// The names in a folder, to see that a write left no temporary file behind.
inline QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

// Changes when a write replaced the file, even with the same bytes.
inline quint64 inodeOf(const QString& path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace quillet::fixtures
