#include "engine/pagerun.h"

#include "engine/pagesahead.h"

#include <QCoreApplication>

#include <algorithm>
#include <deque>

namespace quillet {

namespace {

// Pages settled at a time when none of them is written, so that progress still comes.
constexpr qsizetype waitingLimit = 256;

void markUnwritten(const PageWrite& written, PageOutcome& outcome)
{
    outcome.logLine = unwritableLogLine(outcome.name, written);
    outcome.failed = true;
    if (outcome.unwrittenText)
        outcome.text = *outcome.unwrittenText;
}

// Outcomes waiting for their batch, logged in list order once it is durable. Only the last
// page read keeps its text: the run's result needs no other.
class WaitingOutcomes
{
public:
    qsizetype size() const { return qsizetype(m_waiting.size()); }

    void add(PageOutcome outcome)
    {
        if (outcome.read)
            m_lastRead = outcome;
        outcome.text.clear();
        outcome.unwrittenText.reset();
        m_waiting.push_back(std::move(outcome));
    }

    void settle(const QList<PageWrite>& writes, RunResult& result)
    {
        for (PageOutcome& outcome : m_waiting) {
            settleOne(writes, outcome);
            result.log.append(outcome.logLine);
            result.pageFailed = result.pageFailed || outcome.failed;
            if (outcome.saved) {
                settleSaved(writes, outcome.name, *outcome.saved);
                result.savedLog.append(outcome.saved->line);
                result.pageFailed = result.pageFailed || outcome.saved->failed;
            }
            if (outcome.failed || (outcome.saved && outcome.saved->failed))
                ++result.failedPages;
        }
        m_waiting.clear();
        if (!m_lastRead)
            return;
        settleOne(writes, *m_lastRead);
        result.lastPageText = std::move(m_lastRead->text);
        m_lastRead.reset();
    }

private:
    static void settleOne(const QList<PageWrite>& writes, PageOutcome& outcome)
    {
        if (outcome.batchSlot < 0)
            return;
        const PageWrite written = writes.value(outcome.batchSlot);
        if (!written.ok)
            markUnwritten(written, outcome);
    }

    static void settleSaved(const QList<PageWrite>& writes, const QString& name,
                            PageOutcome::SavedLine& saved)
    {
        if (saved.batchSlot < 0)
            return;
        const PageWrite written = writes.value(saved.batchSlot);
        if (written.ok)
            return;
        saved.line = unwritableLogLine(name, written);
        saved.failed = true;
    }

    std::vector<PageOutcome> m_waiting;
    std::optional<PageOutcome> m_lastRead;
};

using FileId = std::pair<quint64, quint64>;

PreparedPage preparePage(const QString& path, const PageDecision& decide, PageWriter& pages)
{
    PreparedPage page;
    page.read = pages.read(path);
    page.outcome = decide(path, page.read);
    if (page.outcome.replaces)
        page.replacement = pages.prepare(path, page.read, page.outcome.text);
    // Pages wait by the hundred: only a listener needs the text as read once decided on.
    if (!pages.hasChangeListener())
        page.read.page.text.clear();
    return page;
}

// The files of the pages handed to a batch lately. A page is read at most reach() pages
// ahead of the last one taken, and each batch is in place within waitingLimit pages: a page
// handed over earlier was replaced before any page still to come was read.
class RecentlyReplaced
{
public:
    explicit RecentlyReplaced(qsizetype window) : m_window(window) {}

    void add(qsizetype index, const PageRead& read)
    {
        m_files.push_back({index, {read.stamp.device, read.stamp.inode}});
    }

