#include "project/projectstore.h"

#include "engine/pathnames.h"
#include "engine/runs.h"
#include "engine/unhighlight.h"
#include "filelist/candidatesearch.h"
#include "filelist/filelistorder.h"
#include "project/projectencoding.h"
#include "project/projectmessages.h"
#include "project/projecttext.h"
#include "project/selflinks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quillet {

namespace {

QString menuNotSavedLine()
{
    return QCoreApplication::translate("ProjectStore", "プロジェクトは保存されませんでした。");
}

SaveOutcome refusedSave(SaveOutcome::Result result, const UserMessage& message)
{
    SaveOutcome outcome;
    outcome.result = result;
    outcome.messages.append(message);
    return outcome;
}

// Whether the text could be written in the file's form; a dry run's stand-in for the write.
std::optional<UserMessage> checkWritable(const QString& text, const PageFormat& format)
{
    const ProjectFileContent content = projectFileContent(text, format);
    if (encodePage(content.text, content.format).ok)
        return std::nullopt;
    return projectFileUnwritableMessage(unencodableError());
}

} // namespace

ProjectStore::ProjectStore(QString filePath) : m_filePath(std::move(filePath)) {}

std::optional<UserMessage> ProjectStore::lockAndRead(ProjectFileLock* lock)
{
    if (std::optional<UserMessage> locked = lock ? lock->lock() : std::nullopt)
        return locked;
    const ProjectFileText file = readProjectFile(m_filePath);
    if (file.error)
        return file.error;
    m_text = file.text;
    m_format = file.format;
    return std::nullopt;
}

std::optional<UserMessage> ProjectStore::writeProjectText(const QString& text, const QString& name)
{
    ProjectFileText written;
    if (std::optional<UserMessage> failure = writeProjectFile(m_filePath, text, m_format, written))
        return failure;
    m_text = written.text;
    m_format = written.format;
    m_loaded.insert(name, projectSectionDigest(m_text, name));
    return std::nullopt;
}

std::optional<QByteArray> ProjectStore::loadedProject(const QString& name) const
{
    const auto loaded = m_loaded.constFind(name);
    return loaded != m_loaded.cend() ? *loaded : projectSectionDigest(m_text, name);
}

ProjectList ProjectStore::LoadProjectList()
{
    ProjectList list;
    const ProjectFileText file = readProjectFile(m_filePath);
    if (file.error) {
        list.readFailed = true;
        list.messages.append(*file.error);
        return list;
    }
    if (QFileInfo::exists(m_filePath)) {
        m_text = file.text;
        m_format = file.format;
    }
    list.names = GetProjectNames();
    if (!list.names.isEmpty())
        list.currentName = list.names.first();
    const QString last = GetLastProject();
    if (!last.isEmpty())
        list.currentName = last;
    return list;
}

QStringList ProjectStore::GetProjectNames() const
{
    return projectNamesIn(m_text);
}

qsizetype ProjectStore::FindProjectKey(const QString& name) const
{
    return projectKeyIn(m_text, name);
}

QString ProjectStore::GetLastProject() const
{
    return lastProjectIn(m_text);
}

FileListLoad ProjectStore::LoadFileList(const QString& name)
{
    m_loaded.insert(name, projectSectionDigest(m_text, name));
    const std::optional<QString> content =
        projectElementIn(m_text, FindProjectKey(name), QStringLiteral("files"));
    if (!content)
        return {};
    FileListLoad load;
    // A relative entry names a page beside the project file, wherever the program runs from.
    const QDir folder(QFileInfo(m_filePath).absolutePath());
    for (const QString& entry : fileListFromStored(*content))
        load.files.append(QFileInfo(entry).isRelative() ? QDir::cleanPath(folder.filePath(entry))
                                                        : entry);
    load.files = sortFileList(load.files);
    if (!load.files.isEmpty())
        load.searchFolder = searchFolderOf(load.files);
    return load;
}

std::optional<QString> ProjectStore::LoadMenuText(const QString& name) const
{
    const std::optional<QString> content =
        projectElementIn(m_text, FindProjectKey(name), QStringLiteral("orgstring"));
    if (!content)
        return std::nullopt;
    return menuTextFromStored(*content);
}

