#include "window/filelistcommands.h"

#include "filelist/pathadmission.h"
#include "project/projectstore.h"
#include "window/filelistpage.h"
#include "window/mainmenu.h"
#include "window/pagepreview.h"
#include "window/projectpanel.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

#include <QAction>
#include <QMenu>

namespace quillet {

FileListCommands::FileListCommands(WindowParts& parts, const MainMenu& menu, QObject* parent)
    : QObject(parent), m_parts(parts), m_popup(menu.mHtml1)
{
    connectControls(menu);
}

void FileListCommands::connectControls(const MainMenu& menu)
{
    const FileListPage* list = m_parts.fileList;
    connect(menu.mSelectHtmlFile, &QAction::triggered, this,
            &FileListCommands::mSelectHtmlFile_Click);
    connect(m_parts.projectPanel, &ProjectPanel::removeLinesClicked, this,
            &FileListCommands::CmdLineDel_Click);
    connect(menu.Md, &QAction::triggered, this, &FileListCommands::Md_Click);
    connect(menu.mclr, &QAction::triggered, this, &FileListCommands::mclr_Click);
    connect(list, &FileListPage::entryClicked, this, &FileListCommands::LstFile_Click);
    connect(list, &FileListPage::entryDoubleClicked, this, &FileListCommands::LstFile_DblClick);
    connect(list, &FileListPage::popupRequested, this, &FileListCommands::LstFile_MouseDown);
}

// No check is made here: the next drop checks every listed file.
void FileListCommands::mSelectHtmlFile_Click()
{
    addAdmittedPaths(m_parts.dialogs.askHtmlFiles(m_parts.state.SearchFolder));
}

void FileListCommands::addAdmittedPaths(const QStringList& paths)
{
    const PathAdmission admission = admitPaths(paths, m_parts.store.format());
    m_parts.fileList->addPaths(admission.admitted);
    if (!admission.refused.isEmpty())
        m_parts.dialogs.showMessage(refusedPathsMessage(admission.refused));
}

void FileListCommands::CmdLineDel_Click()
{
    m_parts.fileList->removeSelected();
}

void FileListCommands::Md_Click()
{
    m_parts.fileList->removeSelected();
}

void FileListCommands::mclr_Click()
{
    m_parts.fileList->clear();
}

void FileListCommands::LstFile_Click(const QString& path)
{
    m_parts.preview->choosePath(path);
}

void FileListCommands::LstFile_DblClick(const QString& path)
{
    m_parts.selectTab(WindowPage::Web);
    m_parts.preview->choosePath(path);
}

void FileListCommands::LstFile_MouseDown(const QPoint& globalPos)
{
    m_popup->popup(globalPos);
}

} // namespace quillet
