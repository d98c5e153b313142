#include "project/projectlocation.h"

#include "project/installlayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
    // A build folder is deleted with its build; only a file put there on purpose stays in use.
    const bool beside = !isInstalledProgramFolder(programFolder) &&
                        QFileInfo::exists(QDir(programFolder).filePath(projectFileName)) &&
                        canCreateFilesIn(programFolder);
    const QString folder = beside ? programFolder : userDataFolder;
    return QDir(folder).filePath(projectFileName);
}

QString defaultProjectFilePath()
{
    return projectFilePathIn(QCoreApplication::applicationDirPath(),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString projectFileCaption(const QString& projectFilePath)
{
    return QCoreApplication::translate("ProjectLocation", "プロジェクトファイル: ") +
           QDir::toNativeSeparators(projectFilePath);
}

} // namespace quillet
