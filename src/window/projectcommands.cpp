#include "window/projectcommands.h"

#include "engine/runs.h"
#include "project/projectmessages.h"
#include "window/crlftextedit.h"
#include "window/filelistpage.h"
#include "window/mainmenu.h"
#include "window/previewtoolbar.h"
#include "window/projectpanel.h"
#include "window/sourcetextview.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace quillet {

namespace {

constexpr int startupDelayMs = 300;

} // namespace

ProjectCommands::ProjectCommands(WindowParts& parts, const MainMenu& menu, QObject* parent)
    : QObject(parent), m_parts(parts)
{
    connectControls(menu);
    setupTimer();
}

void ProjectCommands::setupTimer()
{
    // Parented to the window so it is found under the window's name for it.
    Timer1 = new QTimer(parent());
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(startupDelayMs);
    connect(Timer1, &QTimer::timeout, this, &ProjectCommands::Timer1_Timer);
    Timer1->start();
}

void ProjectCommands::connectControls(const MainMenu& menu)
{
    ProjectPanel* panel = m_parts.FrmProject;
    connect(panel->CmbName, &QComboBox::editTextChanged, this, &ProjectCommands::CmbName_Change);
    connect(panel->CmbName, &QComboBox::activated, this, &ProjectCommands::CmbName_Click);
    connect(panel->CmdClear, &QPushButton::clicked, this, &ProjectCommands::CmdClear_Click);
    connect(menu.mpsave, &QAction::triggered, this, &ProjectCommands::mpsave_Click);
    connect(menu.mperase, &QAction::triggered, this, &ProjectCommands::mperase_Click);
}

QString ProjectCommands::projectTag() const
{
    return quillet::projectTag(m_parts.state.currentName);
}

// The reload: at start-up and after a deletion. It leaves LoadedProjectName alone, so
// picking the shown name afterwards loads the stored project again.
void ProjectCommands::Timer1_Timer()
{
    if (m_parts.state.busy) {
        Timer1->start();
        return;
    }
    m_parts.fileListPage->clear();
    Timer1->stop();
    showProjectList(m_parts.store.LoadProjectList(m_parts.dialogs));
    LoadFileList(m_parts.state.currentName);
    LoadMenuText(m_parts.state.currentName);
    m_parts.LstFile->setFocus();
    emit reloaded();
}

void ProjectCommands::showProjectList(const ProjectList& list)
{
    QComboBox* names = m_parts.FrmProject->CmbName;
    if (!list.names.isEmpty()) {
        names->clear();
        names->addItems(list.names);
        names->setEditText(list.names.first());
    }
    if (list.currentName)
        names->setEditText(*list.currentName);
}

void ProjectCommands::LoadFileList(const QString& name)
{
    const FileListLoad load = m_parts.store.LoadFileList(name);
    m_parts.fileListPage->setPaths(load.files);
    if (load.searchFolder)
        m_parts.state.SearchFolder = *load.searchFolder;
}

// A project without a stored menu text leaves the box as it is.
void ProjectCommands::LoadMenuText(const QString& name)
{
    if (const std::optional<QString> menuText = m_parts.store.LoadMenuText(name))
        m_parts.TxtOrg->setText(*menuText);
}

void ProjectCommands::setProjectTag()
{
    m_parts.FrmProject->TxtTag->setText(projectTag());
}

// Typing a name only retitles the tag; the project loads when it is picked.
void ProjectCommands::CmbName_Change(const QString& text)
{
    m_parts.state.currentName = text;
    setProjectTag();
}

void ProjectCommands::CmbName_Click()
{
    SelectProject();
    setProjectTag();
}

void ProjectCommands::SelectProject()
{
    const QString name = m_parts.state.currentName;
    if (name != m_parts.state.LoadedProjectName) {
        m_parts.fileListPage->clear();
        m_parts.RTB1->clear();
        m_parts.TxtOrg->clear();
        m_parts.FrmHtml->Combo1->clear();
        m_parts.FrmHtml->Combo1->clearEditText();
        LoadFileList(name);
        LoadMenuText(name);
        setProjectTag();
    }
    m_parts.state.LoadedProjectName = name;
}

void ProjectCommands::CmdClear_Click()
{
    m_parts.FrmProject->CmbName->setEditText(QString());
    m_parts.TxtOrg->clear();
    m_parts.FrmProject->TxtTag->clear();
    m_parts.RTB1->clear();
    m_parts.fileListPage->clear();
}

void ProjectCommands::mpsave_Click()
{
    if (const std::optional<UserMessage> refusal = checkSaveName(m_parts.state.currentName)) {
        m_parts.dialogs.showMessage(*refusal);
        return;
    }
    JournalledPages pages = m_parts.journalledPages(QStringLiteral("save"));
    saveProject(pages);
    m_parts.showJournalFailure(pages);
}

SaveOutcome ProjectCommands::saveProject(PageWriter& pages)
{
    SaveRequest request;
    request.name = m_parts.state.currentName;
    request.files = m_parts.fileListPage->paths();
    request.menuText = m_parts.TxtOrg->text();
    request.isConverting = m_parts.state.IsConverting;
    request.linkColour = m_parts.state.LinkColor;
    const SaveOutcome outcome = m_parts.store.SaveProject(request, m_parts.dialogs, pages);
    if (outcome.menuText)
        m_parts.TxtOrg->setText(*outcome.menuText);
    m_parts.appendLog(outcome.log);
    return outcome;
}

void ProjectCommands::mperase_Click()
{
    const QString name = m_parts.state.currentName;
    if (!m_parts.dialogs.askYesNoCancel(deleteQuestion(name)))
        return;
    if (m_parts.store.DeleteProject(name, m_parts.dialogs).result == DeleteOutcome::Result::Deleted)
        Timer1->start();
}

} // namespace quillet
