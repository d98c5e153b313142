#pragma once

#include "engine/pagefile.h"
#include "engine/pagejournal.h"

#include <QHash>
#include <functional>

// How a command reads and replaces pages: every page a command changes goes through one
// PageWriter, journalled on disk (JournalledPages) or kept in memory for a dry run
// (DryRunPages).
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

    // Told of every page replaced.
    void setChangeListener(ChangeListener listener) { m_listener = std::move(listener); }

protected:
    void changed(const QString& path, const QString& before, const QString& after) const;

private:
    ChangeListener m_listener;
};

// Pages on disk. A page is replaced only after its old bytes are durable in the command's
// journal entry, so that a command killed at any moment can be taken back.
class JournalledPages : public PageWriter
{
public:
    JournalledPages(QString journalFolder, JournalCommand command);

    PageRead read(const QString& path) override;
    PageWrite replace(const QString& path, const PageRead& before, const QString& text) override;

    // replace() in its three steps, for writing several pages at a time. The order must hold
    // for every page: stage (its record appended), then syncJournal, only then commit. Several
    // pages may be staged before one sync and their commits; a page committed before a sync
    // that covers its record could not be taken back after a crash.
    struct Staged
    {
        QString path;
        QByteArray bytes; // the new bytes
        QString oldText;  // for the change listener
        QString newText;
    };
    struct StageResult
    {
        PageWrite write; // !ok: nothing staged, the page stays as it is
        Staged staged;
    };
    StageResult stage(const QString& path, const PageRead& before, const QString& text);
    PageWrite syncJournal();
    PageWrite commit(const Staged& staged);

private:
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
