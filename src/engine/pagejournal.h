#pragma once

#include "engine/pagefile.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>
#include <optional>

// The undo journal: for each command that replaced pages, one file in the per-user data
// folder holding every replaced page's previous bytes (or a hard link to the page's old file
// beside it) and the digest of the bytes that replaced them. Only the last journalKeeps
// commands are kept.
namespace quillet {

inline constexpr int journalKeeps = 20;

// Which command wrote an entry, and on which project.
struct JournalCommand
{
    QString command;     // "convert", "restore", "comments", "save" or "source"
    QString projectFile; // absolute path of the project file
    QString project;     // the project name
};

struct JournalRecord
{
    QString path;
    QByteArray oldBytes;
    QString oldFile;      // the hard link holding the old bytes; empty when they were copied
    QByteArray newDigest; // journalDigest of the bytes that replaced oldBytes
    bool whole = true;    // its old bytes were read and match their checksum
    bool synced = false;  // made durable before any page was replaced: its page may have been
};

struct JournalEntry
{
    QString file; // the entry's own file in the journal folder
    QDateTime time;
    JournalCommand command;
    QList<JournalRecord> records; // in the order written (oldBytes empty when not loaded)
    bool cutShort = false;        // reading stopped at bytes that do not form a whole record
    bool finished = false;        // the command ended and every record of it was read
};

// "journal" in QStandardPaths::AppDataLocation.
QString defaultJournalFolder();

QByteArray journalDigest(const QByteArray& bytes);

// What a record keeps of a page's old and new bytes; made apart, so that it costs the
// journal's writer nothing.
struct JournalDigests
{
    QByteArray oldBytes;
    QByteArray newBytes;
};
JournalDigests journalDigests(const QByteArray& oldBytes, const QByteArray& newBytes);

// The form in which an entry names its project file (relative paths made absolute).
QString journalProjectFile(const QString& path);

// Writes the entry of one command. The file is created with the first record, so that a
// command that replaces nothing leaves no entry.
class JournalWriter
{
public:
    JournalWriter(QString folder, JournalCommand command);
    ~JournalWriter(); // marks the entry finished
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // Appends a record; it is durable only after sync(). The old bytes are those of the file
    // read as stamp says, if known: that file is then kept by a hard link instead of a copy,
    // and stamp follows the status change the link makes.
    bool append(const QString& path, const QByteArray& oldBytes, const JournalDigests& digests,
                PageStamp* stamp = nullptr);

    // Writes every appended record through to the disk. With wholeFileSystem, by one syncfs
    // of the journal's file system, which also makes durable what else was written there (a
    // batch's new pages), where an fsync of the entry and of its links' folder costs a flush
    // of the disk's cache each.
    bool sync(bool wholeFileSystem = false);

    // The file system of the entry's file; 0 until the first record made it.
    quint64 device() const { return m_device; }

    // The system's description of the last failure.
    const QString& error() const { return m_error; }
    const QString& folder() const { return m_folder; }

private:
    bool create();
    bool fail(const QString& error);
    QString linkOldFile(const QString& path, PageStamp& stamp);

    QString m_folder;
    JournalCommand m_command;
    QFile m_file;
    QString m_error;
    qsizetype m_records = 0; // appended so far
    qsizetype m_synced = 0;  // covered by the last sync
    quint64 m_device = 0;
    bool m_linked = false; // a link was made since the last sync
};

// The entries of the folder, oldest first; records are read with their old bytes only when
// withBytes (a listing needs the paths alone, and checks only the records' headers). Every
// part of an entry carries a checksum, and each sync a mark of the records it made durable:
// a record after the last mark was cut off by a kill before its page was replaced, unless the
// entry was damaged since. A finish mark with the number of records ends the entry of a
// command that ended. Reading stops at the first part that is not whole.
QList<JournalEntry> readJournal(const QString& folder, bool withBytes);

// The newest entry of the project file, with its bytes.
std::optional<JournalEntry> lastJournalEntry(const QString& folder, const QString& projectFile);

// The number of different pages an entry holds.
qsizetype journalPageCount(const JournalEntry& entry);

bool removeJournalEntry(const JournalEntry& entry);

} // namespace quillet
