#pragma once

#include "engine/pagefile.h"
#include "engine/usermessage.h"

#include <QLockFile>
#include <QString>
#include <optional>

// "mprj.xml" on disk. Every change takes the lock file beside it, reads the file as it is
// now and replaces it atomically, so that programs working on it at once never lose each
// other's projects.
namespace quillet {

struct ProjectFileText
{
    QString text;                     // empty for a missing file
    PageFormat format;                // the form it was read in; the defaults for a new file
    std::optional<UserMessage> error; // the file exists but cannot be read, or is cut short
};

// The file as it is on disk now.
ProjectFileText readProjectFile(const QString& path);

// Writes text in the form given over the file, atomically, creating its folder; the message
// to show when it could not, the file then being unchanged. written gets the text and form
// the file now holds.
std::optional<UserMessage> writeProjectFile(const QString& path, const QString& text,
                                            const PageFormat& format, ProjectFileText& written);

// The lock beside the project file, held from a successful lock() until destruction. A lock
// left by a program that died is taken over.
class ProjectFileLock
{
public:
    explicit ProjectFileLock(const QString& projectFile);

    // The message to show when another program holds the lock for too long, or when no lock
    // file can be made.
    std::optional<UserMessage> lock();

    // Lets other programs in before the caller's remaining work is done.
    void unlock() { m_lock.unlock(); }

private:
    QLockFile m_lock;
};

} // namespace quillet
