#include "project/projectlocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace quillet {

namespace {

// Trying is the only reliable test: permission bits say nothing about read-only mounts.
bool canCreateFilesIn(const QString& folder)
{
    if (folder.isEmpty() || !QDir(folder).exists())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("quillet-probe-XXXXXX")));
    return probe.open();
}

} // namespace

QString projectFilePathIn(const QString& programFolder, const QString& userDataFolder)
{
    const QString folder = canCreateFilesIn(programFolder) ? programFolder : userDataFolder;
    return QDir(folder).filePath(projectFileName);
}

QString defaultProjectFilePath()
{
    return projectFilePathIn(QCoreApplication::applicationDirPath(),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace quillet
