#include "engine/pagejournal.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>
#include <QTimeZone>
#include <atomic>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quillet {

namespace {

const QByteArray magic("QUILLET-JOURNAL 1\n");
const QString entrySuffix = QStringLiteral(".journal");
constexpr quint8 recordStart = 'R';
constexpr quint8 recordEnd = 'E';
constexpr int digestSize = 32;

bool syncHandle(int handle)
{
#ifdef Q_OS_WIN
    return _commit(handle) == 0;
#else
    return ::fsync(handle) == 0;
#endif
}

// A new file's name is durable only once its folder is.
void syncFolder(const QString& folder)
{
#ifndef Q_OS_WIN
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
#else
    Q_UNUSED(folder)
#endif
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

void pruneJournal(const QString& folder)
{
    const QStringList files = entryFiles(folder);
    for (qsizetype i = 0; i + journalKeeps < files.size(); ++i)
        QFile::remove(files[i]);
}

bool readRecord(QDataStream& in, bool withBytes, JournalRecord& record)
{
    quint8 start = 0;
    quint8 end = 0;
    quint64 oldSize = 0;
    in >> start;
    if (start != recordStart)
        return false;
    in >> record.path >> oldSize;
    if (in.status() != QDataStream::Ok || oldSize > quint64(std::numeric_limits<qsizetype>::max()))
        return false;
    if (withBytes) {
        record.oldBytes.resize(qsizetype(oldSize));
        if (in.readRawData(record.oldBytes.data(), int(oldSize)) != qint64(oldSize))
            return false;
    } else if (in.skipRawData(int(oldSize)) != qint64(oldSize)) {
        return false;
    }
    record.newDigest.resize(digestSize);
    if (in.readRawData(record.newDigest.data(), digestSize) != digestSize)
        return false;
    in >> end;
    return in.status() == QDataStream::Ok && end == recordEnd;
}

std::optional<JournalEntry> readEntry(const QString& path, bool withBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.read(magic.size()) != magic)
        return std::nullopt;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_6_0);
    JournalEntry entry;
    entry.file = path;
    qint64 msecs = 0;
    in >> msecs >> entry.command.command >> entry.command.projectFile >> entry.command.project;
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    entry.time = QDateTime::fromMSecsSinceEpoch(msecs, QTimeZone::utc());
    JournalRecord record;
    while (!in.atEnd() && readRecord(in, withBytes, record))
        entry.records.append(std::move(record));
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
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

JournalWriter::JournalWriter(QString folder, JournalCommand command)
    : m_folder(std::move(folder)), m_command(std::move(command))
{}

bool JournalWriter::create()
{
    if (!QDir().mkpath(m_folder))
        return fail(QStringLiteral("取り消し用の記録のフォルダを作れませんでした: ") + m_folder);
    m_file.setFileName(QDir(m_folder).filePath(newEntryName()));
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return fail(m_file.errorString());
    QDataStream out(&m_file);
    out.setVersion(QDataStream::Qt_6_0);
    out.writeRawData(magic.constData(), int(magic.size()));
    out << QDateTime::currentMSecsSinceEpoch() << m_command.command
        << journalProjectFile(m_command.projectFile) << m_command.project;
    if (out.status() != QDataStream::Ok || !sync())
        return fail(m_file.errorString());
    syncFolder(m_folder);
    pruneJournal(m_folder);
    return true;
}

bool JournalWriter::append(const QString& path, const QByteArray& oldBytes,
                           const QByteArray& newBytes)
{
    if (!m_file.isOpen() && !create())
        return false;
    QDataStream out(&m_file);
    out.setVersion(QDataStream::Qt_6_0);
    out << recordStart << path << quint64(oldBytes.size());
    out.writeRawData(oldBytes.constData(), int(oldBytes.size()));
    const QByteArray digest = journalDigest(newBytes);
    out.writeRawData(digest.constData(), int(digest.size()));
    out << recordEnd;
    return out.status() == QDataStream::Ok || fail(m_file.errorString());
}

bool JournalWriter::sync()
{
    if (!m_file.isOpen())
        return true;
    if (!m_file.flush() || !syncHandle(m_file.handle()))
        return fail(m_file.errorString());
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
    return QFile::remove(entry.file);
}

} // namespace quillet
