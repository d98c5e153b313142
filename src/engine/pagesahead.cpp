#include "engine/pagesahead.h"

#include <algorithm>
#include <sys/resource.h>
#include <system_error>

namespace quillet {

namespace {

// Enough pages ahead to go on while the writer waits for a batch to reach the disk; each
// holds a file open beside its page, as the batch's pages do.
qsizetype depthTheOpenFileLimitAllows()
{
    constexpr qsizetype most = 128;
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return most;
    return std::clamp(qsizetype(limit.rlim_cur / 4), qsizetype(16), most);
}

} // namespace

PagesAhead::PagesAhead(const QStringList& paths, Prepare prepare, int threads)
    : m_paths(paths), m_prepare(std::move(prepare)), m_depth(depthTheOpenFileLimitAllows())
{
    for (int i = 0; i < threads; ++i) {
        try {
            m_threads.emplace_back([this](const std::stop_token& stop) { work(stop); });
        } catch (const std::system_error&) {
            break; // the threads there are (or none: each page prepared when taken) will do
        }
    }
}

PagesAhead::~PagesAhead()
{
    for (std::jthread& thread : m_threads)
        thread.request_stop();
    m_threads.clear();
}

int PagesAhead::threadsToUse()
{
    const int processors = int(std::thread::hardware_concurrency());
    return processors <= 1 ? 0 : std::min(processors, 4);
}

// Pages are claimed and handed over a few at a time: a wake-up per page would cost the run
// more than a page's writing.
void PagesAhead::work(const std::stop_token& stop)
{
    std::vector<PreparedPage> pages;
    for (;;) {
        std::unique_lock lock(m_mutex);
        ++m_sleepers;
        const bool go = m_room.wait(
            lock, stop, [this] { return m_next >= m_paths.size() || m_next - m_taken < m_depth; });
        --m_sleepers;
        if (!go || m_next >= m_paths.size())
            return;
        const qsizetype first = m_next;
        m_next = std::min(first + claimed, m_paths.size());
        const qsizetype end = m_next;
        lock.unlock();
        pages.clear();
        for (qsizetype index = first; index < end; ++index) {
            pages.push_back(m_prepare(m_paths.at(index)));
            pages.back().readEarly = true;
        }
        lock.lock();
        for (qsizetype index = first; index < end; ++index)
            m_waiting.emplace(index, std::move(pages[size_t(index - first)]));
        if (m_wanted >= first && m_wanted < end)
            m_prepared.notify_one();
    }
}

PreparedPage PagesAhead::take(qsizetype index)
{
    if (m_threads.empty())
        return m_prepare(m_paths.at(index));
    std::unique_lock lock(m_mutex);
    m_wanted = index;
    m_prepared.wait(lock, [&] { return m_waiting.contains(index); });
    PreparedPage page = std::move(m_waiting.extract(index).mapped());
    m_taken = index + 1;
    // A wake-up costs a system call: only for a thread that sleeps.
    if (m_sleepers > 0)
        m_room.notify_all();
    return page;
}

} // namespace quillet
