#include "cli/clicommands.h"

#include "cli/clicheck.h"
#include "cli/clidialogs.h"
#include "cli/clitable.h"
#include "cli/menutext.h"
#include "engine/menualign.h"
#include "engine/pagechanges.h"
#include "engine/pagefile.h"
#include "engine/pagewriter.h"
#include "engine/runs.h"
#include "filelist/tempcomments.h"
#include "project/projectmessages.h"
#include "project/projectstore.h"

#include <memory>
#include <optional>

namespace quillet::cli {

namespace {

// A project as picking it in the window loads it.
struct LoadedProject
{
    QStringList files; // in the file list's sorted order
    QString menuText;  // as the menu text box holds it (asMenuText)
    QString tag;
    bool linksFromSiteFolder = false;
};

class CommandRunner
{
public:
    CommandRunner(const Invocation& invocation, const QString& projectFile, Console& console)
        : m_invocation(invocation), m_console(console), m_store(std::in_place, projectFile),
          m_dialogs(console)
    {}

    int list()
    {
        const ProjectList list = m_store->LoadProjectList();
        m_dialogs.showMessages(list.messages);
        m_console.writeOutLines(list.names);
        return status(false);
    }

    int convert()
    {
        const std::optional<LoadedProject> project = loadProject();
        if (!project)
            return status(false);
        return saveThenRun(*project, runConversion);
    }

    // Without a menu file the stored menu goes back into the pages and nothing is saved. A
    // menu file is stored first, as a conversion stores it, so the next conversion finds it.
    int restore()
    {
        std::optional<LoadedProject> project = loadProject();
        if (!project)
            return status(false);
        if (!m_invocation.menuFile)
            return finishRun(runRestore(project->files, settingsFor(*project), pagesOfTheRun()),
                             false);
        if (!readMenuFile(*m_invocation.menuFile, *project))
            return status(false);
        return saveThenRun(*project, runRestore);
    }

    int check()
    {
        const std::optional<LoadedProject> project = loadProject();
        if (!project)
            return status(false);
        const RunSettings settings = settingsFor(*project);
        // Without a menu every page would seem to hold it.
        if (const std::optional<UserMessage> refusal = checkRunSettings(settings)) {
            m_dialogs.showMessage(*refusal);
            return status(false);
        }
        QList<CheckedPage> pages;
        for (const QString& path : project->files)
            pages.append({path, checkPage(path, settings)});
        return reportCheck(m_invocation.name, pages, m_invocation.json, m_console);
    }

    int align()
    {
        const std::optional<LoadedProject> project = loadProject();
        if (!project)
            return status(false);
        return finishRun(runAlignment(project->files, settingsFor(*project), pagesOfTheRun()),
                         false);
    }

    int comments()
    {
        const std::optional<LoadedProject> project = loadProject();
        if (!project)
            return status(false);
        return finishRun(runTemporaryComments(project->files, m_invocation.name, pagesOfTheRun()),
                         false);
    }

private:
    // The journal names a command by its word.
    QString commandName() const { return commandEntry(m_invocation.command)->word; }

    int status(bool pageFailed) const
    {
        if (m_dialogs.errorShown())
            return exitError;
        return pageFailed ? exitPageFailed : exitSuccess;
    }

    std::optional<LoadedProject> loadProject()
    {
        const ProjectList list = m_store->LoadProjectList();
        m_dialogs.showMessages(list.messages);
        if (list.readFailed)
            return std::nullopt;
        const QString& name = m_invocation.name;
        if (m_store->FindProjectKey(name) == 0) {
            m_dialogs.showMessage({QString(), projectNotFoundMessage().text});
            return std::nullopt;
        }
        LoadedProject project;
        project.files = m_store->LoadFileList(name).files;
        project.menuText = asMenuText(m_store->LoadMenuText(name).value_or(QString()));
        project.tag = projectTag(name);
        project.linksFromSiteFolder = m_store->LinksFromSiteFolder(name);
        return project;
    }

    RunSettings settingsFor(const LoadedProject& project) const
    {
        RunSettings settings{project.menuText, project.tag, m_invocation.linkColour,
                             std::make_shared<const SiteLayout>(project.files)};
        settings.linksFromSiteFolder = project.linksFromSiteFolder;
        return settings;
    }

    int finishRun(const RunResult& result, bool pageFailedBefore)
    {
        if (result.refusal) {
            m_dialogs.showMessage(*result.refusal);
            return status(pageFailedBefore);
        }
        m_console.writeOutLines(result.log);
        if (m_invocation.diff)
            m_console.writeOutLines(m_changes.diffLines());
        reportJournalFailure();
        return status(pageFailedBefore || result.pageFailed);
    }

