#include "window/filelistdrop.h"

#include "engine/menublock.h"
#include "engine/runs.h"
#include "filelist/dropcheck.h"
#include "filelist/dropintake.h"
#include "filelist/pathadmission.h"
#include "project/projectstore.h"
#include "window/filelistpage.h"
#include "window/menutextpage.h"
#include "window/projectpanel.h"
#include "window/runprogressdialog.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

#include <QDir>
#include <QFileInfo>

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

FileListDrop::FileListDrop(WindowParts& parts, QObject* parent) : QObject(parent), m_parts(parts)
{
    connect(m_parts.fileList, &FileListPage::filesDropped, this,
            &FileListDrop::LstFile_OLEDragDrop);
}

// Every drop checks the whole list, so files added without a check are examined too.
void FileListDrop::openPages(const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls.append(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    LstFile_OLEDragDrop(urls);
}

void FileListDrop::LstFile_OLEDragDrop(const QList<QUrl>& urls)
{
    if (m_parts.state.busy)
        return;
    BusyGuard busy(m_parts.state);
    FileListPage* list = m_parts.fileList;
    const DropIntake intake =
        takeDroppedPaths(list->paths(), localPaths(urls), m_parts.store.format());
    list->addPaths(intake.added);
    m_parts.appendLog(intake.log);
    if (!intake.refused.isEmpty())
        m_parts.dialogs.showMessage(refusedPathsMessage(intake.refused));

    RunProgressDialog progress(m_parts.window, tr("確認"));
    ListedPages pages(list->paths(), progress.callback());
    const bool agree = CheckProjectNames(pages);
    m_parts.appendLog(pages.unreadableLog());
    if (!agree) {
        m_parts.dialogs.showMessage(projectNamesDifferMessage());
        return;
    }
    if (!takeFoundProjectName(GetFileProjectName(pages)))
        return;
    MenuTextPage* menuText = m_parts.menuText;
    if (!menuText->text().isEmpty())
        return;
    menuText->setText(GetMenuFromFiles(pages));
    if (menuText->text().isEmpty() && offersProjectTagAsMenu(pages))
        m_parts.appendLog({onlyProjectTagsLine()});
}

// False when the user keeps the displayed name: the drop then ends.
bool FileListDrop::takeFoundProjectName(const QString& found)
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
void FileListDrop::setCurrentName(const QString& name)
{
    m_parts.projectPanel->setName(name);
    m_parts.projectPanel->setTag(projectTag(name));
}

} // namespace quillet
