#include "engine/batchintent.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillet {

namespace {

const QByteArray magic("QUILLET-BATCH 1\n");
const QString suffix = QStringLiteral(".batch");

bool writeAllAt(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return ::ftruncate(fd, off_t(bytes.size())) == 0;
}

QByteArray readAll(int fd)
{
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return bytes;
        bytes.append(buffer, got);
    }
}

// Only a regular file is taken away: a name is never a folder or a link of the user's.
void removeName(const QByteArray& name)
{
    struct stat status
    {};
    if (!name.isEmpty() && ::lstat(name.constData(), &status) == 0 && S_ISREG(status.st_mode))
        ::unlink(name.constData());
}

// A command that is still running holds the lock of its file.
void removeIfLeft(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        const QByteArray bytes = readAll(fd);
        if (bytes.startsWith(magic)) {
            for (const QByteArray& name : bytes.mid(magic.size()).split('\0'))
                removeName(name);
        }
        ::unlink(path.constData());
    }
    ::close(fd);
}

} // namespace

BatchIntent::BatchIntent(QString folder) : m_folder(std::move(folder)) {}

BatchIntent::~BatchIntent()
{
    if (m_fd < 0)
        return;
    ::unlink(m_path.constData());
    ::close(m_fd);
}

bool BatchIntent::announce(const QList<QByteArray>& names)
{
    if (m_fd < 0) {
        if (m_folder.isEmpty() || !QDir().mkpath(m_folder))
            return false;
        const QString name = QString::number(QCoreApplication::applicationPid()) + u'-' +
                             QString::number(QRandomGenerator::global()->generate64(), 36) + suffix;
        m_path = QFile::encodeName(QDir(m_folder).filePath(name));
        m_fd = ::open(m_path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (m_fd < 0)
            return false;
        // Another command's recovery may have taken the file between its making and the lock.
        struct stat made
        {};
        struct stat named
        {};
        if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(m_fd, &made) != 0 ||
            ::stat(m_path.constData(), &named) != 0 || made.st_ino != named.st_ino) {
            ::unlink(m_path.constData());
            ::close(std::exchange(m_fd, -1));
            return false;
        }
    }
    // A kill only stops the process: the page cache keeps what was written, no sync needed.
    return writeAllAt(m_fd, magic + names.join('\0'));
}

void BatchIntent::removeLeftNames(const QString& folder)
{
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*") + suffix}, QDir::Files))
        removeIfLeft(QFile::encodeName(dir.filePath(name)));
}

} // namespace quillet
