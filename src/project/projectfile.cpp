#include "project/projectfile.h"

#include "project/projectencoding.h"
#include "project/projectmessages.h"
#include "project/projecttext.h"

#include <QDir>
#include <QFileInfo>

namespace quillet {

namespace {

// Another program holds the lock only while it reads and replaces the file.
constexpr int lockWaitMs = 10000;

} // namespace

ProjectFileText readProjectFile(const QString& path)
{
    ProjectFileText file;
    if (!QFileInfo::exists(path))
        return file;
    const PageRead read = readPage(path);
    if (!read.ok) {
        // Saving over a file we could not read would destroy every project in it.
        file.error = projectFileUnreadableMessage(read.error);
        return file;
    }
    // A file cut short would give a project without its menu or with part of its files.
    if (const std::optional<qsizetype> line = damagedLineIn(read.page.text)) {
        file.error = projectFileDamagedMessage(*line);
        return file;
    }
    file.text = read.page.text;
    file.format = read.page.format;
    return file;
}

std::optional<UserMessage> writeProjectFile(const QString& path, const QString& text,
                                            const PageFormat& format, ProjectFileText& written)
{
    // The per-user data folder may not exist yet.
    QDir().mkpath(QFileInfo(path).absolutePath());
    const ProjectFileContent content = projectFileContent(text, format);
    const PageWrite write = writePage(path, content.text, content.format);
    if (!write.ok)
        return projectFileUnwritableMessage(write.error);
    written.text = content.text;
    written.format = content.format;
    return std::nullopt;
}

ProjectFileLock::ProjectFileLock(const QString& projectFile)
    : m_lock(projectFile + QStringLiteral(".lock"))
{}

std::optional<UserMessage> ProjectFileLock::lock()
{
    QDir().mkpath(QFileInfo(m_lock.fileName()).absolutePath());
    if (m_lock.tryLock(lockWaitMs))
        return std::nullopt;
    const QString lockFile = QDir::toNativeSeparators(m_lock.fileName());
    if (m_lock.error() == QLockFile::LockFailedError)
        return projectFileLockedMessage(lockFile);
    // Where no lock file can be made, the project file cannot be replaced either.
    return projectFileUnwritableMessage(lockFile);
}

} // namespace quillet
