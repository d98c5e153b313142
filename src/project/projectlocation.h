#pragma once

#include <QString>

namespace quillet {

inline const QString projectFileName = QStringLiteral("mprj.xml");

// "mprj.xml" in the first folder that can be written: the program's folder, else the
// per-user data folder (an installed program's folder is usually read-only).
QString projectFilePathIn(const QString& programFolder, const QString& userDataFolder);

// The project file the window and the command line use: projectFilePathIn the program's
// folder and QStandardPaths::AppDataLocation. Needs a QCoreApplication with its names set.
QString defaultProjectFilePath();

} // namespace quillet
