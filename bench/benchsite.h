#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A generated site of Shift_JIS pages in restored form: sections of twenty pages that
// share one menu, each page with its own entry highlighted.
namespace quillet::bench {

inline const QString siteName = QStringLiteral("サイト");
inline const QString siteTag = QStringLiteral("<!--") + siteName + QStringLiteral("-->");

// The menu text the runs stamp (no entry highlighted).
QString plainMenu();

// The bytes of page i (0-based) in restored form.
QByteArray pageBytes(int index);

// Page i with its menu drifted in one line (a blank before its first entry), with its markers
// or without them.
QByteArray driftedPageBytes(int index, bool marked);

// What the conversion makes of page i: the menu between the markers becomes the tag.
QByteArray convertedPageBytes(int index);

// Where page i lies under root.
QString pagePath(const QString& root, int index);

struct SiteSize
{
    qint64 bytes = 0;
    qint64 largestPage = 0;
};

// Writes pages 0 to count - 1 under every root given.
SiteSize writeSite(const QStringList& roots, int count);

// The whole of a UTF-8 file the benchmark wrote for a child process; fatal when unreadable.
QString readUtf8(const QString& path);

} // namespace quillet::bench
