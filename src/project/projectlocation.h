#pragma once

#include <QString>

namespace quillet {

inline const QString projectFileName = QStringLiteral("mprj.xml");

// "mprj.xml" beside the program when one already stands there (portable use), its folder can
// be written and is not an installation's bin folder, else in the per-user data folder.
QString projectFilePathIn(const QString& programFolder, const QString& userDataFolder);

// The project file the window and the command line use: projectFilePathIn the program's
// folder and QStandardPaths::AppDataLocation. Needs a QCoreApplication with its names set.
QString defaultProjectFilePath();

// The line that tells the user which project file is in use.
QString projectFileCaption(const QString& projectFilePath);

} // namespace quillet
