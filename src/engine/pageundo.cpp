#include "engine/pageundo.h"

#include "engine/pagefile.h"

#include <QFile>
#include <QHash>
#include <QSet>

namespace quillet {

namespace {

enum class PageUndo { Restored, NotWritten, ChangedSince, Unreadable, Unwritable };

QString undoLogLine(const QString& path, PageUndo state)
{
    switch (state) {
    case PageUndo::Restored:
        return path + QStringLiteral("を元に戻しました。");
    case PageUndo::NotWritten:
        return path + QStringLiteral("は書き換えられる前だったので、そのままです。");
    case PageUndo::ChangedSince:
        return path + QStringLiteral("はこの処理の後に変更されているので、元に戻しませんでした。");
    case PageUndo::Unreadable:
        return path + QStringLiteral("を読み込めないので、元に戻しませんでした。");
    case PageUndo::Unwritable:
        break;
    }
    return path + QStringLiteral("を書き込めませんでした。");
}

bool isLeft(PageUndo state)
{
    return state != PageUndo::Restored && state != PageUndo::NotWritten;
}

std::optional<QByteArray> currentBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

PageUndo undoRecord(const JournalRecord& record)
{
    const std::optional<QByteArray> bytes = currentBytes(record.path);
    if (!bytes)
        return PageUndo::Unreadable;
    if (journalDigest(*bytes) == record.newDigest)
        return writePageBytes(record.path, record.oldBytes).ok ? PageUndo::Restored
                                                               : PageUndo::Unwritable;
    // A kill between the record and the replacement left the page as it was.
    return *bytes == record.oldBytes ? PageUndo::NotWritten : PageUndo::ChangedSince;
}

} // namespace

QList<JournalEntry> undoableCommands(const QString& journalFolder, const QString& projectFile)
{
    QList<JournalEntry> entries;
    const QString file = journalProjectFile(projectFile);
    for (const JournalEntry& entry : readJournal(journalFolder, false)) {
        if (entry.command.projectFile == file)
            entries.prepend(entry);
    }
    return entries;
}

QString journalEntryLine(const JournalEntry& entry)
{
    return entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
           QStringLiteral("  ") + entry.command.command + QStringLiteral("  ") +
           entry.command.project + QStringLiteral("  ") + QString::number(journalPageCount(entry)) +
           QStringLiteral(" ページ");
}

UndoResult undoLastCommand(const QString& journalFolder, const QString& projectFile)
{
    UndoResult result;
    result.entry = lastJournalEntry(journalFolder, projectFile);
    if (!result.entry)
        return result;
    // Newest first: a page written twice by the command goes back through both records.
    QHash<QString, PageUndo> states;
    for (auto it = result.entry->records.crbegin(); it != result.entry->records.crend(); ++it) {
        const auto state = states.constFind(it->path);
        if (state != states.constEnd() && isLeft(*state))
            continue;
        const PageUndo undone = undoRecord(*it);
        if (state == states.constEnd() || undone != PageUndo::NotWritten)
            states.insert(it->path, undone);
    }
    bool writeFailed = false;
    QSet<QString> logged;
    for (const JournalRecord& record : std::as_const(result.entry->records)) {
        if (logged.contains(record.path))
            continue;
        logged.insert(record.path);
        const PageUndo state = states.value(record.path);
        result.log.append(undoLogLine(record.path, state));
        result.pageLeft = result.pageLeft || isLeft(state);
        writeFailed = writeFailed || state == PageUndo::Unwritable;
    }
    if (!writeFailed)
        removeJournalEntry(*result.entry);
    for (JournalRecord& record : result.entry->records)
        record.oldBytes.clear();
    return result;
}

} // namespace quillet
