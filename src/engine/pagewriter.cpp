#include "engine/pagewriter.h"

#include <QCoreApplication>

namespace quillet {

void PageWriter::changed(const QString& path, const QString& before, const QString& after) const
{
    if (m_listener)
        m_listener(path, before, after);
}

PageWriter::Prepared PageWriter::prepare(const QString&, const PageRead& before,
                                         const QString& text) const
{
    return {text, encodePage(text, before.page.format), {}, {}};
}

PageWriter::Deferred PageWriter::replaceLater(const QString& path, const PageRead& before,
                                              Prepared prepared)
{
    const PageWrite written = replace(path, before, prepared.text);
    if (!written.ok)
        return {-1, written.error};
    m_replaced.append(written);
    return {m_replaced.size() - 1, {}};
}

QList<PageWrite> PageWriter::flush()
{
    return std::exchange(m_replaced, {});
}

DiskPages::DiskPages(const QString& namesFolder) : m_batch(namesFolder) {}

PageRead DiskPages::read(const QString& path)
{
    return readPage(path);
}

// A single page is a batch of one: written, made durable and named as a run's pages are, so
// that a kill leaves nothing the next command cannot take away.
PageWrite DiskPages::replace(const QString& path, const PageRead& before, const QString& text)
{
    Q_ASSERT(m_batch.isEmpty());
    const Deferred deferred = replaceLater(path, before, prepare(path, before, text));
    if (deferred.slot < 0)
        return {false, deferred.error};
    return flush().value(deferred.slot);
}

PageWriter::Prepared DiskPages::prepare(const QString& path, const PageRead& before,
                                        const QString& text) const
{
    Prepared prepared = PageWriter::prepare(path, before, text);
    if (!prepared.encoded.ok)
        return prepared;
    prepared.digests = digestsOf(before, prepared.encoded.bytes);
    prepared.aside = PageBatch::putAside(path, std::exchange(prepared.encoded.bytes, {}));
    return prepared;
}

PageWriter::Deferred DiskPages::replaceLater(const QString& path, const PageRead& before,
                                             Prepared prepared)
{
    if (!prepared.encoded.ok)
        return {-1, unencodableError()};
    PageRead read = before;
    const PageWrite recorded = record(path, read, prepared);
    if (!recorded.ok)
        return {-1, recorded.error};
    const PageBatch::Staged staged = m_batch.stage(std::move(prepared.aside), read);
    if (staged.slot >= 0 && hasChangeListener())
        m_changes.push_back({staged.slot, path, before.page.text, prepared.text});
    return {staged.slot, staged.error};
}

QList<PageWrite> DiskPages::flush()
{
    if (m_batch.isEmpty())
        return {};
    const RecordsSynced synced = syncRecords(m_batch);
    const QList<PageWrite> results =
        synced.write.ok ? m_batch.commit(synced.syncedDevice) : m_batch.drop(synced.write.error);
    for (const Change& change : m_changes) {
        if (results.at(change.slot).ok)
            changed(change.path, change.before, change.after);
    }
    m_changes.clear();
    return results;
}

bool DiskPages::waits(const QString& path) const
{
    return m_batch.holds(path);
}

bool DiskPages::batchFull() const
{
    return m_batch.isFull();
}

void DiskPages::runEnded()
{
    m_batch.finishReleasing();
}

JournalDigests DiskPages::digestsOf(const PageRead&, const QByteArray&) const
{
    return {};
}

PageWrite DiskPages::record(const QString&, PageRead&, const Prepared&)
{
    return {true, {}};
}

DiskPages::RecordsSynced DiskPages::syncRecords(const PageBatch&)
{
    return {{true, {}}, std::nullopt};
}

// The journal's own reason is told once, with its folder (journalFailure); a page's line would
// read as if the page were at fault.
PageWrite JournalledPages::journalUnwritable()
{
    return {false, QCoreApplication::translate("PageWriter", "取り消し用の記録を書き込めません")};
}

// Names a killed command left beside the pages go before this command reads any.
JournalledPages::JournalledPages(const QString& journalFolder, JournalCommand command)
    : DiskPages(journalFolder), m_journal(journalFolder, std::move(command))
{
    BatchIntent::removeLeftNames(journalFolder);
}

// The digests are the costly part of a record; a run makes them on the threads that prepare
// its pages ahead.
JournalDigests JournalledPages::digestsOf(const PageRead& before, const QByteArray& newBytes) const
{
    return journalDigests(before.bytes, newBytes);
}

PageWrite JournalledPages::record(const QString& path, PageRead& before, const Prepared& prepared)
{
    if (!m_journal.append(path, before.bytes, prepared.digests, &before.stamp))
        return journalUnwritable();
    return {true, {}};
}

std::optional<UserMessage> JournalledPages::journalFailure() const
{
    if (m_journal.error().isEmpty())
        return std::nullopt;
    return UserMessage{
        QString(),
        QCoreApplication::translate("PageWriter",
                                    "取り消し用の記録を書き込めなかったので、ページは書き換えません"
                                    "でした。\r\n") +
            m_journal.folder() + QStringLiteral("\r\n") + m_journal.error()};
}

// Where the journal shares the pages' file system, one syncfs makes the records and the
// batch's new pages durable together.
DiskPages::RecordsSynced JournalledPages::syncRecords(const PageBatch& batch)
{
    const quint64 device = m_journal.device();
    const bool shared = device != 0 && batch.syncs(device);
    if (!m_journal.sync(shared))
        return {journalUnwritable(), std::nullopt};
    return {{true, {}}, shared ? std::optional(device) : std::nullopt};
}

JournalledPages::StageResult JournalledPages::stage(const QString& path, const PageRead& before,
                                                    const QString& text)
{
    StageResult result;
    Prepared prepared = PageWriter::prepare(path, before, text);
    if (!prepared.encoded.ok) {
        result.write = {false, unencodableError()};
        return result;
    }
    prepared.digests = digestsOf(before, prepared.encoded.bytes);
    PageRead read = before;
    result.write = record(path, read, prepared);
    if (!result.write.ok)
        return result;
    result.staged = {path, std::move(prepared.encoded.bytes), read, text};
    return result;
}

PageWrite JournalledPages::syncJournal()
{
    if (!m_journal.sync())
        return journalUnwritable();
    return {true, {}};
}

PageWrite JournalledPages::commit(const Staged& staged)
{
    const PageWrite written = replacePageBytes(staged.path, staged.before, staged.bytes);
    if (written.ok)
        changed(staged.path, staged.before.page.text, staged.newText);
    return written;
}

PageRead DryRunPages::read(const QString& path)
{
    const auto kept = m_pages.constFind(path);
    if (kept == m_pages.constEnd())
        return readPage(path);
    PageRead read;
    read.ok = true;
    read.page = *kept;
    read.bytes = encodePage(kept->text, kept->format).bytes;
    return read;
}

PageWrite DryRunPages::replace(const QString& path, const PageRead& before, const QString& text)
{
    if (!encodePage(text, before.page.format).ok)
        return {false, unencodableError()};
    m_pages.insert(path, {text, before.page.format});
    changed(path, before.page.text, text);
    return {true, {}};
}

} // namespace quillet
