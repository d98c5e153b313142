#include "window/projectcommands.h"

#include "engine/runs.h"
#include "project/projectmessages.h"
#include "window/filelistpage.h"
#include "window/mainmenu.h"
#include "window/menutextpage.h"
#include "window/pagepreview.h"
#include "window/projectpanel.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>
#include <utility>

namespace quillet {

namespace {

constexpr int startupDelayMs = 300;
// Gathers the bursts of changes a replaced file and its lock file make, and waits out a
// command without spinning.
constexpr int refreshDelayMs = 100;

} // namespace

ProjectCommands::ProjectCommands(WindowParts& parts, const MainMenu& menu, QObject* parent)
    : QObject(parent), m_parts(parts)
{
    connectControls(menu);
    setupTimer();
    setupWatcher();
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

void ProjectCommands::setupWatcher()
{
    m_watcher = new QFileSystemWatcher(this);
    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(refreshDelayMs);
    connect(m_refreshTimer, &QTimer::timeout, this, &ProjectCommands::refreshProjectList);
    // A replaced file is a new file: its folder tells when it comes back.
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this,
            &ProjectCommands::projectFileChanged);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this,
            &ProjectCommands::projectFileChanged);
    watchProjectFile();
}

void ProjectCommands::watchProjectFile()
{
    const QString file = m_parts.store.filePath();
    const QString folder = QFileInfo(file).absolutePath();
    for (const QString& path : {file, folder}) {
        if (QFileInfo::exists(path) && !m_watcher->files().contains(path) &&
            !m_watcher->directories().contains(path))
            m_watcher->addPath(path);
    }
}

void ProjectCommands::projectFileChanged()
{
    watchProjectFile();
    m_refreshTimer->start();
}

// Never in the middle of a command: a question on screen or a run waits for its end.
void ProjectCommands::refreshProjectList()
{
    if (m_parts.state.busy || QApplication::activeModalWidget() != nullptr) {
        m_refreshTimer->start();
        return;
    }
    // A file that cannot be read now is told of by the next command that needs it.
    const ProjectList list = m_parts.store.LoadProjectList();
    // The name being typed and the loaded project stay as they are.
    if (!list.readFailed && list.names != m_parts.projectPanel->names())
        m_parts.projectPanel->replaceNamesQuietly(list.names);
}

void ProjectCommands::connectControls(const MainMenu& menu)
{
    const ProjectPanel* panel = m_parts.projectPanel;
    connect(panel, &ProjectPanel::nameEdited, this, &ProjectCommands::CmbName_Change);
    connect(panel, &ProjectPanel::namePicked, this, &ProjectCommands::CmbName_Click);
    connect(panel, &ProjectPanel::clearClicked, this, &ProjectCommands::CmdClear_Click);
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
    m_parts.fileList->clear();
    Timer1->stop();
    const ProjectList list = m_parts.store.LoadProjectList();
    m_parts.showMessages(list.messages);
    showProjectList(list);
    LoadFileList(m_parts.state.currentName);
    LoadMenuText(m_parts.state.currentName);
    markStored();
    m_parts.fileList->setFocus();
    emit reloaded();
}

void ProjectCommands::showProjectList(const ProjectList& list)
{
    ProjectPanel* panel = m_parts.projectPanel;
    if (!list.names.isEmpty())
        panel->setNames(list.names);
    if (list.currentName)
        panel->setName(*list.currentName);
}

void ProjectCommands::LoadFileList(const QString& name)
{
    const FileListLoad load = m_parts.store.LoadFileList(name);
    m_parts.fileList->setPaths(load.files);
    m_parts.state.linksFromSiteFolder = m_parts.store.LinksFromSiteFolder(name);
    if (load.searchFolder)
        m_parts.state.SearchFolder = *load.searchFolder;
}

// A project without a stored menu text leaves the box as it is.
void ProjectCommands::LoadMenuText(const QString& name)
{
    if (const std::optional<QString> menuText = m_parts.store.LoadMenuText(name))
        m_parts.menuText->setText(*menuText);
}

