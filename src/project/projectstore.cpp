#include "project/projectstore.h"

#include "engine/pathnames.h"
#include "filelist/candidatesearch.h"
#include "filelist/filelistorder.h"
#include "project/projectencoding.h"
#include "project/projectmessages.h"
#include "project/projecttext.h"

#include <QDir>
#include <QFileInfo>

namespace quillet {

ProjectStore::ProjectStore(QString filePath) : m_filePath(std::move(filePath)) {}

bool ProjectStore::readProjectFile(StoreDialogs& dialogs)
{
    if (!QFileInfo(m_filePath).exists()) {
        m_loaded = true;
        return true;
    }
    const PageRead read = readPage(m_filePath);
    if (!read.ok) {
        // Saving over a file we could not read would destroy every project in it.
        m_loaded = false;
        dialogs.showMessage(projectFileUnreadableMessage(read.error));
        return false;
    }
    // A file cut short would give a project without its menu or with part of its files.
    if (const std::optional<qsizetype> line = damagedLineIn(read.page.text)) {
        m_loaded = false;
        dialogs.showMessage(projectFileDamagedMessage(*line));
        return false;
    }
    m_text = read.page.text;
    m_format = read.page.format;
    m_loaded = true;
    return true;
}

bool ProjectStore::ensureLoaded(StoreDialogs& dialogs)
{
    return m_loaded || readProjectFile(dialogs);
}

bool ProjectStore::writeProjectText(const QString& text, StoreDialogs& dialogs)
{
    // The per-user data folder may not exist yet.
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    const ProjectFileContent content = projectFileContent(text, m_format);
    const PageWrite written = writePage(m_filePath, content.text, content.format);
    if (!written.ok) {
        dialogs.showMessage(projectFileUnwritableMessage(written.error));
        return false;
    }
    m_text = content.text;
    m_format = content.format;
    return true;
}

bool ProjectStore::canWriteProjectText(const QString& text, StoreDialogs& dialogs) const
{
    const ProjectFileContent content = projectFileContent(text, m_format);
    if (encodePage(content.text, content.format).ok)
        return true;
    dialogs.showMessage(projectFileUnwritableMessage(unencodableError()));
    return false;
}

ProjectList ProjectStore::LoadProjectList(StoreDialogs& dialogs)
{
    ProjectList list;
    if (!readProjectFile(dialogs)) {
        list.readFailed = true;
        return list;
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

FileListLoad ProjectStore::LoadFileList(const QString& name) const
{
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

} // namespace quillet
