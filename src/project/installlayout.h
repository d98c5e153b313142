#pragma once

#include <QString>

namespace quillet {

// An installation puts the program in a bin folder and its own files in
// share/quillet beside it; a build tree has neither.
QString installedDataFolder(const QString& programFolder);

// True when programFolder is the bin folder of an installation. Such a folder is shared by
// every program of the system, so nothing of the user's belongs there even when it can be
// written (as by root).
bool isInstalledProgramFolder(const QString& programFolder);

} // namespace quillet
