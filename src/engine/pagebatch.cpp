#include "engine/pagebatch.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace quillet {

struct PageBatch::StagedFile
{
    ~StagedFile()
    {
        if (fd >= 0)
            ::close(fd);
        if (replacedFd >= 0)
            ::close(replacedFd);
    }

    int fd = -1;         // the unnamed file, or -1 when the page is written at commit
    int replacedFd = -1; // holds the replaced page's blocks until released
    qsizetype slot = -1;
    QByteArray target;  // the page itself, links resolved
    QString path;       // as given, for a page written at commit
    QByteArray bytes;   // the bytes of a page written at commit
    qsizetype size = 0; // of the new bytes
    PageRead before;    // the page as read, which it must still be when replaced
    dev_t device = 0;
    QString id;                       // device and inode of the page (fileId)
    QString error;                    // why nothing could be put aside
    std::optional<PageWrite> failure; // set once something failed: the page stays as it was
    QByteArray name;                  // beside the page, between its link and its rename
};

PageBatch::Aside::Aside() = default;
PageBatch::Aside::~Aside() = default;
PageBatch::Aside::Aside(Aside&&) noexcept = default;
PageBatch::Aside& PageBatch::Aside::operator=(Aside&&) noexcept = default;

namespace {

QString fileId(const struct stat& status)
{
    return QString::number(status.st_dev) + u':' + QString::number(status.st_ino);
}

// Whether the folder's file system cannot make unnamed files (not whether this one may).
bool lacksUnnamedFiles(int error)
{
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

QByteArray linkTarget(const QString& path)
{
    return QFile::encodeName(QFileInfo(path).canonicalFilePath());
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameBeside(const QByteArray& target)
{
    return target + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
}

// Gives the unnamed file the name announced for it beside the page, then moves that name
// over the page.
bool placeOver(int fd, const QByteArray& name, const QByteArray& target,
               const std::function<void()>& beforeRename)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) != 0)
        return false;
    if (beforeRename)
        beforeRename();
    if (::rename(name.constData(), target.constData()) == 0)
        return true;
    const int error = errno;
    ::unlink(name.constData());
    errno = error;
    return false;
}

// A batch holds two descriptors a page while it is placed; the rest stay for the program.
qsizetype pagesTheOpenFileLimitAllows()
{
    constexpr rlim_t keptForTheProgram = 128;
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return std::numeric_limits<qsizetype>::max();
    return limit.rlim_cur > keptForTheProgram + 2
               ? qsizetype((limit.rlim_cur - keptForTheProgram) / 2)
               : 1;
}

} // namespace

PageBatch::PageBatch(const QString& namesFolder) : PageBatch(Limits{}, namesFolder) {}

PageBatch::PageBatch(Limits limits, const QString& namesFolder) : m_limits(limits)
{
    if (!namesFolder.isEmpty())
        m_intent = std::make_unique<BatchIntent>(namesFolder);
    m_limits.pages = std::clamp<qsizetype>(m_limits.pages, 1, pagesTheOpenFileLimitAllows());
}

PageBatch::~PageBatch()
{
    finishReleasing();
}

