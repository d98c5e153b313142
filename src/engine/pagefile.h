#pragma once

#include <QByteArray>
#include <QString>

// Reading and writing pages (and the project file) whole. In memory every text has
// CR LF line breaks; on disk a page keeps the encoding and line ends it was read with.
namespace quillet {

enum class PageEncoding { ShiftJis, Utf8, Utf8WithBom };

struct PageFormat
{
    PageEncoding encoding = PageEncoding::ShiftJis;
    bool lfLineEnds = false; // an LF-only file: LF on disk, CR LF in memory

    friend bool operator==(const PageFormat&, const PageFormat&) = default;
};

struct Page
{
    QString text;
    PageFormat format;
};

// The file a page was read from, to tell at its replacement whether it is still that file.
struct PageStamp
{
    bool known = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch
    qint64 changed = 0;  // of the file's status, nanoseconds since the epoch
    bool recent = false; // changed so shortly before the read that a write may keep these times
};

struct PageRead
{
    bool ok = false;
    Page page;
    QString error;    // the system's description when !ok
    QByteArray bytes; // the file as read, when ok
    PageStamp stamp;
};

// Why a page was left as it was.
enum class PageLeft {
    Failed,       // the system refused the write (error says why)
    ChangedSince, // the page is no longer the file that was read, or is gone
    NotWritable,  // the user may not write the page
};

struct PageWrite
{
    bool ok = false;
    QString error;
    PageLeft left = PageLeft::Failed; // when !ok
};

// The text of the bytes, or !ok when they do not survive decoding and encoding again
// unchanged (processing such a page would silently corrupt it).
PageRead decodePage(const QByteArray& bytes);

// The bytes of the text in the format, or !ok when the encoding cannot represent it.
struct PageBytes
{
    bool ok = false;
    QByteArray bytes;
};
PageBytes encodePage(const QString& text, const PageFormat& format);

// Why encodePage refused a text.
QString unencodableError();

// The system's description of an errno value.
QString systemErrorText(int error);

PageRead readPage(const QString& path);

// The file's bytes and stamp, undecoded (ok, error, bytes and stamp set).
PageRead readPageBytes(const QString& path);

// Whether the page at path may be replaced now: it is still the file read as before, and the
// user may write it. Checked just before a replacement, so that an edit made by another program
// since the read is never overwritten and a deleted page never made again.
// links, when given, receives how many names the file has (when it may be replaced).
PageWrite mayReplace(const QString& path, const PageRead& before, quint64* links = nullptr);

// Replaces the file atomically, keeping its permissions; on failure the file is unchanged.
PageWrite writePage(const QString& path, const QString& text, const PageFormat& format);

// The same for bytes already encoded (encodePage), or bytes kept from an earlier read.
PageWrite writePageBytes(const QString& path, const QByteArray& bytes);

// Replaces the page read as before with bytes, if mayReplace allows it at the last moment.
PageWrite replacePageBytes(const QString& path, const PageRead& before, const QByteArray& bytes);

// Gives a new file the owner and group of the file it replaces. Only root can give a file
// away; another user keeps the group where the system lets it.
bool keepOwner(int fd, quint32 owner, quint32 group);

} // namespace quillet