    void reportJournalFailure()
    {
        if (!m_pages)
            return;
        if (const std::optional<UserMessage> failure = m_pages->journalFailure())
            m_console.writeMessage(*failure);
    }

    using PageRun = RunResult (*)(const QStringList&, const RunSettings&, PageWriter&,
                                  const RunProgress&, const RunStop&);

    // The page writer of the command: its pages go into one journal entry, or nowhere in a
    // dry run.
    PageWriter& pages()
    {
        if (m_pages)
            return *m_pages;
        if (m_invocation.dryRun)
            m_pages = std::make_unique<DryRunPages>();
        else
            m_pages = std::make_unique<JournalledPages>(
                defaultJournalFolder(),
                JournalCommand{commandName(), m_store->filePath(), m_invocation.name});
        // The listener keeps every changed page's texts: only for the diff.
        if (m_invocation.diff)
            m_pages->setChangeListener(m_changes.listener());
        return *m_pages;
    }

    // The conversion button's order: the project saved without the overwrite question, then
    // the run over the pages with the menu text as the save cleaned it, so the pages get
    // exactly the stored menu.
    int saveThenRun(const LoadedProject& project, PageRun run)
    {
        RunSettings settings = settingsFor(project);
        if (const std::optional<UserMessage> refusal = checkRunSettings(settings)) {
            m_dialogs.showMessage(*refusal);
            return status(false);
        }
        // Storing the project is what these commands do: an existing one is overwritten.
        // The run makes the save's link corrections as it reads each page.
        const SaveRequest request{m_invocation.name,
                                  project.files,
                                  settings.menuText,
                                  true,
                                  m_invocation.linkColour,
                                  m_invocation.dryRun,
                                  OverwriteAnswer::Yes,
                                  project.linksFromSiteFolder,
                                  true};
        PageWriter& writer = pages();
        const SaveOutcome saved = m_store->SaveProject(request, writer);
        forgetProjectFile();
        m_dialogs.showMessages(saved.messages);
        if (saved.menuText)
            settings.menuText = asMenuText(*saved.menuText);
        settings.savedLinks = saved.selfLinks;
        if (saved.stopsTheRun()) {
            reportJournalFailure();
            return status(saved.pageFailed);
        }
        RunResult result = run(project.files, settings, writer, {}, {});
        insertAfterHeadLine(result, saved.log);
        return finishRun(result, saved.pageFailed);
    }

    // A run needs nothing more of the project file, whose text a list of 100,000 pages makes
    // 7 MB.
    void forgetProjectFile() { m_store.reset(); }

    // For a run that saves nothing first.
    PageWriter& pagesOfTheRun()
    {
        PageWriter& writer = pages();
        forgetProjectFile();
        return writer;
    }

    bool readMenuFile(const QString& path, LoadedProject& project)
    {
        const PageRead read = readPage(path);
        if (!read.ok) {
            m_dialogs.showMessage(
                {QString(), path + QStringLiteral("を読み込めませんでした。\r\n") + read.error});
            return false;
        }
        project.menuText = asMenuText(read.page.text);
        return true;
    }

    const Invocation& m_invocation;
    Console& m_console;
    std::optional<ProjectStore> m_store; // until a run starts
    CliDialogs m_dialogs;
    std::unique_ptr<PageWriter> m_pages;
    PageChanges m_changes;
};

} // namespace

int runListCommand(const Invocation& invocation, const QString& projectFile, Console& console)
{
    return CommandRunner(invocation, projectFile, console).list();
}

int runConvertCommand(const Invocation& invocation, const QString& projectFile, Console& console)
{
    return CommandRunner(invocation, projectFile, console).convert();
}

int runRestoreCommand(const Invocation& invocation, const QString& projectFile, Console& console)
{
    return CommandRunner(invocation, projectFile, console).restore();
}

int runCommentsCommand(const Invocation& invocation, const QString& projectFile, Console& console)
{
    return CommandRunner(invocation, projectFile, console).comments();
}

int runCheckCommand(const Invocation& invocation, const QString& projectFile, Console& console)
{
    return CommandRunner(invocation, projectFile, console).check();
}

int runAlignCommand(const Invocation& invocation, const QString& projectFile, Console& console)
{
    return CommandRunner(invocation, projectFile, console).align();
}

} // namespace quillet::cli
