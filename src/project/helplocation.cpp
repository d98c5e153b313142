#include "project/helplocation.h"

#include "project/installlayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quillet {

QString helpPagePathIn(const QString& programFolder)
{
    const QString page = QStringLiteral("help/menu.html");
    for (const QString& folder : {programFolder, installedDataFolder(programFolder)}) {
        const QString path = QDir(folder).filePath(page);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QString helpPagePath()
{
    return helpPagePathIn(QCoreApplication::applicationDirPath());
}

} // namespace quillet
