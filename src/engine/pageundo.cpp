#include "engine/pageundo.h"

#include "engine/pagebatch.h"
#include "engine/pagefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

#include <sys/stat.h>

namespace quillet {

namespace {

enum class PageUndo {
    Restored,
    NotWritten,
    ChangedSince,
    Unreadable,
    Unwritable,
    NotWritable,
    Damaged,
};

QString undoLogLine(const QString& path, PageUndo state, const QString& reason)
{
    switch (state) {
    case PageUndo::Restored:
        return path + QCoreApplication::translate("PageUndo", "を元に戻しました。");
    case PageUndo::NotWritten:
        return path + QCoreApplication::translate("PageUndo",
                                                  "は書き換えられる前だったので、そのままです。");
    case PageUndo::ChangedSince:
        return path + QCoreApplication::translate(
                          "PageUndo", "はこの処理の後に変更されているので、元に戻しませんでした。");
    case PageUndo::Unreadable:
        return path + QCoreApplication::translate("PageUndo",
                                                  "を読み込めないので、元に戻しませんでした。");
    case PageUndo::NotWritable:
        return path + QCoreApplication::translate(
                          "PageUndo", "は書き込みが許可されていないため元に戻しませんでした。");
    case PageUndo::Damaged:
        return path + QCoreApplication::translate(
                          "PageUndo", "は取り消し用の記録が壊れているので、元に戻せません。");
    case PageUndo::Unwritable:
        break;
    }
    const QString line = path + QCoreApplication::translate("PageUndo", "を書き込めませんでした。");
    return reason.isEmpty() ? line : line + u'(' + reason + u')';
}

bool isLeft(PageUndo state)
{
    return state != PageUndo::Restored && state != PageUndo::NotWritten;
}

// Whether the entry must stay for another undo: a page could not be written, or its record
// is damaged.
bool keepsEntry(PageUndo state)
{
    return state == PageUndo::Unwritable || state == PageUndo::NotWritable ||
           state == PageUndo::Damaged;
}

PageUndo stateOf(const PageWrite& written)
{
    if (written.ok)
        return PageUndo::Restored;
    switch (written.left) {
    case PageLeft::ChangedSince:
        return PageUndo::ChangedSince;
    case PageLeft::NotWritable:
        return PageUndo::NotWritable;
    case PageLeft::Failed:
        break;
    }
    return PageUndo::Unwritable;
}

bool isSameFile(const QString& path, const QString& other)
{
    struct stat one
    {};
    struct stat two
    {};
    return !other.isEmpty() && ::stat(QFile::encodeName(path).constData(), &one) == 0 &&
           ::stat(QFile::encodeName(other).constData(), &two) == 0 && one.st_dev == two.st_dev &&
           one.st_ino == two.st_ino;
}

// What one page goes back to: through its records newest first, as long as each holds the
// bytes the page has by then (a page written twice by the command goes back through both).
struct PagePlan
{
    PageUndo state = PageUndo::NotWritten;
    QByteArray bytes;              // to write when Restored
    bool replacedUnsynced = false; // a record without sync mark was acted on: marks were lost
};

PagePlan planPage(const QString& path, const QList<const JournalRecord*>& newestFirst,
                  const QByteArray& current)
{
    PagePlan plan;
    QByteArray bytes = current;
    for (const JournalRecord* record : newestFirst) {
        const bool replaced = journalDigest(bytes) == record->newDigest;
        if (replaced && record->whole) {
            plan.replacedUnsynced = plan.replacedUnsynced || !record->synced;
            bytes = record->oldBytes;
            plan.state = PageUndo::Restored;
            continue;
        }
        // A record cut off by a kill before the sync: its page was never replaced. Nor was a
        // page that is still the file its record links to (edited in place instead).
        if (!record->whole && !replaced && (!record->synced || isSameFile(path, record->oldFile)))
            continue;
        if (!record->whole) {
            plan.state = PageUndo::Damaged;
            return plan;
        }
        if (bytes == record->oldBytes)
            continue;
        if (plan.state != PageUndo::Restored)
            plan.state = PageUndo::ChangedSince;
        break;
    }
    plan.bytes = bytes;
    return plan;
}

// The entry's pages in the order first written, each with its records newest first.
using PageRecords = QList<std::pair<QString, QList<const JournalRecord*>>>;

PageRecords recordsByPage(const JournalEntry& entry)
{
    PageRecords pages;
    QHash<QString, qsizetype> index;
    for (const JournalRecord& record : entry.records) {
        const auto found = index.constFind(record.path);
        if (found == index.constEnd()) {
            index.insert(record.path, pages.size());
            pages.append({record.path, {&record}});
        } else {
            pages[*found].second.prepend(&record);
        }
    }
    return pages;
}

// Gives the planned pages their bytes a batch at a time, as a run writes them.
class UndoWrites
{
public:
    UndoWrites(QHash<QString, PageUndo>& states, const QString& journalFolder)
        : m_states(states), m_batch(journalFolder)
    {}

