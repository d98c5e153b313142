#pragma once

#include <QString>

// The window's project file, so that the command line works on the same projects.
namespace quillet::cli {

// The folder of the window program: cliFolder when the window lies beside quillet-cli (an
// installation), else the window's folder of the build tree (src/window beside src/cli),
// else cliFolder.
QString windowProgramFolder(const QString& cliFolder);

// The project file the window uses: the store's choice between the window program's folder
// and the per-user data folder. Needs the QCoreApplication named as the window names it.
QString windowProjectFilePath();

} // namespace quillet::cli
