#pragma once

#include <QString>
#include <QStringList>

// The order of the file list: case-insensitive alphabetical order of the paths. The window,
// the project loading and the command line all use it, so "first" means the same everywhere.
namespace quillet {

// Whether a comes before b (ties of letter case broken by exact comparison).
bool fileListLess(const QString& a, const QString& b);

// The paths in file list order.
QStringList sortFileList(QStringList paths);

} // namespace quillet