    void add(const QString& path, const PageRead& current, const QByteArray& bytes)
    {
        const PageBatch::Staged staged = m_batch.stage(path, current, bytes);
        if (staged.slot < 0) {
            m_states.insert(path, PageUndo::Unwritable);
            m_reasons.insert(path, staged.error);
            return;
        }
        m_waiting.append(path);
        if (m_batch.isFull())
            commit();
    }

    void commit()
    {
        if (m_batch.isEmpty())
            return;
        const QList<PageWrite> written = m_batch.commit();
        for (qsizetype i = 0; i < m_waiting.size(); ++i) {
            m_states.insert(m_waiting[i], stateOf(written.value(i)));
            m_reasons.insert(m_waiting[i], written.value(i).error);
        }
        m_waiting.clear();
        m_batch.finishReleasing();
    }

    // The system's reason for a page that could not be written.
    QString reason(const QString& path) const { return m_reasons.value(path); }

private:
    QHash<QString, PageUndo>& m_states;
    QHash<QString, QString> m_reasons;
    PageBatch m_batch;
    QStringList m_waiting; // by slot
};

// Plans every page and writes those that go back; whether a record without a sync mark was
// acted on (the mark after it is lost, and records with it).
bool givePagesBack(const PageRecords& pages, UndoWrites& writes, QHash<QString, PageUndo>& states)
{
    bool marksLost = false;
    for (const auto& [path, records] : pages) {
        const PageRead current = readPageBytes(path);
        if (!current.ok) {
            states.insert(path, PageUndo::Unreadable);
            continue;
        }
        const PagePlan plan = planPage(path, records, current.bytes);
        marksLost = marksLost || plan.replacedUnsynced;
        states.insert(path, plan.state);
        if (plan.state == PageUndo::Restored)
            writes.add(path, current, plan.bytes);
    }
    writes.commit();
    return marksLost;
}

// Logs every page; whether the entry must stay for another undo.
bool logPages(const PageRecords& pages, const UndoWrites& writes,
              const QHash<QString, PageUndo>& states, UndoResult& result)
{
    bool keep = false;
    for (const auto& [path, records] : pages) {
        const PageUndo state = states.value(path);
        result.log.append(undoLogLine(path, state, writes.reason(path)));
        result.pageLeft = result.pageLeft || isLeft(state);
        // In an entry that did not end, a page that matches none of its records may have
        // been written by a record lost since.
        result.damaged = result.damaged || state == PageUndo::Damaged ||
                         (!result.entry->finished && state == PageUndo::ChangedSince);
        keep = keep || keepsEntry(state);
    }
    // A damaged entry may have lost records whose pages nobody can name any more.
    result.pageLeft = result.pageLeft || result.damaged;
    return keep || result.damaged;
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
    return journalEntryLine(entry, entry.command.command);
}

QString journalEntryLine(const JournalEntry& entry, const QString& commandName)
{
    return entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) +
           QStringLiteral("  ") + commandName + QStringLiteral("  ") + entry.command.project +
           QStringLiteral("  ") + QString::number(journalPageCount(entry)) +
           QCoreApplication::translate("PageUndo", " ページ");
}

UserMessage damagedEntryMessage(const JournalEntry& entry)
{
    return {QString(),
            QCoreApplication::translate(
                "PageUndo", "取り消し用の記録が壊れているか途中で終わっているので、元に戻せない"
                            "ページがあるかもしれません。記録は消さずに残しました。\r\n") +
                entry.file};
}

UndoResult undoLastCommand(const QString& journalFolder, const QString& projectFile)
{
    UndoResult result;
    BatchIntent::removeLeftNames(journalFolder);
    result.entry = lastJournalEntry(journalFolder, projectFile);
    if (!result.entry)
        return result;
    const PageRecords pages = recordsByPage(*result.entry);
    QHash<QString, PageUndo> states;
    UndoWrites writes(states, journalFolder);
    result.damaged = givePagesBack(pages, writes, states);
    const bool keep = logPages(pages, writes, states, result);
    if (!keep)
        removeJournalEntry(*result.entry);
    for (JournalRecord& record : result.entry->records)
        record.oldBytes.clear();
    return result;
}

} // namespace quillet
