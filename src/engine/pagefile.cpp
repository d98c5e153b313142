#include "engine/pagefile.h"
#include "engine/shiftjis.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillet {

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");

QString undecodableError()
{
    return QCoreApplication::translate("PageFile",
                                       "文字コードを正しく変換できないバイトを含んでいます。");
}

bool hasHighByte(const QByteArray& bytes)
{
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

bool declaresUtf8(const QByteArray& asciiBytes)
{
    static const QRegularExpression declaration(QStringLiteral(R"(charset *= *["']?utf-8)"),
                                                QRegularExpression::CaseInsensitiveOption);
    return declaration.match(QString::fromLatin1(asciiBytes)).hasMatch();
}

PageEncoding detectEncoding(const QByteArray& bytes)
{
    if (bytes.startsWith(utf8Bom))
        return PageEncoding::Utf8WithBom;
    // The check stops at the first invalid byte (a Shift_JIS page fails at once) and counts
    // a character cut off by the end of the file as invalid.
    if (hasHighByte(bytes))
        return bytes.isValidUtf8() ? PageEncoding::Utf8 : PageEncoding::ShiftJis;
    return declaresUtf8(bytes) ? PageEncoding::Utf8 : PageEncoding::ShiftJis;
}

struct Decoded
{
    bool ok = false;
    QString text;
};

Decoded decodeUtf8(QByteArrayView body)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(body);
    return {decoder.isValid() && !decoder.hasError(), text};
}

struct Encoded
{
    bool ok = false;
    QByteArray bytes;
};

Encoded encodeAs(const QString& text, PageEncoding encoding)
{
    if (encoding == PageEncoding::ShiftJis) {
        std::optional<QByteArray> bytes = encodeShiftJis(text);
        return {bytes.has_value(), std::move(bytes).value_or(QByteArray())};
    }
    QStringEncoder encoder(QStringEncoder::Utf8);
    QByteArray bytes = encoder.encode(text);
    return {encoder.isValid() && !encoder.hasError(), bytes};
}

// Invalid bytes and duplicate codes would come back different: such a text is refused
// rather than corrupted. The Shift_JIS table knows which codes come back the same.
Decoded decodeExactly(QByteArrayView body, PageEncoding encoding)
{
    if (encoding == PageEncoding::ShiftJis) {
        std::optional<QString> text = decodeShiftJisExactly(body);
        return {text.has_value(), std::move(text).value_or(QString())};
    }
    Decoded decoded = decodeUtf8(body);
    const Encoded again = encodeAs(decoded.text, encoding);
    decoded.ok = decoded.ok && again.ok && again.bytes == body;
    return decoded;
}

qint64 nanoseconds(const timespec& time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

// Some file systems keep times to two seconds; within that of the read, equal times prove
// nothing.
constexpr qint64 coarsestTimes = 2'000'000'000;

PageStamp stampOf(const struct stat& status)
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const qint64 latest = std::max(nanoseconds(status.st_mtim), nanoseconds(status.st_ctim));
    return {true,
            quint64(status.st_dev),
            quint64(status.st_ino),
            qint64(status.st_size),
            nanoseconds(status.st_mtim),
            nanoseconds(status.st_ctim),
            latest + coarsestTimes >= nanoseconds(now)};
}

// Reads to the end, however the size changes meanwhile.
bool readAll(int fd, qint64 expectedSize, QByteArray& bytes)
{
    bytes.resize(qsizetype(std::max<qint64>(expectedSize, 0)) + 1);
    qsizetype size = 0;
    for (;;) {
        if (size == bytes.size())
            bytes.resize(size * 2 + 4096);
        const ssize_t got = ::read(fd, bytes.data() + size, size_t(bytes.size() - size));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        size += got;
    }
    bytes.truncate(size);
    return true;
}

PageWrite changedSince()
{
    return {false, QCoreApplication::translate("PageFile", "読み込んだ後に変更されています。"),
            PageLeft::ChangedSince};
}

// Root may write any file, so a page without a single write bit is taken as the user's word
// that it stays as it is.
bool userMayWrite(const QByteArray& name, const struct stat& status)
{
    if (::geteuid() == 0)
        return (status.st_mode & 0222) != 0;
    return ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) == 0 || errno != EACCES;
}

// Equal times after a read long past prove the bytes equal too; otherwise the bytes decide.
bool isStillAsRead(const QString& path, const struct stat& status, const PageRead& before)
{
    const PageStamp& stamp = before.stamp;
    if (stamp.known) {
        if (quint64(status.st_dev) != stamp.device || quint64(status.st_ino) != stamp.inode ||
            qint64(status.st_size) != stamp.size)
            return false;
        if (!stamp.recent && nanoseconds(status.st_mtim) == stamp.modified &&
            nanoseconds(status.st_ctim) == stamp.changed)
            return true;
    }
    const PageRead now = readPageBytes(path);
    return now.ok && now.bytes == before.bytes;
}

