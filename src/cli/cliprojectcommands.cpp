#include "cli/cliprojectcommands.h"

#include "cli/clicommands.h"
#include "cli/clidialogs.h"
#include "cli/menutext.h"
#include "engine/menublock.h"
#include "engine/pagechanges.h"
#include "engine/pagefile.h"
#include "engine/unhighlight.h"
#include "filelist/candidatesearch.h"
#include "filelist/filelistorder.h"
#include "filelist/pathadmission.h"
#include "project/projectmessages.h"
#include "project/projectstore.h"
#include "project/projecttext.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace quillet::cli {

namespace {

// The pages of a folder as the window's drop takes them, or the file itself, as absolute paths.
QStringList pagesNamed(const QString& argument)
{
    const QFileInfo info(argument);
    if (!info.isDir())
        return {info.absoluteFilePath()};
    return listCandidates(info.absoluteFilePath()).candidates;
}

class ProjectCommand
{
public:
    ProjectCommand(const Invocation& invocation, const QString& projectFile, Console& console)
        : m_invocation(invocation), m_console(console), m_store(projectFile), m_dialogs(console)
    {}

    using Step = int (ProjectCommand::*)();

    // Reads the project file, then does the command's step on it.
    int run(Step step)
    {
        const ProjectList list = m_store.LoadProjectList();
        m_dialogs.showMessages(list.messages);
        if (list.readFailed)
            return exitError;
        return (this->*step)();
    }

private:
    const QString& name() const { return m_invocation.name; }

    bool exists() const { return m_store.FindProjectKey(name()) != 0; }

    int notFound()
    {
        m_dialogs.showMessage({QString(), projectNotFoundMessage().text});
        return exitError;
    }

    int refuse(const QString& text)
    {
        m_dialogs.showMessage({QString(), text});
        return exitError;
    }

    int written(const EditOutcome& outcome)
    {
        m_dialogs.showMessages(outcome.messages);
        // Another program changed the project while this command worked on what it read.
        if (outcome.result == EditOutcome::Result::Changed)
            m_dialogs.showMessage(projectChangedMessage(name()));
        return outcome.result == EditOutcome::Result::Written ? exitSuccess : exitError;
    }

    // A project without a menu takes the first menu block of its pages, as a drop does; a
    // converted page's project tag is no menu.
    std::optional<QString> menuFromPages(const QStringList& files) const
    {
        bool tagSeen = false;
        for (const QString& path : files) {
            const PageRead read = readPage(path);
            const QString block = read.ok ? GetMenuBlock(read.page.text) : QString();
            tagSeen = tagSeen || isProjectTagOnly(block);
            if (!block.isEmpty() && !isProjectTagOnly(block))
                return PrepareMenuText(asMenuText(block)).escaped;
        }
        if (tagSeen)
            m_console.writeOut(onlyProjectTagsLine());
        return std::nullopt;
    }

public:
    int add()
    {
        QStringList named;
        for (const QString& argument : m_invocation.paths) {
            if (!QFileInfo::exists(argument))
                return refuse(argument + QStringLiteral("が見つかりません。"));
            named += pagesNamed(argument);
        }
        // As in the window: the paths the project file can hold go in, the others are named.
        const PathAdmission admission = admitPaths(named, m_store.format());
        if (!admission.refused.isEmpty())
            m_dialogs.showMessage(refusedPathsMessage(admission.refused));
        QStringList files = exists() ? m_store.LoadFileList(name()).files : QStringList();
        // A set and one sort keep adding linear in the size of the list.
        QSet<QString> listed(files.cbegin(), files.cend());
        QStringList added;
        for (const QString& path : admission.admitted) {
            if (listed.contains(path)) {
                m_console.writeOut(path + QStringLiteral("は登録済みです。"));
                continue;
            }
            listed.insert(path);
            files.append(path);
            added.append(path + QStringLiteral("を追加しました。"));
        }
        files = sortFileList(files);
        if (added.isEmpty())
            return m_dialogs.errorShown() ? exitError : exitSuccess;
        std::optional<QString> menu;
        if (m_store.LoadMenuText(name()).value_or(QString()).isEmpty())
            menu = menuFromPages(files);
        if (written(m_store.StoreProject(name(), files, menu)) != exitSuccess)
            return exitError;
        m_console.writeOutLines(added);
        return m_dialogs.errorShown() ? exitError : exitSuccess;
    }

