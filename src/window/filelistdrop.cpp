#include "engine/menublock.h"
#include "engine/runs.h"
#include "filelist/dropcheck.h"
#include "filelist/dropintake.h"
#include "filelist/pathadmission.h"
#include "project/projectstore.h"
#include "window/crlftextedit.h"
#include "window/filelistcommands.h"
#include "window/filelistpage.h"
#include "window/projectpanel.h"
#include "window/runprogressdialog.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QUrl>

namespace quillet {

namespace {

// Local files only: anything else dropped brings no path.
QStringList localPaths(const QList<QUrl>& urls)
{
    QStringList paths;
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            paths.append(QDir::toNativeSeparators(url.toLocalFile()));
    }
    return paths;
}

} // namespace

// Every drop checks the whole list, so files added without a check are examined too.
void FileListCommands::openPages(const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    LstFile_OLEDragDrop(urls);
}

void FileListCommands::LstFile_OLEDragDrop(const QList<QUrl>& urls)
{
    if (m_parts.state.busy)
        return;
    BusyGuard busy(m_parts.state);
    FileListPage* page = m_parts.fileListPage;
    const DropIntake intake =
        takeDroppedPaths(page->paths(), localPaths(urls), m_parts.store.format());
    for (const QString& path : intake.added)
        page->addPath(path);
    m_parts.appendLog(intake.log);
    if (!intake.refused.isEmpty())
        m_parts.dialogs.showMessage(refusedPathsMessage(intake.refused));

    RunProgressDialog progress(m_parts.window, QStringLiteral("確認"));
    ListedPages pages(page->paths(), progress.callback());
    const bool agree = CheckProjectNames(pages);
    m_parts.appendLog(pages.unreadableLog());
    if (!agree) {
        m_parts.dialogs.showMessage(projectNamesDifferMessage());
        return;
    }
    if (!takeFoundProjectName(GetFileProjectName(pages)))
        return;
    if (!m_parts.TxtOrg->text().isEmpty())
        return;
    m_parts.TxtOrg->setText(GetMenuFromFiles(pages));
    if (m_parts.TxtOrg->text().isEmpty() && offersProjectTagAsMenu(pages))
        m_parts.appendLog({onlyProjectTagsLine()});
}

// False when the user keeps the displayed name: the drop then ends.
bool FileListCommands::takeFoundProjectName(const QString& found)
{
    const QString& shown = m_parts.state.currentName;
    if (shown.isEmpty()) {
        setCurrentName(found);
        return true;
    }
    if (found.isEmpty() || found == shown)
        return true;
    if (!m_parts.dialogs.askOkCancel(projectNameMismatchQuestion()))
        return false;
    setCurrentName(found);
    return true;
}

// Only the name and its tag change; no project is loaded.
void FileListCommands::setCurrentName(const QString& name)
{
    m_parts.FrmProject->setName(name);
    m_parts.FrmProject->setTag(projectTag(name));
}

} // namespace quillet
