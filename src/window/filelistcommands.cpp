#include "window/filelistcommands.h"

#include "filelist/pathadmission.h"
#include "project/projectstore.h"
#include "window/filelistpage.h"
#include "window/filelistwidget.h"
#include "window/mainmenu.h"
#include "window/previewtoolbar.h"
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
    FileListWidget* list = m_parts.fileListPage->LstFile;
    connect(menu.mSelectHtmlFile, &QAction::triggered, this,
            &FileListCommands::mSelectHtmlFile_Click);
    connect(m_parts.FrmProject, &ProjectPanel::removeLinesClicked, this,
            &FileListCommands::CmdLineDel_Click);
    connect(menu.Md, &QAction::triggered, this, &FileListCommands::Md_Click);
    connect(menu.mclr, &QAction::triggered, this, &FileListCommands::mclr_Click);
    connect(list, &QListWidget::itemClicked, this, &FileListCommands::LstFile_Click);
    connect(list, &QListWidget::itemDoubleClicked, this, &FileListCommands::LstFile_DblClick);
    connect(list, &FileListWidget::rightButtonPressed, this, &FileListCommands::LstFile_MouseDown);
    connect(list, &FileListWidget::filesDropped, this, &FileListCommands::LstFile_OLEDragDrop);
    connect(menu.mhp, &QAction::triggered, this, &FileListCommands::mhp_Click);
    connect(menu.mhr, &QAction::triggered, this, &FileListCommands::mhr_Click);
}

// No check is made here: the next drop checks every listed file.
void FileListCommands::mSelectHtmlFile_Click()
{
    addAdmittedPaths(m_parts.dialogs.askHtmlFiles(m_parts.state.SearchFolder));
}

void FileListCommands::addAdmittedPaths(const QStringList& paths)
{
    const PathAdmission admission = admitPaths(paths, m_parts.store.format());
    m_parts.fileListPage->addPaths(admission.admitted);
    if (!admission.refused.isEmpty())
        m_parts.dialogs.showMessage(refusedPathsMessage(admission.refused));
}

void FileListCommands::CmdLineDel_Click()
{
    m_parts.fileListPage->removeSelected();
}

void FileListCommands::Md_Click()
{
    m_parts.fileListPage->removeSelected();
}

void FileListCommands::mclr_Click()
{
    m_parts.fileListPage->clear();
}

void FileListCommands::LstFile_Click()
{
    if (const QListWidgetItem* current = m_parts.LstFile->currentItem())
        m_parts.FrmHtml->choosePath(current->text());
}

void FileListCommands::LstFile_DblClick()
{
    const QListWidgetItem* current = m_parts.LstFile->currentItem();
    if (!current)
        return;
    const QString path = current->text();
    m_parts.selectTab(WindowPage::Web);
    m_parts.FrmHtml->choosePath(path);
}

void FileListCommands::LstFile_MouseDown(const QPoint& globalPos)
{
    m_popup->popup(globalPos);
}

} // namespace quillet
