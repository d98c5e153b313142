#include "engine/pagejournal.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QTimeZone>
#include <QtEndian>
#include <atomic>
#include <filesystem>
#include <system_error>

#include <openssl/evp.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillet {

namespace {

const QByteArray magic("QUILLET-JOURNAL 3\n");
const QByteArray copiesOnlyMagic("QUILLET-JOURNAL 2\n"); // entries before hard links
const QString entrySuffix = QStringLiteral(".journal");
const QString linksSuffix = QStringLiteral(".pages"); // the folder of an entry's hard links
constexpr qint64 digestSize = 32;
constexpr qint64 blockHeadSize = 9; // its kind and its size

// An entry is a header block and blocks of records and sync marks, each followed by the
// digest of its kind, size and content, so that no damaged part is taken for a whole one.
enum BlockKind : char {
    headerBlock = 'H',
    recordBlock = 'R',   // a page's path, the digest of its new bytes and its old size
    oldBytesBlock = 'O', // the page's old bytes, right after its record
    linkBlock = 'L',     // or instead: the name of its hard link and the digest of its bytes
    syncBlock = 'S',     // the number of records made durable by a sync
    finishBlock = 'F',   // the number of records of the command, which ended
};

bool syncHandle(int handle)
{
    return ::fsync(handle) == 0;
}

bool syncFileSystem(int handle)
{
#ifdef Q_OS_WIN
    return syncHandle(handle);
#else
    return ::syncfs(handle) == 0;
#endif
}

// A new file's name is durable only once its folder is.
void syncFolder(const QString& folder)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
}

// Names sort in the order the entries were made.
QString newEntryName()
{
    static std::atomic<int> counter = 0;
    return QStringLiteral("%1-%2-%3")
               .arg(QDateTime::currentMSecsSinceEpoch(), 15, 10, QLatin1Char('0'))
               .arg(QCoreApplication::applicationPid())
               .arg(counter++, 6, 10, QLatin1Char('0')) +
           entrySuffix;
}

QStringList entryFiles(const QString& folder)
{
    const QDir dir(folder);
    QStringList files;
    for (const QString& name :
         dir.entryList({QStringLiteral("*") + entrySuffix}, QDir::Files, QDir::Name))
        files.append(dir.filePath(name));
    return files;
}

QString linksFolderOf(const QString& entryFile)
{
    return entryFile.chopped(entrySuffix.size()) + linksSuffix;
}

// The entry's file goes first: a kill in between leaves links that no entry names, which
// the next prune takes away.
bool removeEntryFile(const QString& entryFile)
{
    if (!QFile::remove(entryFile))
        return false;
    QDir(linksFolderOf(entryFile)).removeRecursively();
    return true;
}

void pruneJournal(const QString& folder)
{
    const QStringList files = entryFiles(folder);
    for (qsizetype i = 0; i + journalKeeps < files.size(); ++i)
        removeEntryFile(files[i]);
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({QStringLiteral("*") + linksSuffix}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString links = dir.filePath(name);
        if (!QFileInfo::exists(links.chopped(linksSuffix.size()) + entrySuffix))
            QDir(links).removeRecursively();
    }
}

QByteArray sha256(std::initializer_list<QByteArrayView> parts)
{
    QByteArray digest(digestSize, Qt::Uninitialized);
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    bool ok = context && EVP_DigestInit_ex(context, EVP_sha256(), nullptr) == 1;
    for (const QByteArrayView part : parts)
        ok = ok && EVP_DigestUpdate(context, part.data(), size_t(part.size())) == 1;
    ok = ok &&
         EVP_DigestFinal_ex(context, reinterpret_cast<unsigned char*>(digest.data()), nullptr) == 1;
    EVP_MD_CTX_free(context);
    if (!ok)
        qFatal("SHA-256 is not available");
    return digest;
}

QByteArray blockHead(char kind, quint64 size)
{
    QByteArray head(blockHeadSize, Qt::Uninitialized);
    head[0] = kind;
    qToBigEndian(size, head.data() + 1);
    return head;
}

