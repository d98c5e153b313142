#pragma once

#include "engine/pagebatch.h"
#include "engine/pagefile.h"
#include "engine/pagejournal.h"
#include "engine/usermessage.h"

#include <QHash>
#include <functional>
#include <optional>
#include <vector>

// How a command reads and replaces pages: every page a command changes goes through one
// PageWriter, journalled on disk (JournalledPages) or kept in memory for a dry run
// (DryRunPages). Runs over many pages replace them a batch at a time (DiskPages).
namespace quillet {

class PageWriter
{
public:
    // The text a page had before a command's replacement and the text that replaced it.
    using ChangeListener =
        std::function<void(const QString& path, const QString& before, const QString& after)>;

    virtual ~PageWriter() = default;

    // The page as the command sees it now.
    virtual PageRead read(const QString& path) = 0;

    // Replaces the page, read as before, with text in before's format; on failure the page is
    // unchanged.
    virtual PageWrite replace(const QString& path, const PageRead& before, const QString& text) = 0;

    // A page's new text made ready to replace it: encoded, digested where a journal keeps
    // one, put aside beside the page for a batch on disk. Safe on any thread (a run prepares
    // pages ahead of their writing).
    struct Prepared
    {
        QString text;
        PageBytes encoded; // !ok: the text cannot be written in the page's format; the bytes
                           // are dropped once put aside
        JournalDigests digests;
        PageBatch::Aside aside;
    };
    virtual Prepared prepare(const QString& path, const PageRead& before,
                             const QString& text) const;

    // Whether read() may be called on other threads while the command writes (pages ahead).
    virtual bool readsAhead() const { return false; }

    // Told of every page replaced.
    void setChangeListener(ChangeListener listener) { m_listener = std::move(listener); }
    bool hasChangeListener() const { return bool(m_listener); }

    // Replacement in batches, for runs: a page given to replaceLater is replaced by the next
    // flush, whose results come by slot. Here both happen at once.
    struct Deferred
    {
        qsizetype slot = -1;
        QString error; // when slot < 0: nothing will be replaced
    };
    virtual Deferred replaceLater(const QString& path, const PageRead& before, Prepared prepared);
    virtual QList<PageWrite> flush();
    // Whether a page waiting for flush is the file at path.
    virtual bool waits(const QString& /*path*/) const { return false; }
    virtual bool batchFull() const { return false; }

    // Told when a run has flushed its last batch: it waits for whatever the batches still do
    // in the background.
    virtual void runEnded() {}

    // Why no page could be written, once the journal failed: to be said once, with its folder.
    virtual std::optional<UserMessage> journalFailure() const { return std::nullopt; }

protected:
    void changed(const QString& path, const QString& before, const QString& after) const;

private:
    ChangeListener m_listener;
    QList<PageWrite> m_replaced; // replaceLater's results until flush
};

// Pages on disk. A page is replaced only after what record() took of it is durable
// (syncRecords). Every page's new bytes wait beside it and are put in place with the rest of
// its batch (PageBatch), the records synced once per batch; replace() is a batch of one.
class DiskPages : public PageWriter
{
public:
    // namesFolder: where each batch announces the names it gives new files (PageBatch).
    explicit DiskPages(const QString& namesFolder = {});

    PageRead read(const QString& path) override;
    PageWrite replace(const QString& path, const PageRead& before, const QString& text) override;

    Prepared prepare(const QString& path, const PageRead& before,
                     const QString& text) const override;
    Deferred replaceLater(const QString& path, const PageRead& before, Prepared prepared) override;
    QList<PageWrite> flush() override;
    bool readsAhead() const override { return true; }
    bool waits(const QString& path) const override;
    bool batchFull() const override;
    void runEnded() override;

protected:
    // What record() keeps of the old and the new bytes, made as the page is prepared.
    virtual JournalDigests digestsOf(const PageRead& before, const QByteArray& newBytes) const;
    // before's stamp follows what the record does to the page's file (a link).
    virtual PageWrite record(const QString& path, PageRead& before, const Prepared& prepared);

    // Makes the records durable before the batch's pages are replaced; the file system it
    // synced whole after the batch was staged, if any, which the batch need not sync again.
    struct RecordsSynced
    {
        PageWrite write;
        std::optional<quint64> syncedDevice;
    };
    virtual RecordsSynced syncRecords(const PageBatch& batch);

private:
    struct Change
    {
        qsizetype slot;
        QString path;
        QString before;
        QString after;
    };
    PageBatch m_batch;
    std::vector<Change> m_changes; // in the order staged, only when someone listens
};

// Pages on disk. A page is replaced only after its old bytes are durable in the command's
// journal entry, so that a command killed at any moment can be taken back.
class JournalledPages : public DiskPages
{
public:
    JournalledPages(const QString& journalFolder, JournalCommand command);

    // replace() in its three steps, one page at a time, to stop between them as a kill would.
    // The order must hold for every page: stage (its record appended), then syncJournal, only
    // then commit; a page committed before a sync that covers its record could not be taken
    // back after a crash.
    struct Staged
    {
        QString path;
        QByteArray bytes; // the new bytes
        PageRead before;  // the page must still be this file when replaced
        QString newText;  // for the change listener
    };
    struct StageResult
    {
        PageWrite write; // !ok: nothing staged, the page stays as it is
        Staged staged;
    };
    StageResult stage(const QString& path, const PageRead& before, const QString& text);
    PageWrite syncJournal();
    PageWrite commit(const Staged& staged);

    std::optional<UserMessage> journalFailure() const override;

protected:
    JournalDigests digestsOf(const PageRead& before, const QByteArray& newBytes) const override;
    PageWrite record(const QString& path, PageRead& before, const Prepared& prepared) override;
    RecordsSynced syncRecords(const PageBatch& batch) override;

private:
    static PageWrite journalUnwritable();

    JournalWriter m_journal;
};

// A dry run: nothing is written. A page "replaced" is kept in memory, and later reads of the
// same command see it, so the run reports what the real one would.
class DryRunPages : public PageWriter
{
public:
    PageRead read(const QString& path) override;
    PageWrite replace(const QString& path, const PageRead& before, const QString& text) override;

private:
    QHash<QString, Page> m_pages;
};

} // namespace quillet
