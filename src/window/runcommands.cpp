#include "window/runcommands.h"

#include "engine/menualign.h"
#include "engine/pagechanges.h"
#include "filelist/linkcolour.h"
#include "filelist/tempcomments.h"
#include "window/filelistpage.h"
#include "window/mainmenu.h"
#include "window/menutextpage.h"
#include "window/pagepreview.h"
#include "window/projectcommands.h"
#include "window/projectpanel.h"
#include "window/runprogressdialog.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>

namespace quillet {

RunCommands::RunCommands(WindowParts& parts, ProjectCommands& project, const MainMenu& menu,
                         QObject* parent)
    : QObject(parent), m_parts(parts), m_project(project)
{
    connectControls(menu);
}

void RunCommands::connectControls(const MainMenu& menu)
{
    const ProjectPanel* panel = m_parts.projectPanel;
    connect(panel, &ProjectPanel::convertClicked, this, &RunCommands::CodEncode_Click);
    connect(panel, &ProjectPanel::restoreClicked, this, &RunCommands::CmdDecode_Click);
    connect(menu.malign, &QAction::triggered, this, &RunCommands::malign_Click);
    connect(menu.mpcomment, &QAction::triggered, this, &RunCommands::mpcomment_Click);
    connect(menu.mcolor, &QAction::triggered, this, &RunCommands::mcolor_Click);
    // The mark belongs to the project loaded last: the item shows it whenever the menu opens.
    QAction* linkBase = menu.mlinkbase;
    connect(menu.mo, &QMenu::aboutToShow, this,
            [this, linkBase] { linkBase->setChecked(m_parts.state.linksFromSiteFolder); });
    connect(linkBase, &QAction::toggled, this,
            [this](bool checked) { m_parts.state.linksFromSiteFolder = checked; });
}

RunSettings RunCommands::runSettings() const
{
    RunSettings settings{m_parts.menuText->text(), m_parts.projectPanel->tag(),
                         m_parts.state.LinkColor};
    settings.linksFromSiteFolder = m_parts.state.linksFromSiteFolder;
    return settings;
}

bool RunCommands::refuseRun(const RunSettings& settings)
{
    const std::optional<UserMessage> refusal = checkRunSettings(settings);
    if (refusal)
        m_parts.dialogs.showMessage(*refusal);
    return refusal.has_value();
}

// The save's link corrections and the conversion are taken back as one command.
void RunCommands::CodEncode_Click()
{
    runAfterSave(QStringLiteral("convert"), tr("変換"), tr("%1 ページ中 %2 ページを変換しました"),
                 runConversion);
}

// The project keeps the menu the pages get, so a later conversion finds it in them.
void RunCommands::CmdDecode_Click()
{
    if (refuseRun(runSettings()))
        return;
    m_parts.fileList->deselectAll();
    runAfterSave(QStringLiteral("restore"), tr("戻す"), tr("%1 ページ中 %2 ページを戻しました"),
                 runRestore);
}

void RunCommands::runAfterSave(const QString& command, const QString& title, const QString& summary,
                               PageRun run)
{
    if (refuseRun(runSettings()))
        return;
    JournalledPages pages = m_parts.journalledPages(command);
    const SaveOutcome saved = saveWithoutQuestion(pages);
    if (saved.stopsTheRun())
        return;

    RunSettings settings = runSettings(); // the save may have cleaned the menu text
    settings.savedLinks = saved.selfLinks;
    const QStringList paths = m_parts.fileList->paths();
    BusyGuard busy(m_parts.state);
    RunProgressDialog progress(m_parts.window, title);
    countChanges(pages);
    RunResult result = run(paths, settings, pages, progress.callback(), progress.stopCheck());
    // What the save did to the pages stays in the log, before the run's own lines.
    insertAfterHeadLine(result, saved.log);
    showRunResult(paths, result, summary);
    m_parts.showJournalFailure(pages);
}

SaveOutcome RunCommands::saveWithoutQuestion(PageWriter& pages)
{
    m_parts.state.IsConverting = true;
    // The run makes the save's link corrections as it reads each page.
    const SaveOutcome saved = m_project.saveProject(pages, true);
    m_parts.state.IsConverting = false;
    return saved;
}

// The pages that would change are shown with their diffs first; nothing is written unless
// the user agrees.
void RunCommands::malign_Click()
{
    const RunSettings settings = runSettings();
    if (refuseRun(settings))
        return;
    const QStringList paths = m_parts.fileList->paths();
    BusyGuard busy(m_parts.state);
    PageChanges changes;
    {
        RunProgressDialog progress(m_parts.window, tr("メニューを揃える"));
        DryRunPages trial;
        trial.setChangeListener(changes.listener());
        const RunResult tried = runAlignment(paths, settings, trial, progress.callback());
        if (changes.paths().isEmpty()) {
            showRunResult(paths, tried);
            return;
        }
    }
    const UserMessage question{
        tr("メニューを揃える"),
        tr("%1 ページのメニューを置き換えます。\r\n").arg(changes.paths().size()) +
            changes.paths().join(QStringLiteral("\r\n"))};
    if (!m_parts.dialogs.askOkCancelWithDetails(question, changes.diffLines().join(u'\n')))
        return;
    RunProgressDialog progress(m_parts.window, tr("メニューを揃える"));
    JournalledPages pages = m_parts.journalledPages(QStringLiteral("align"));
    countChanges(pages);
    showRunResult(paths,
                  runAlignment(paths, settings, pages, progress.callback(), progress.stopCheck()),
                  tr("%1 ページ中 %2 ページのメニューを揃えました"));
}

// The log is not cleared: the lines follow those of earlier commands.
void RunCommands::mpcomment_Click()
{
    const QStringList paths = m_parts.fileList->paths();
    BusyGuard busy(m_parts.state);
    RunProgressDialog progress(m_parts.window, tr("仮のコメントをコメントに直す"));
    JournalledPages pages = m_parts.journalledPages(QStringLiteral("comments"));
    const RunResult result = runTemporaryComments(paths, m_parts.state.currentName, pages,
                                                  progress.callback(), progress.stopCheck());
    if (result.refusal) {
        m_parts.dialogs.showMessage(*result.refusal);
        return;
    }
    m_parts.appendLog(result.log);
    if (!paths.isEmpty())
        m_parts.preview->showLastPageRead(result.lastPageText);
    m_parts.selectTab(WindowPage::Log);
    m_parts.showJournalFailure(pages);
}

// A cancelled dialog keeps the colour in use.
void RunCommands::mcolor_Click()
{
    const QColor initial(m_parts.state.LinkColor.isEmpty() ? QStringLiteral("tomato")
                                                           : m_parts.state.LinkColor);
    const std::optional<QColor> chosen = m_parts.dialogs.askColour(initial);
    if (!chosen)
        return;
    const quint32 dialogValue =
        quint32(chosen->red()) | quint32(chosen->green()) << 8 | quint32(chosen->blue()) << 16;
    m_parts.state.LinkColor = linkColourFromDialogValue(dialogValue);
}

void RunCommands::countChanges(PageWriter& pages)
{
    m_changed.clear();
    pages.setChangeListener(
        [this](const QString& path, const QString&, const QString&) { m_changed.insert(path); });
}

void RunCommands::showRunResult(const QStringList& paths, const RunResult& result,
                                const QString& summary)
{
    if (result.refusal) {
        m_parts.dialogs.showMessage(*result.refusal);
        return;
    }
    if (!summary.isEmpty())
        showSummary(paths.size(), summary, result);
    // The source view shows the last page the run read, as the work buffer did.
    if (!paths.isEmpty())
        m_parts.preview->showLastPageRead(result.lastPageText);
    m_parts.showRunLog(result.log);
}

// One line that stays after the log is gone: how many pages the run changed, how many it
// could not read or write, and whether it was stopped.
void RunCommands::showSummary(qsizetype total, const QString& summary, const RunResult& result)
{
    QString text = summary.arg(total).arg(m_changed.size());
    if (result.failedPages > 0)
        text += tr(" (失敗 %1)").arg(result.failedPages);
    if (result.stopped)
        text += tr(" (中止)");
    m_parts.statusBar->showMessage(text);
}

} // namespace quillet
