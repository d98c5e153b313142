#include "window/fommain.h"

#include "project/projectmessages.h"
#include "window/crlftextedit.h"
#include "window/filelistpage.h"
#include "window/previewtoolbar.h"
#include "window/projectpanel.h"
#include "window/welcomepicture.h"
#include "window/windowdialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

namespace quillet {

QString FomMain::currentName() const
{
    return FrmProject->CmbName->currentText();
}

// The reload: at start-up and after a deletion. It leaves LoadedProjectName alone, so
// picking the shown name afterwards loads the stored project again.
void FomMain::Timer1_Timer()
{
    if (m_running) {
        Timer1->start();
        return;
    }
    m_fileListPage->clear();
    Timer1->stop();
    showProjectList(m_store.LoadProjectList(m_dialogs));
    LoadFileList(currentName());
    LoadMenuText(currentName());
    LstFile->setFocus();
    m_fileListPage->updateWelcomePicture();
}

void FomMain::showProjectList(const ProjectList& list)
{
    QComboBox* names = FrmProject->CmbName;
    if (!list.names.isEmpty()) {
        names->clear();
        names->addItems(list.names);
        names->setEditText(list.names.first());
    }
    if (list.currentName)
        names->setEditText(*list.currentName);
}

void FomMain::LoadFileList(const QString& name)
{
    const FileListLoad load = m_store.LoadFileList(name);
    m_fileListPage->setPaths(load.files);
    if (load.searchFolder)
        SearchFolder = *load.searchFolder;
}

// A project without a stored menu text leaves the box as it is.
void FomMain::LoadMenuText(const QString& name)
{
    if (const std::optional<QString> menuText = m_store.LoadMenuText(name))
        TxtOrg->setText(*menuText);
}

void FomMain::setProjectTag()
{
    FrmProject->TxtTag->setText(QStringLiteral("<!--") + currentName() + QStringLiteral("-->"));
}

// Typing a name only retitles the tag; the project loads when it is picked.
void FomMain::CmbName_Change()
{
    setProjectTag();
}

void FomMain::CmbName_Click()
{
    SelectProject();
    m_fileListPage->Picture1->hide();
    setProjectTag();
}

void FomMain::SelectProject()
{
    const QString name = currentName();
    if (name != LoadedProjectName) {
        m_fileListPage->clear();
        RTB1->clear();
        TxtOrg->clear();
        FrmHtml->Combo1->clear();
        FrmHtml->Combo1->clearEditText();
        LoadFileList(name);
        LoadMenuText(name);
        setProjectTag();
    }
    LoadedProjectName = name;
}

void FomMain::CmdClear_Click()
{
    FrmProject->CmbName->setEditText(QString());
    TxtOrg->clear();
    FrmProject->TxtTag->clear();
    RTB1->clear();
    m_fileListPage->clear();
}

void FomMain::mpsave_Click()
{
    if (const std::optional<UserMessage> refusal = checkSaveName(currentName())) {
        m_dialogs.showMessage(*refusal);
        return;
    }
    JournalledPages pages = journalledPages(QStringLiteral("save"));
    saveProject(pages);
}

// Saves the project shown in the window; false when the project text could not be stored.
bool FomMain::saveProject(PageWriter& pages)
{
    SaveRequest request;
    request.name = currentName();
    request.files = m_fileListPage->paths();
    request.menuText = TxtOrg->text();
    request.isConverting = IsConverting;
    request.linkColour = LinkColor;
    const SaveOutcome outcome = m_store.SaveProject(request, m_dialogs, pages);
    if (outcome.menuText)
        TxtOrg->setText(*outcome.menuText);
    appendLog(outcome.log);
    return outcome.result != SaveOutcome::Result::WriteFailed &&
           outcome.result != SaveOutcome::Result::Refused;
}

JournalledPages FomMain::journalledPages(const QString& command) const
{
    return JournalledPages(defaultJournalFolder(), {command, m_store.filePath(), currentName()});
}

void FomMain::appendLog(const QStringList& lines)
{
    LstLog->addItems(lines);
}

void FomMain::mperase_Click()
{
    const QString name = currentName();
    if (!m_dialogs.askYesNoCancel(deleteQuestion(name)))
        return;
    if (m_store.DeleteProject(name, m_dialogs).result == DeleteOutcome::Result::Deleted)
        Timer1->start();
}

} // namespace quillet