    int remove()
    {
        if (!exists())
            return notFound();
        QStringList files = m_store.LoadFileList(name()).files;
        const QSet<QString> listed(files.cbegin(), files.cend());
        QSet<QString> removing;
        bool missing = false;
        QStringList removed;
        for (const QString& argument : m_invocation.paths) {
            const QString path =
                listed.contains(argument) ? argument : QFileInfo(argument).absoluteFilePath();
            if (!listed.contains(path) || removing.contains(path)) {
                m_console.writeError(argument + QStringLiteral("は登録されていません。"));
                missing = true;
            } else {
                removing.insert(path);
                removed.append(path + QStringLiteral("を外しました。"));
            }
        }
        files.removeIf([&removing](const QString& path) { return removing.contains(path); });
        if (removed.isEmpty())
            return exitPageFailed;
        const int status = written(m_store.StoreProject(name(), files, std::nullopt));
        if (status == exitSuccess)
            m_console.writeOutLines(removed);
        return status == exitSuccess && missing ? exitPageFailed : status;
    }

    int menu()
    {
        if (!exists())
            return notFound();
        if (m_invocation.fromFile || m_invocation.fromPage) {
            if (const int status = storeMenu(); status != exitSuccess)
                return status;
        }
        if (!m_invocation.relativeToSite)
            return exitSuccess;
        return written(m_store.StoreLinksFromSiteFolder(name(), *m_invocation.relativeToSite ==
                                                                    QStringLiteral("on")));
    }

    int storeMenu()
    {
        const QString source =
            m_invocation.fromFile ? *m_invocation.fromFile : *m_invocation.fromPage;
        const PageRead read = readPage(source);
        if (!read.ok)
            return refuse(source + QStringLiteral("を読み込めませんでした。\r\n") + read.error);
        const QString text = m_invocation.fromFile ? read.page.text : GetMenuBlock(read.page.text);
        if (!m_invocation.fromFile && isProjectTagOnly(text))
            return refuse(source +
                          QStringLiteral("のメニューの位置にはプロジェクトのタグしかありません。"));
        const PreparedMenuText menu = PrepareMenuText(asMenuText(text));
        if (menu.escaped.isEmpty())
            return refuse(source + QStringLiteral("にメニューがありません。"));
        return written(m_store.StoreProject(name(), std::nullopt, menu.escaped));
    }

    int show()
    {
        if (!exists())
            return notFound();
        m_console.writeOut(QStringLiteral("ファイル:"));
        m_console.writeOutLines(m_store.LoadFileList(name()).files);
        m_console.writeOut(QStringLiteral("メニュー:"));
        const QString menu = m_store.LoadMenuText(name()).value_or(QString());
        if (!menu.isEmpty())
            m_console.writeOutLines(menu.split(QStringLiteral("\r\n")));
        if (m_store.LinksFromSiteFolder(name()))
            m_console.writeOut(QStringLiteral("メニューのリンク: サイトのフォルダから"));
        return exitSuccess;
    }

    int deleteProject()
    {
        const qsizetype key = m_store.FindProjectKey(name());
        if (key == 0)
            return notFound();
        if (m_invocation.dryRun) {
            QString text = m_store.text();
            if (!removeProject(text, key))
                return refuse(malformedForDeletionMessage().text);
            m_console.writeOut(QStringLiteral("プロジェクト「") + name() +
                               QStringLiteral("」を削除します(書き込みはしません)。"));
            m_console.writeOutLines(fileDiff(m_store.filePath(), m_store.text(), text));
            return exitSuccess;
        }
        const DeleteOutcome outcome = m_store.DeleteProject(name());
        m_dialogs.showMessages(outcome.messages);
        if (outcome.result != DeleteOutcome::Result::Deleted)
            return exitError;
        m_console.writeOut(QStringLiteral("プロジェクト「") + name() +
                           QStringLiteral("」を削除しました。"));
        return exitSuccess;
    }

private:
    const Invocation& m_invocation;
    Console& m_console;
    ProjectStore m_store;
    CliDialogs m_dialogs;
};

} // namespace

int runAddCommand(const Invocation& invocation, const QString& projectFile, Console& console)
{
    return ProjectCommand(invocation, projectFile, console).run(&ProjectCommand::add);
}

int runRemoveCommand(const Invocation& invocation, const QString& projectFile, Console& console)
{
    return ProjectCommand(invocation, projectFile, console).run(&ProjectCommand::remove);
}

int runMenuCommand(const Invocation& invocation, const QString& projectFile, Console& console)
{
    return ProjectCommand(invocation, projectFile, console).run(&ProjectCommand::menu);
}

int runShowCommand(const Invocation& invocation, const QString& projectFile, Console& console)
{
    return ProjectCommand(invocation, projectFile, console).run(&ProjectCommand::show);
}

int runDeleteCommand(const Invocation& invocation, const QString& projectFile, Console& console)
{
    return ProjectCommand(invocation, projectFile, console).run(&ProjectCommand::deleteProject);
}

} // namespace quillet::cli