QByteArray blockDigest(const QByteArray& head, const QByteArray& content)
{
    return sha256({head, content});
}

bool writeBlock(QFile& file, char kind, const QByteArray& content)
{
    const QByteArray head = blockHead(kind, quint64(content.size()));
    return file.write(head) == head.size() && file.write(content) == content.size() &&
           file.write(blockDigest(head, content)) == digestSize;
}

template <typename... Fields> QByteArray blockContent(const Fields&... fields)
{
    QByteArray content;
    QDataStream out(&content, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    (out << ... << fields);
    return content;
}

struct Block
{
    char kind = 0;
    qint64 size = 0;
    QByteArray content; // empty when skipped
    bool whole = false; // its digest matches (a skipped block is taken as whole)
};

// The block at the file's position, or nothing where the file ends inside it. Its size is
// checked against what the file holds before anything is allocated for it.
std::optional<Block> readBlock(QFile& file, bool withOldBytes)
{
    const QByteArray head = file.read(blockHeadSize);
    if (head.size() != blockHeadSize)
        return std::nullopt;
    Block block;
    block.kind = head[0];
    const quint64 size = qFromBigEndian<quint64>(head.constData() + 1);
    const qint64 left = file.size() - file.pos() - digestSize;
    if (left < 0 || size > quint64(left))
        return std::nullopt;
    block.size = qint64(size);
    if (block.kind == oldBytesBlock && !withOldBytes) {
        block.whole = file.seek(file.pos() + block.size + digestSize);
        return block;
    }
    block.content = file.read(block.size);
    const QByteArray digest = file.read(digestSize);
    if (block.content.size() != block.size || digest.size() != digestSize)
        return std::nullopt;
    block.whole = digest == blockDigest(head, block.content);
    return block;
}

struct RecordHead
{
    JournalRecord record;
    quint64 oldSize = 0;
};

std::optional<RecordHead> readRecordHead(const Block& block)
{
    RecordHead head;
    QDataStream in(block.content);
    in.setVersion(QDataStream::Qt_6_0);
    in >> head.record.path >> head.record.newDigest >> head.oldSize;
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return head;
}

// The old bytes a link block names, whole when they are what was read before the page's
// replacement. A link is never written through, so only damage or an edit of the page in
// place before its replacement changes them.
void readLinked(const Block& block, quint64 oldSize, bool withBytes, const QString& linksFolder,
                JournalRecord& record)
{
    QString name;
    QByteArray oldDigest;
    QDataStream in(block.content);
    in.setVersion(QDataStream::Qt_6_0);
    in >> name >> oldDigest;
    record.whole = block.whole && in.status() == QDataStream::Ok && in.atEnd() &&
                   !name.contains(u'/') && !name.isEmpty();
    if (!record.whole)
        return;
    record.oldFile = QDir(linksFolder).filePath(name);
    if (!withBytes)
        return;
    QFile old(record.oldFile);
    if (!old.open(QIODevice::ReadOnly) || quint64(old.size()) != oldSize) {
        record.whole = false;
        return;
    }
    record.oldBytes = old.readAll();
    record.whole = sha256({record.oldBytes}) == oldDigest;
    if (!record.whole)
        record.oldBytes.clear();
}

// Reads the records after the header; stops at the first block that is not whole, except the
// old bytes of a whole record, whose size is known: that record alone is damaged.
void readRecords(QFile& file, bool withBytes, JournalEntry& entry)
{
    std::optional<RecordHead> pending; // a record waiting for its old bytes
    qsizetype synced = 0;
    while (!file.atEnd()) {
        const std::optional<Block> block = readBlock(file, withBytes);
        if (block && pending && block->kind == oldBytesBlock &&
            quint64(block->size) == pending->oldSize) {
            pending->record.whole = block->whole;
            if (block->whole)
                pending->record.oldBytes = block->content;
            entry.records.append(std::move(pending->record));
            pending.reset();
            continue;
        }
        if (block && pending && block->kind == linkBlock) {
            readLinked(*block, pending->oldSize, withBytes, linksFolderOf(entry.file),
                       pending->record);
            entry.records.append(std::move(pending->record));
            pending.reset();
            continue;
        }
        if (!block || !block->whole || pending) {
            entry.cutShort = true;
            break;
        }
        if (block->kind == recordBlock && (pending = readRecordHead(*block)))
            continue;
        quint64 count = 0;
        QDataStream in(block->content);
        in.setVersion(QDataStream::Qt_6_0);
        in >> count;
        const bool isMark = block->kind == syncBlock || block->kind == finishBlock;
        if (!isMark || in.status() != QDataStream::Ok || count != quint64(entry.records.size())) {
            entry.cutShort = true;
            break;
        }
        synced = entry.records.size();
        entry.finished = block->kind == finishBlock && file.atEnd();
    }
    if (pending) {
        pending->record.whole = false;
        entry.records.append(std::move(pending->record));
    }
    for (qsizetype i = 0; i < synced; ++i)
        entry.records[i].synced = true;
}

std::optional<JournalEntry> readEntry(const QString& path, bool withBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray version = file.read(magic.size());
    if (version != magic && version != copiesOnlyMagic)
        return std::nullopt;
    const std::optional<Block> header = readBlock(file, false);
    if (!header || !header->whole || header->kind != headerBlock)
        return std::nullopt;
    JournalEntry entry;
    entry.file = path;
    qint64 msecs = 0;
    QDataStream in(header->content);
    in.setVersion(QDataStream::Qt_6_0);
    in >> msecs >> entry.command.command >> entry.command.projectFile >> entry.command.project;
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    entry.time = QDateTime::fromMSecsSinceEpoch(msecs, QTimeZone::utc());
    readRecords(file, withBytes, entry);
    return entry;
}

} // namespace

