#include "filelist/dropintake.h"

#include "engine/pagerun.h"
#include "engine/pathnames.h"
#include "filelist/candidatesearch.h"
#include "filelist/pathadmission.h"

#include <QFileInfo>
#include <QSet>

namespace quillet {

namespace {

// The dropped paths with every folder replaced by its candidate files.
QStringList expandFolders(const QStringList& dropped, QStringList& log)
{
    QStringList paths;
    for (const QString& path : dropped) {
        if (!QFileInfo(path).isDir()) {
            paths.append(path);
            continue;
        }
        const FolderListing listing = listCandidates(path);
        if (listing.error)
            log.append(unreadableLogLine(GetFileName(path)));
        paths.append(listing.candidates);
    }
    return paths;
}

} // namespace

DropIntake takeDroppedPaths(const QStringList& listed, const QStringList& dropped,
                            const PageFormat& projectFormat)
{
    DropIntake intake;
    const PathAdmission admission = admitPaths(expandFolders(dropped, intake.log), projectFormat);
    intake.refused = admission.refused;
    QSet<QString> known(listed.begin(), listed.end());
    for (const QString& path : admission.admitted) {
        if (known.contains(path))
            continue;
        known.insert(path);
        intake.added.append(path);
    }
    return intake;
}

} // namespace quillet
