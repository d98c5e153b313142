#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The order of the file list: case-insensitive alphabetical order of the paths. The window,
// the project loading and the command line all use it, so "first" means the same everywhere.
namespace quillet {

// Whether a comes before b (ties of letter case broken by exact comparison).
bool fileListLess(const QString& a, const QString& b);

// The paths in file list order.
QStringList sortFileList(QStringList paths);

// The index where path is inserted into a list in file list order (after equal entries).
qsizetype sortedInsertPosition(const QStringList& sortedPaths, const QString& path);

// The same over count entries read through entryAt, for lists that are not a QStringList.
qsizetype sortedInsertPosition(qsizetype count, const std::function<QString(qsizetype)>& entryAt,
                               const QString& path);

} // namespace quillet