PageBatch::Aside PageBatch::putAside(const QString& path, const QByteArray& bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status
    {};
    if (::lstat(name.constData(), &status) != 0)
        return writeAtCommit(path, bytes);
    const bool isLink = S_ISLNK(status.st_mode);
    if ((isLink && ::stat(name.constData(), &status) != 0) || !S_ISREG(status.st_mode))
        return writeAtCommit(path, bytes);
    Aside aside;
    aside.m_file = std::make_unique<StagedFile>();
    StagedFile& file = *aside.m_file;
    file.target = isLink ? linkTarget(path) : name;
    file.fd = ::open(folderOf(file.target).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (file.fd < 0 && lacksUnnamedFiles(errno))
        return writeAtCommit(path, bytes);
    if (file.fd < 0 || !writeAll(file.fd, bytes) ||
        !keepOwner(file.fd, status.st_uid, status.st_gid) ||
        ::fchmod(file.fd, status.st_mode & 07777)) {
        file.error = systemErrorText(errno);
        return aside;
    }
    file.device = status.st_dev;
    file.id = fileId(status);
    file.size = bytes.size();
    // The disk starts on this page while the next ones are prepared.
    ::sync_file_range(file.fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    return aside;
}

// What is not a plain file here (a folder, a missing page), or lies where no unnamed file
// can be made, is written by replacePageBytes at commit, with its checks and errors.
PageBatch::Aside PageBatch::writeAtCommit(const QString& path, const QByteArray& bytes)
{
    Aside aside;
    aside.m_file = std::make_unique<StagedFile>();
    aside.m_file->path = path;
    aside.m_file->bytes = bytes;
    aside.m_file->size = bytes.size();
    return aside;
}

PageBatch::Staged PageBatch::stage(const QString& path, const PageRead& before,
                                   const QByteArray& bytes)
{
    return stage(putAside(path, bytes), before);
}

PageBatch::Staged PageBatch::stage(Aside aside, const PageRead& before)
{
    if (!aside.m_file)
        return {-1, systemErrorText(EINVAL)};
    std::unique_ptr<StagedFile> file = std::move(aside.m_file);
    if (!file->error.isEmpty())
        return {-1, file->error};
    file->before = before;
    // A batch holds hundreds: where the stamp tells whether the page changed, its bytes are
    // not kept for a comparison (a page touched since then is taken as changed).
    file->before.page.text.clear();
    if (file->before.stamp.known && !file->before.stamp.recent)
        file->before.bytes.clear();
    file->slot = qsizetype(m_files.size());
    m_bytes += file->size;
    if (!file->id.isEmpty())
        m_fileIds.insert(file->id);
    m_files.push_back(std::move(file));
    return {m_files.back()->slot, {}};
}

bool PageBatch::holds(const QString& path) const
{
    struct stat status
    {};
    return !m_fileIds.isEmpty() && ::stat(QFile::encodeName(path).constData(), &status) == 0 &&
           m_fileIds.contains(fileId(status));
}

bool PageBatch::syncs(quint64 device) const
{
    return std::any_of(m_files.begin(), m_files.end(),
                       [device](const std::unique_ptr<StagedFile>& file) {
                           return file->fd >= 0 && quint64(file->device) == device;
                       });
}

bool PageBatch::isFull() const
{
    return qsizetype(m_files.size()) >= m_limits.pages || m_bytes >= m_limits.bytes;
}

bool PageBatch::isEmpty() const
{
    return m_files.empty();
}

// Every new text is on the disk before any page is replaced by it, and the renames are on
// the disk before any page is reported written.
QList<PageWrite> PageBatch::commit(std::optional<quint64> syncedDevice)
{
    syncFileSystems(syncedDevice);
    // Renames slowed by releases in the background would widen the one moment in which a kill
    // leaves a new page's file under a name of its own.
    finishReleasing();
    placeStaged();
    syncFileSystems();
    releaseReplaced();
    QList<PageWrite> results;
    for (const std::unique_ptr<StagedFile>& file : m_files)
        results.append(file->failure.value_or(PageWrite{true, {}}));
    clear();
    return results;
}

QList<PageWrite> PageBatch::drop(const QString& error)
{
    const QList<PageWrite> results(qsizetype(m_files.size()), PageWrite{false, error});
    clear();
    return results;
}

void PageBatch::clear()
{
    m_files.clear();
    m_fileIds.clear();
    m_bytes = 0;
}

// One syncfs per file system makes the whole batch durable with one cache flush, where an
// fdatasync per file costs one each.
void PageBatch::syncFileSystems(std::optional<quint64> syncedDevice)
{
    QHash<dev_t, QString> errors;
    if (syncedDevice)
        errors.insert(dev_t(*syncedDevice), QString());
    for (const std::unique_ptr<StagedFile>& file : m_files) {
        if (file->fd < 0 || file->failure || errors.contains(file->device))
            continue;
        errors.insert(file->device, ::syncfs(file->fd) == 0 ? QString() : systemErrorText(errno));
    }
    for (const std::unique_ptr<StagedFile>& file : m_files) {
        if (file->fd >= 0 && !file->failure && !errors.value(file->device).isEmpty())
            file->failure = PageWrite{false, errors.value(file->device)};
    }
}

// The names are announced before any is made; where they cannot be, no page of the batch is
// replaced, as a kill could leave them behind.
void PageBatch::announceNames()
{
    QList<QByteArray> names;
    for (const std::unique_ptr<StagedFile>& file : m_files) {
        if (file->fd >= 0 && !file->failure) {
            file->name = nameBeside(file->target);
            names.append(file->name);
        }
    }
    if (!m_intent || names.isEmpty() || m_intent->announce(names))
        return;
    const PageWrite failed{false, systemErrorText(errno)};
    for (const std::unique_ptr<StagedFile>& file : m_files) {
        if (file->fd >= 0 && !file->failure)
            file->failure = failed;
    }
}

void PageBatch::placeStaged()
{
    announceNames();
    // Pages in different folders are renamed without waiting for each other; a test's seam
    // sees them one at a time.
    const size_t placers =
        m_beforeRename ? 1 : std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 4);
    const auto placeEvery = [this, placers](size_t first) {
        for (size_t i = first; i < m_files.size(); i += placers)
            placeOne(*m_files[i]);
    };
    std::vector<std::jthread> threads;
    for (size_t first = 1; first < placers; ++first) {
        try {
            threads.emplace_back(placeEvery, first);
        } catch (const std::system_error&) {
            placeEvery(first);
        }
    }
    placeEvery(0);
}

void PageBatch::placeOne(StagedFile& file) const
{
    if (file.fd < 0) {
        const PageWrite written = replacePageBytes(file.path, file.before, file.bytes);
        if (!written.ok)
            file.failure = written;
        return;
    }
    if (file.failure)
        return;
    // Another program may have changed the page since it was read; this is the last moment
    // before its edit would be lost.
    quint64 links = 0;
    const PageWrite allowed = mayReplace(QFile::decodeName(file.target), file.before, &links);
    if (!allowed.ok) {
        file.failure = allowed;
        return;
    }
    // A page whose old file another link keeps (the journal's) frees nothing when replaced.
    if (links <= 1)
        file.replacedFd = ::open(file.target.constData(), O_RDONLY | O_CLOEXEC);
    if (!placeOver(file.fd, file.name, file.target, m_beforeRename))
        file.failure = PageWrite{false, systemErrorText(errno)};
}

// Freeing a replaced page's blocks (its last descriptor closing) can wait on the disk for
// milliseconds, one page after another inside a rename; closing many at once, while the next
// batch is prepared, overlaps the waits.
void PageBatch::releaseReplaced()
{
    constexpr size_t releasers = 8;
    for (const std::unique_ptr<StagedFile>& file : m_files) {
        if (file->replacedFd >= 0)
            m_releasing.push_back(std::exchange(file->replacedFd, -1));
    }
    for (size_t first = 0; first < std::min(releasers, m_releasing.size()); ++first) {
        try {
            m_releasers.emplace_back([this, first] {
                for (size_t i = first; i < m_releasing.size(); i += releasers)
                    ::close(m_releasing[i]);
            });
        } catch (const std::system_error&) {
            for (size_t i = first; i < m_releasing.size(); i += releasers)
                ::close(m_releasing[i]);
        }
    }
}

void PageBatch::finishReleasing()
{
    m_releasers.clear(); // joins them
    m_releasing.clear();
}

} // namespace quillet
