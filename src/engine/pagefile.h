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

struct PageRead
{
    bool ok = false;
    Page page;
    QString error;    // the system's description when !ok
    QByteArray bytes; // the file as read, when ok
};

struct PageWrite
{
    bool ok = false;
    QString error;
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

PageRead readPage(const QString& path);

// Replaces the file atomically, keeping its permissions; on failure the file is unchanged.
PageWrite writePage(const QString& path, const QString& text, const PageFormat& format);

// The same for bytes already encoded (encodePage), or bytes kept from an earlier read.
PageWrite writePageBytes(const QString& path, const QByteArray& bytes);

} // namespace quillet
