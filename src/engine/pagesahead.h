#pragma once

#include "engine/pagerun.h"

#include <QStringList>

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

// Reading, deciding, encoding and digesting a page cost a run as much as writing it: other
// threads prepare the pages of a list in its order, a bounded number ahead of the thread that
// writes them. Without threads each page is prepared as it is taken.
namespace quillet {

struct PreparedPage
{
    PageRead read;
    PageOutcome outcome;
    std::optional<PageWriter::Prepared> replacement; // when the outcome replaces the page
    bool readEarly = false; // read on another thread, perhaps before an earlier write
};

class PagesAhead
{
public:
    using Prepare = std::function<PreparedPage(const QString& path)>;

    // prepare is called on the threads, for one page at a time.
    PagesAhead(const QStringList& paths, Prepare prepare, int threads);
    ~PagesAhead();
    PagesAhead(const PagesAhead&) = delete;
    PagesAhead& operator=(const PagesAhead&) = delete;

    // The prepared page of paths[index]; each index is taken once, in order.
    PreparedPage take(qsizetype index);

    // How many pages past the last one taken a page may have been read.
    qsizetype reach() const { return m_depth + claimed; }

    // Whether pages are read on other threads, before they are taken.
    bool preparesEarly() const { return !m_threads.empty(); }

    // As many as the processor runs at once, up to four: the writer mostly waits for them.
    static int threadsToUse();

private:
    void work(const std::stop_token& stop);

    static constexpr qsizetype claimed = 8; // pages a thread prepares at a time
    const QStringList& m_paths;
    Prepare m_prepare;
    const qsizetype m_depth; // prepared pages waiting at most
    std::mutex m_mutex;
    std::condition_variable_any m_prepared;
    std::condition_variable_any m_room;
    qsizetype m_next = 0;    // the next page a thread prepares
    qsizetype m_taken = 0;   // the pages before it are taken
    qsizetype m_wanted = -1; // the page the writer waits for
    int m_sleepers = 0;      // threads waiting for room
    std::map<qsizetype, PreparedPage> m_waiting;
    std::vector<std::jthread> m_threads; // last: stopped and joined first
};

} // namespace quillet
