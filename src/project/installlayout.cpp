#include "project/installlayout.h"

#include <QDir>
#include <QFileInfo>

namespace quillet {

QString installedDataFolder(const QString& programFolder)
{
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral("../share/quillet")));
}

bool isInstalledProgramFolder(const QString& programFolder)
{
    return QDir(programFolder).dirName() == QStringLiteral("bin") &&
           QFileInfo(installedDataFolder(programFolder)).isDir();
}

} // namespace quillet