// QSaveFile derives the new file's mode from what the current user may do, which differs
// from the page's own mode when the user is not its owner (root made a 0444 page 0644).
// Returns why they cannot be kept, or nothing.
QString keepPermissions(const QString& path, QSaveFile& file)
{
    struct stat status
    {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    if (!keepOwner(file.handle(), status.st_uid, status.st_gid))
        return systemErrorText(errno);
    const QFileDevice::Permissions userBits =
        QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    if (!file.setPermissions(QFile::permissions(path) & ~userBits))
        return file.errorString();
    return {};
}

// Whether every CR and LF of the text stands in a CR LF pair.
bool hasOnlyLineBreakPairs(const QString& text)
{
    qsizetype pairs = 0;
    for (qsizetype i = text.indexOf(u'\r'); i >= 0; i = text.indexOf(u'\r', i + 1)) {
        if (i + 1 == text.size() || text[i + 1] != u'\n')
            return false;
        ++pairs;
    }
    return text.count(u'\n') == pairs;
}

bool isLfFile(const QString& text)
{
    return !text.contains(u'\r') && text.contains(u'\n');
}

// Writes beside the file and renames over it; with before, only while mayReplace allows.
PageWrite saveBytes(const QString& path, const QByteArray& bytes, const PageRead* before)
{
    // A page that is no longer the file read (made a folder, say) is said to be changed, not
    // to be unwritable for what it became.
    if (before) {
        if (const PageWrite allowed = mayReplace(path, *before); !allowed.ok)
            return allowed;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (const QString error = keepPermissions(path, file); !error.isEmpty())
        return {false, error};
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (before) {
        if (const PageWrite allowed = mayReplace(path, *before); !allowed.ok) {
            file.cancelWriting();
            return allowed;
        }
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

} // namespace

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString unencodableError()
{
    return QCoreApplication::translate("PageFile",
                                       "ファイルの文字コードで表せない文字を含んでいます。");
}

PageRead decodePage(const QByteArray& bytes)
{
    PageRead read;
    read.page.format.encoding = detectEncoding(bytes);
    const qsizetype bomSize =
        read.page.format.encoding == PageEncoding::Utf8WithBom ? utf8Bom.size() : 0;
    Decoded decoded =
        decodeExactly(QByteArrayView(bytes).sliced(bomSize), read.page.format.encoding);
    if (!decoded.ok) {
        read.error = undecodableError();
        return read;
    }
    read.bytes = bytes;
    read.page.format.lfLineEnds = isLfFile(decoded.text);
    if (read.page.format.lfLineEnds)
        decoded.text.replace(u'\n', QStringLiteral("\r\n"));
    read.page.text = std::move(decoded.text);
    read.ok = true;
    return read;
}

PageBytes encodePage(const QString& text, const PageFormat& format)
{
    // A lone CR or LF would not read back as written in LF form (a lone CR stops the file
    // reading as LF-only, a lone LF comes back as CR LF): such a text keeps its CR LF form.
    const bool asLf = format.lfLineEnds && hasOnlyLineBreakPairs(text);
    const QString onDisk =
        asLf ? QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) : text;
    Encoded encoded = encodeAs(onDisk, format.encoding);
    if (format.encoding == PageEncoding::Utf8WithBom)
        encoded.bytes.prepend(utf8Bom);
    return {encoded.ok, encoded.bytes};
}

PageRead readPage(const QString& path)
{
    PageRead read = readPageBytes(path);
    if (!read.ok)
        return read;
    PageRead decoded = decodePage(read.bytes);
    decoded.stamp = read.stamp;
    return decoded;
}

// Read with the system's calls: a run reads thousands of pages, and QFileInfo and QFile cost
// several more calls each.
PageRead readPageBytes(const QString& path)
{
    PageRead read;
    const QByteArray name = QFile::encodeName(path);
    struct stat status
    {};
    const bool found = ::stat(name.constData(), &status) == 0;
    if (found && S_ISDIR(status.st_mode)) {
        read.error = QCoreApplication::translate("PageFile", "フォルダです。");
        return read;
    }
    // A pipe or a device would block the run or never end.
    if (found && !S_ISREG(status.st_mode)) {
        read.error = QCoreApplication::translate("PageFile", "通常のファイルではありません。");
        return read;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        read.error = systemErrorText(errno);
        return read;
    }
    // Taken before the bytes, so that a write while they are read makes the stamp differ.
    if (::fstat(fd, &status) == 0)
        read.stamp = stampOf(status);
    read.ok = readAll(fd, status.st_size, read.bytes);
    if (!read.ok) {
        read.error = systemErrorText(errno);
        read.bytes.clear();
    }
    ::close(fd);
    return read;
}

PageWrite mayReplace(const QString& path, const PageRead& before, quint64* links)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status
    {};
    if (::stat(name.constData(), &status) != 0)
        return errno == ENOENT ? changedSince() : PageWrite{false, systemErrorText(errno)};
    if (!userMayWrite(name, status))
        return {false, QCoreApplication::translate("PageFile", "書き込みが許可されていません。"),
                PageLeft::NotWritable};
    if (!isStillAsRead(path, status, before))
        return changedSince();
    if (links)
        *links = quint64(status.st_nlink);
    return {true, {}};
}

bool keepOwner(int fd, quint32 owner, quint32 group)
{
    struct stat made
    {};
    if (::fstat(fd, &made) != 0)
        return false;
    if (made.st_uid == owner && made.st_gid == group)
        return true;
    if (::geteuid() == 0)
        return ::fchown(fd, owner, group) == 0;
    if (made.st_gid != group)
        (void)::fchown(fd, uid_t(-1), group);
    return true;
}

PageWrite writePage(const QString& path, const QString& text, const PageFormat& format)
{
    const PageBytes encoded = encodePage(text, format);
    if (!encoded.ok)
        return {false, unencodableError()};
    return writePageBytes(path, encoded.bytes);
}

PageWrite writePageBytes(const QString& path, const QByteArray& bytes)
{
    return saveBytes(path, bytes, nullptr);
}

PageWrite replacePageBytes(const QString& path, const PageRead& before, const QByteArray& bytes)
{
    return saveBytes(path, bytes, &before);
}

} // namespace quillet