QString defaultJournalFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("journal"));
}

QString journalProjectFile(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

QByteArray journalDigest(const QByteArray& bytes)
{
    return sha256({bytes});
}

JournalDigests journalDigests(const QByteArray& oldBytes, const QByteArray& newBytes)
{
    return {journalDigest(oldBytes), journalDigest(newBytes)};
}

JournalWriter::JournalWriter(QString folder, JournalCommand command)
    : m_folder(std::move(folder)), m_command(std::move(command))
{}

// Without the mark, undo cannot tell a command killed halfway from an entry cut short later.
JournalWriter::~JournalWriter()
{
    if (!m_file.isOpen() || !m_error.isEmpty() || !sync())
        return;
    if (writeBlock(m_file, finishBlock, blockContent(quint64(m_records))) && m_file.flush())
        syncHandle(m_file.handle());
}

bool JournalWriter::create()
{
    // The system's reason is kept, for the message that names the folder.
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(m_folder).toStdString(), error);
    if (error)
        return fail(QString::fromStdString(error.message()));
    m_file.setFileName(QDir(m_folder).filePath(newEntryName()));
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(m_file.errorString());
    const QByteArray header =
        blockContent(QDateTime::currentMSecsSinceEpoch(), m_command.command,
                     journalProjectFile(m_command.projectFile), m_command.project);
    if (m_file.write(magic) != magic.size() || !writeBlock(m_file, headerBlock, header) || !sync())
        return fail(m_file.errorString());
    syncFolder(m_folder);
#ifndef Q_OS_WIN
    struct stat status
    {};
    if (::fstat(m_file.handle(), &status) == 0)
        m_device = quint64(status.st_dev);
#endif
    pruneJournal(m_folder);
    return true;
}

