#pragma once

#include "engine/batchintent.h"
#include "engine/pagefile.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

// Page replacements made durable together rather than one fsync each. Each page's new bytes
// go to an unnamed file in the page's folder; on commit the file system is synced once, each
// is renamed over its page, and the file system is synced once more. A crash leaves every page
// old or new; the new bytes have a name only from the link just before their rename. Those
// names are announced first (BatchIntent), so that the next command takes away any that a
// kill between the two calls left beside the pages.
namespace quillet {

class PageBatch
{
public:
    struct Limits
    {
        qsizetype pages = 256; // holding two open files each
        qsizetype bytes = 32 * 1024 * 1024;
    };

    // namesFolder: where the names of the batch in progress are announced (the journal's
    // folder); none when empty.
    explicit PageBatch(const QString& namesFolder = {});
    PageBatch(Limits limits, const QString& namesFolder);
    ~PageBatch(); // what was not committed is dropped, the pages untouched
    PageBatch(const PageBatch&) = delete;
    PageBatch& operator=(const PageBatch&) = delete;

    struct StagedFile;

    // The new bytes for a page, in an unnamed file beside it (or, where the folder takes no
    // unnamed file, in memory, for replacePageBytes at commit), made apart from any batch and
    // on any thread; nothing is named until a batch commits them.
    class Aside
    {
    public:
        Aside();
        ~Aside();
        Aside(Aside&&) noexcept;
        Aside& operator=(Aside&&) noexcept;

    private:
        friend class PageBatch;
        std::unique_ptr<StagedFile> m_file;
    };
    static Aside putAside(const QString& path, const QByteArray& bytes);

    // Takes the bytes put aside for the page read as before into the batch and returns their
    // slot in commit()'s results, or an error with the page untouched. A page is replaced only
    // if it is still the file read (mayReplace).
    struct Staged
    {
        qsizetype slot = -1;
        QString error; // the system's description when slot < 0
    };
    Staged stage(Aside aside, const PageRead& before);
    Staged stage(const QString& path, const PageRead& before, const QByteArray& bytes);

    // Whether a page staged and not yet committed is the file at path (through any link).
    bool holds(const QString& path) const;
    bool isFull() const;
    bool isEmpty() const;

    // Whether a staged page's new file lies on the file system of device, which commit syncs.
    bool syncs(quint64 device) const;

    // Replaces every staged page; one result per slot. The batch is empty afterwards. A file
    // system synced since the last page was staged (syncedDevice) is not synced again first.
    QList<PageWrite> commit(std::optional<quint64> syncedDevice = std::nullopt);
    // Replaces none: every slot fails with the error.
    QList<PageWrite> drop(const QString& error);

    // The replaced pages of a commit are released while the next batch is prepared; this
    // waits until they are.
    void finishReleasing();

    // Called between naming a page's new file and renaming it over the page: where a kill
    // leaves the most behind (for tests).
    void setBeforeRename(std::function<void()> call) { m_beforeRename = std::move(call); }

private:
    static Aside writeAtCommit(const QString& path, const QByteArray& bytes);
    void clear();
    void syncFileSystems(std::optional<quint64> syncedDevice = std::nullopt);
    void announceNames();
    void placeStaged();
    void placeOne(StagedFile& file) const;
    void releaseReplaced();

    Limits m_limits;
    std::unique_ptr<BatchIntent> m_intent;
    std::function<void()> m_beforeRename;
    qsizetype m_bytes = 0;
    std::vector<std::unique_ptr<StagedFile>> m_files;
    QSet<QString> m_fileIds;               // device and inode of every staged page
    std::vector<int> m_releasing;          // the last commit's replaced pages
    std::vector<std::jthread> m_releasers; // closing them; declared last, joined first
};

} // namespace quillet