    // Whether the page at index, read ahead, may have been read before this run replaced it
    // (listed twice, or through another name): it is then read again, after that write.
    bool mayPredate(qsizetype index, const PageRead& read)
    {
        while (!m_files.empty() && m_files.front().first < index - m_window)
            m_files.pop_front();
        const FileId file{read.stamp.device, read.stamp.inode};
        return read.ok && (!read.stamp.known ||
                           std::any_of(m_files.begin(), m_files.end(), [&](const auto& replaced) {
                               return replaced.second == file;
                           }));
    }

private:
    qsizetype m_window;
    std::deque<std::pair<qsizetype, FileId>> m_files;
};

// Hands the page's replacement, or else the save's correction, to the batch; on failure the
// line concerned says so instead.
void writeReplacement(PageWriter& pages, const QString& path, PreparedPage& page)
{
    PageOutcome& outcome = page.outcome;
    if (page.replacement) {
        const PageWriter::Deferred deferred =
            pages.replaceLater(path, page.read, std::move(*page.replacement));
        outcome.batchSlot = deferred.slot;
        if (deferred.slot < 0)
            markUnwritten({false, deferred.error}, outcome);
    }
    if (!outcome.saved || !outcome.saved->text)
        return;
    if (outcome.batchSlot >= 0) {
        outcome.saved->batchSlot = outcome.batchSlot;
        return;
    }
    const PageWriter::Deferred deferred =
        pages.replaceLater(path, page.read, pages.prepare(path, page.read, *outcome.saved->text));
    outcome.saved->batchSlot = deferred.slot;
    if (deferred.slot < 0)
        outcome.saved = PageOutcome::SavedLine{
            unwritableLogLine(outcome.name, {false, deferred.error}), true, -1, std::nullopt};
}

bool handedToBatch(const PageOutcome& outcome)
{
    return outcome.batchSlot >= 0 || (outcome.saved && outcome.saved->batchSlot >= 0);
}

} // namespace

void runPageSteps(const QStringList& paths, const PageDecision& decide, PageWriter& pages,
                  const RunProgress& progress, RunResult& result, const RunStop& stop)
{
    const qsizetype total = paths.size();
    WaitingOutcomes waiting;
    qsizetype done = 0;
    const auto settle = [&] {
        done += waiting.size();
        waiting.settle(pages.flush(), result);
        if (progress)
            progress(done, total);
    };
    const auto prepare = [&](const QString& path) {
        return preparePage(path, decide, pages);
    };
    PagesAhead ahead(paths, prepare, pages.readsAhead() ? PagesAhead::threadsToUse() : 0);
    RecentlyReplaced replaced(ahead.reach() + waitingLimit + 1);
    for (qsizetype i = 0; i < total; ++i) {
        // Nothing waits right after a batch: every page is old or new.
        if (done > 0 && waiting.size() == 0 && stop && stop()) {
            result.stopped = true;
            result.log.append(stoppedLogLine(total, done));
            break;
        }
        // A page listed twice is read again only after its first write is in place.
        if (!ahead.preparesEarly() && pages.waits(paths[i]))
            settle();
        PreparedPage page = ahead.take(i);
        if (page.readEarly && replaced.mayPredate(i, page.read)) {
            if (pages.waits(paths[i]))
                settle();
            page = prepare(paths[i]);
        }
        writeReplacement(pages, paths[i], page);
        if (handedToBatch(page.outcome))
            replaced.add(i, page.read);
        waiting.add(std::move(page.outcome));
        if (pages.batchFull() || waiting.size() >= waitingLimit)
            settle();
    }
    if (waiting.size() > 0)
        settle();
    pages.runEnded();
}

PageOutcome unreadablePage(const QString& name)
{
    PageOutcome outcome;
    outcome.name = name;
    outcome.logLine = unreadableLogLine(name);
    outcome.failed = true;
    return outcome;
}

PageOutcome pageOutcome(const QString& name, const QString& message, const QString& text)
{
    PageOutcome outcome;
    outcome.name = name;
    outcome.logLine = name + message;
    outcome.text = text;
    outcome.read = true;
    return outcome;
}

PageOutcome replacingOutcome(const QString& name, const QString& message, const QString& text)
{
    PageOutcome outcome = pageOutcome(name, message, text);
    outcome.replaces = true;
    return outcome;
}

QString stoppedLogLine(qsizetype total, qsizetype done)
{
    return QCoreApplication::translate("PageRun",
                                       "中止しました。%1 ページ中 %2 ページを処理しました。")
        .arg(total)
        .arg(done);
}

QString unreadableLogLine(const QString& name)
{
    return name + QCoreApplication::translate("PageRun", "を読み込めませんでした。");
}

QString unwritableLogLine(const QString& name, const PageWrite& written)
{
    switch (written.left) {
    case PageLeft::ChangedSince:
        return name + QCoreApplication::translate("PageRun",
                                                  "は処理中に変更されたため書き込みませんでした。");
    case PageLeft::NotWritable:
        return name + QCoreApplication::translate(
                          "PageRun", "は書き込みが許可されていないため書き込みませんでした。");
    case PageLeft::Failed:
        break;
    }
    const QString line = name + QCoreApplication::translate("PageRun", "を書き込めませんでした。");
    return written.error.isEmpty() ? line : line + u'(' + written.error + u')';
}

} // namespace quillet