void ProjectCommands::setProjectTag()
{
    m_parts.projectPanel->setTag(projectTag());
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
        // The picked name is no change of its own; the shown project is saved under its name.
        if (!mayDropChangesUnder(m_parts.state.storedName, false)) {
            m_parts.projectPanel->setName(m_parts.state.storedName);
            return;
        }
        m_parts.fileList->clear();
        m_parts.menuText->clear();
        m_parts.preview->clear();
        LoadFileList(name);
        LoadMenuText(name);
        markStored();
        setProjectTag();
    }
    m_parts.state.LoadedProjectName = name;
}

void ProjectCommands::CmdClear_Click()
{
    if (!mayDropChanges())
        return;
    m_parts.projectPanel->setName(QString());
    m_parts.menuText->clear();
    m_parts.projectPanel->setTag(QString());
    m_parts.preview->clearSource();
    m_parts.fileList->clear();
    markStored();
}

bool ProjectCommands::mayDropChanges()
{
    return mayDropChangesUnder(m_parts.state.currentName, true);
}

bool ProjectCommands::mayDropChangesUnder(const QString& name, bool nameCounts)
{
    if (!hasUnsavedChanges(nameCounts))
        return true;
    switch (m_parts.dialogs.askSaveChanges(saveChangesQuestion())) {
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        return false;
    case SaveAnswer::Save:
        break;
    }
    return saveUnder(name);
}

bool ProjectCommands::hasUnsavedChanges(bool nameCounts) const
{
    const WindowState& state = m_parts.state;
    const QStringList files = m_parts.fileList->paths();
    const QString menuText = m_parts.menuText->text();
    if (files != state.storedFiles || menuText != state.storedMenuText)
        return true;
    // A new name with nothing to store under it loses nothing.
    return nameCounts && state.currentName != state.storedName &&
           !(files.isEmpty() && menuText.isEmpty());
}

// The journal and the store take the project's name from the window's state.
bool ProjectCommands::saveUnder(QString name)
{
    if (const std::optional<UserMessage> refusal = checkSaveName(name)) {
        m_parts.dialogs.showMessage(*refusal);
        return false;
    }
    const QString shown = std::exchange(m_parts.state.currentName, name);
    JournalledPages pages = m_parts.journalledPages(QStringLiteral("save"));
    // The Yes just given answers the overwrite question too.
    m_parts.state.IsConverting = true;
    const bool saved = saveProject(pages).result == SaveOutcome::Result::Saved;
    m_parts.state.IsConverting = false;
    m_parts.showJournalFailure(pages);
    m_parts.state.currentName = shown;
    return saved;
}

void ProjectCommands::markStored()
{
    WindowState& state = m_parts.state;
    state.storedName = state.currentName;
    state.storedFiles = m_parts.fileList->paths();
    state.storedMenuText = m_parts.menuText->text();
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

SaveOutcome ProjectCommands::saveProject(PageWriter& pages, bool linksCorrectedByRun)
{
    SaveRequest request;
    request.name = m_parts.state.currentName;
    request.files = m_parts.fileList->paths();
    request.menuText = m_parts.menuText->text();
    request.isConverting = m_parts.state.IsConverting;
    request.linkColour = m_parts.state.LinkColor;
    request.linksFromSiteFolder = m_parts.state.linksFromSiteFolder;
    request.linksCorrectedByRun = linksCorrectedByRun;
    SaveOutcome outcome = m_parts.store.SaveProject(request, pages);
    if (outcome.result == SaveOutcome::Result::NeedsAnswer) {
        const bool yes = m_parts.dialogs.askYesNoCancel(*outcome.question);
        request.overwrite = yes ? OverwriteAnswer::Yes : OverwriteAnswer::No;
        outcome = m_parts.store.SaveProject(request, pages);
    }
    m_parts.showMessages(outcome.messages);
    // The first save may have made the file and its folder.
    watchProjectFile();
    if (outcome.menuText)
        m_parts.menuText->setText(*outcome.menuText);
    if (outcome.result == SaveOutcome::Result::Saved)
        markStored();
    m_parts.appendLog(outcome.log);
    return outcome;
}

void ProjectCommands::mperase_Click()
{
    const QString name = m_parts.state.currentName;
    if (!m_parts.dialogs.askYesNoCancel(deleteQuestion(name)))
        return;
    const DeleteOutcome outcome = m_parts.store.DeleteProject(name);
    m_parts.showMessages(outcome.messages);
    if (outcome.result == DeleteOutcome::Result::Deleted)
        Timer1->start();
}

} // namespace quillet
