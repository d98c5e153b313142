#include "cli/windowprojectfile.h"

#include "project/projectlocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quillet::cli {

namespace {

bool holdsWindowProgram(const QString& folder)
{
    const QDir dir(folder);
    return QFileInfo(dir.filePath(QStringLiteral("quillet"))).isFile() ||
           QFileInfo(dir.filePath(QStringLiteral("quillet.exe"))).isFile();
}

} // namespace

QString windowProgramFolder(const QString& cliFolder)
{
    if (holdsWindowProgram(cliFolder))
        return cliFolder;
    const QString buildTreeFolder =
        QDir::cleanPath(QDir(cliFolder).filePath(QStringLiteral("../window")));
    return holdsWindowProgram(buildTreeFolder) ? buildTreeFolder : cliFolder;
}

QString windowProjectFilePath()
{
    return projectFilePathIn(windowProgramFolder(QCoreApplication::applicationDirPath()),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace quillet::cli