bool JournalWriter::append(const QString& path, const QByteArray& oldBytes,
                           const JournalDigests& digests, PageStamp* stamp)
{
    // After a failure the file may end in part of a block, and a record behind it could not
    // be read back.
    if (!m_error.isEmpty() || (!m_file.isOpen() && !create()))
        return false;
    const QByteArray record = blockContent(path, digests.newBytes, quint64(oldBytes.size()));
    const QString link = stamp ? linkOldFile(path, *stamp) : QString();
    const bool written =
        writeBlock(m_file, recordBlock, record) &&
        (link.isEmpty() ? writeBlock(m_file, oldBytesBlock, oldBytes)
                        : writeBlock(m_file, linkBlock, blockContent(link, digests.oldBytes)));
    if (!written)
        return fail(m_file.errorString());
    ++m_records;
    return true;
}

// A hard link keeps the page's old file when the rename takes its name, with no copy. Only
// the very file read, named nowhere else (an edit through another name would change it), on
// the journal's file system; otherwise the bytes are copied. Returns the link's name.
QString JournalWriter::linkOldFile(const QString& path, PageStamp& stamp)
{
    if (!stamp.known)
        return {};
    const QString folder = linksFolderOf(m_file.fileName());
    const QString name = QString::number(m_records);
    const QByteArray link = QFile::encodeName(QDir(folder).filePath(name));
    if (::linkat(AT_FDCWD, QFile::encodeName(path).constData(), AT_FDCWD, link.constData(),
                 AT_SYMLINK_FOLLOW) != 0) {
        if (errno != ENOENT || !QDir().mkpath(folder) ||
            ::linkat(AT_FDCWD, QFile::encodeName(path).constData(), AT_FDCWD, link.constData(),
                     AT_SYMLINK_FOLLOW) != 0)
            return {};
        syncFolder(m_folder);
    }
    struct stat status
    {};
    const bool same =
        ::stat(link.constData(), &status) == 0 && status.st_nlink == 2 &&
        quint64(status.st_dev) == stamp.device && quint64(status.st_ino) == stamp.inode &&
        status.st_size == stamp.size &&
        qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec == stamp.modified;
    if (!same) {
        ::unlink(link.constData());
        return {};
    }
    // The link changed the page's status time and nothing else.
    stamp.changed = qint64(status.st_ctim.tv_sec) * 1'000'000'000 + status.st_ctim.tv_nsec;
    m_linked = true;
    return name;
}

// The sync mark goes to the disk with the records it counts: a page is replaced only after it.
bool JournalWriter::sync(bool wholeFileSystem)
{
    if (!m_error.isEmpty())
        return false;
    if (!m_file.isOpen())
        return true;
    // The links' names are durable before the mark that counts their records.
    if (m_linked && !wholeFileSystem)
        syncFolder(linksFolderOf(m_file.fileName()));
    m_linked = false;
    if (m_synced != m_records && !writeBlock(m_file, syncBlock, blockContent(quint64(m_records))))
        return fail(m_file.errorString());
    if (!m_file.flush())
        return fail(m_file.errorString());
    if (wholeFileSystem ? !syncFileSystem(m_file.handle()) : !syncHandle(m_file.handle()))
        return fail(systemErrorText(errno));
    m_synced = m_records;
    return true;
}

bool JournalWriter::fail(const QString& error)
{
    m_error = error;
    return false;
}

QList<JournalEntry> readJournal(const QString& folder, bool withBytes)
{
    QList<JournalEntry> entries;
    for (const QString& file : entryFiles(folder)) {
        if (std::optional<JournalEntry> entry = readEntry(file, withBytes))
            entries.append(std::move(*entry));
    }
    return entries;
}

std::optional<JournalEntry> lastJournalEntry(const QString& folder, const QString& projectFile)
{
    const QList<JournalEntry> entries = readJournal(folder, false);
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        if (it->command.projectFile == journalProjectFile(projectFile))
            return readEntry(it->file, true);
    }
    return std::nullopt;
}

qsizetype journalPageCount(const JournalEntry& entry)
{
    QSet<QString> paths;
    for (const JournalRecord& record : entry.records)
        paths.insert(record.path);
    return paths.size();
}

bool removeJournalEntry(const JournalEntry& entry)
{
    return removeEntryFile(entry.file);
}

} // namespace quillet