SaveOutcome ProjectStore::SaveProject(const SaveRequest& request, PageWriter& pages)
{
    if (request.files.isEmpty())
        return refusedSave(SaveOutcome::Result::NoFiles, noFilesToSaveMessage());
    const std::optional<QByteArray> loaded = loadedProject(request.name);
    // A dry run writes nothing, not even the lock file.
    ProjectFileLock lock(m_filePath);
    if (std::optional<UserMessage> failure = lockAndRead(request.dryRun ? nullptr : &lock))
        return refusedSave(SaveOutcome::Result::Refused, *failure);
    const bool exists = FindProjectKey(request.name) != 0;
    const bool changed = projectSectionDigest(m_text, request.name) != loaded;
    const PreparedMenuText menu = PrepareMenuText(request.menuText);
    std::optional<QString> text =
        storeProjectIn(m_text, request.name, request.files,
                       menu.escaped.isEmpty() ? std::nullopt : std::optional(menu.escaped));
    if (text && !SaveLinksFromSiteFolder(*text, projectKeyIn(*text, request.name),
                                         request.linksFromSiteFolder))
        text.reset();
    if (!text)
        return refusedSave(SaveOutcome::Result::Refused, malformedForSaveMessage());
    SaveOutcome outcome;
    if (exists && (changed || !request.isConverting)) {
        if (request.overwrite == OverwriteAnswer::NotAsked) {
            outcome.result = SaveOutcome::Result::NeedsAnswer;
            outcome.question = changed ? changedOnDiskQuestion(request.name) : overwriteQuestion();
            return outcome;
        }
        if (request.overwrite == OverwriteAnswer::No) {
            outcome.result = SaveOutcome::Result::Declined;
            return outcome;
        }
    }
    outcome.menuText = menu.cleaned;
    if (menu.escaped.isEmpty())
        outcome.log.append(menuNotSavedLine());
    if (!SetLastProject(*text, request.name))
        outcome.messages.append(lastProjectNotWrittenMessage());
    const std::optional<UserMessage> failure =
        request.dryRun ? checkWritable(*text, m_format) : writeProjectText(*text, request.name);
    if (failure) {
        // Pages corrected against a menu the file does not hold would drift from it.
        outcome.messages.append(*failure);
        outcome.result = SaveOutcome::Result::WriteFailed;
        return outcome;
    }
    lock.unlock();
    outcome.result = SaveOutcome::Result::Saved;
    const SelfLinkCorrection correction{menu.cleaned, request.linkColour, projectTag(request.name)};
    if (request.linksCorrectedByRun)
        outcome.selfLinks = correction;
    else
        correctSelfLinks(request, correction, pages, outcome);
    return outcome;
}

EditOutcome ProjectStore::StoreProject(const QString& name, const std::optional<QStringList>& files,
                                       const std::optional<QString>& escapedMenu)
{
    return editProject(
        name, [&](const QString& text) { return storeProjectIn(text, name, files, escapedMenu); });
}

bool ProjectStore::LinksFromSiteFolder(const QString& name) const
{
    return linksFromSiteFolderIn(m_text, FindProjectKey(name));
}

EditOutcome ProjectStore::StoreLinksFromSiteFolder(const QString& name, bool fromSiteFolder)
{
    return editProject(name, [&](QString text) -> std::optional<QString> {
        if (!SaveLinksFromSiteFolder(text, projectKeyIn(text, name), fromSiteFolder))
            return std::nullopt;
        return text;
    });
}

EditOutcome
ProjectStore::editProject(const QString& name,
                          const std::function<std::optional<QString>(const QString&)>& edit)
{
    const std::optional<QByteArray> loaded = loadedProject(name);
    ProjectFileLock lock(m_filePath);
    if (std::optional<UserMessage> failure = lockAndRead(&lock))
        return {EditOutcome::Result::Refused, {*failure}};
    // The edit was made to the project as loaded; another program's change would be lost.
    if (projectSectionDigest(m_text, name) != loaded)
        return {EditOutcome::Result::Changed, {}};
    const std::optional<QString> text = edit(m_text);
    if (!text)
        return {EditOutcome::Result::Refused, {malformedForSaveMessage()}};
    if (std::optional<UserMessage> failure = writeProjectText(*text, name))
        return {EditOutcome::Result::WriteFailed, {*failure}};
    return {EditOutcome::Result::Written, {}};
}

DeleteOutcome ProjectStore::DeleteProject(const QString& name)
{
    ProjectFileLock lock(m_filePath);
    if (std::optional<UserMessage> failure = lockAndRead(&lock))
        return {DeleteOutcome::Result::Refused, {*failure}};
    const qsizetype key = FindProjectKey(name);
    if (key == 0)
        return {DeleteOutcome::Result::NotFound, {projectNotFoundMessage()}};
    QString text = m_text;
    // Without its own end the removal would take the next project with it.
    if (!removeProject(text, key))
        return {DeleteOutcome::Result::Refused, {malformedForDeletionMessage()}};
    if (std::optional<UserMessage> failure = writeProjectText(text, name))
        return {DeleteOutcome::Result::WriteFailed, {*failure}};
    return {DeleteOutcome::Result::Deleted, {}};
}

} // namespace quillet
