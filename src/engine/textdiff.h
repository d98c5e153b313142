#pragma once

#include <QStringList>

// Line differences between two texts, in the unified form of diff -u.
namespace quillet {

// The hunks ("@@ -a,b +c,d @@" and the lines under it, each prefixed by " ", "-" or "+")
// turning oldLines into newLines, with context lines around each change; empty when equal.
QStringList unifiedDiffHunks(const QStringList& oldLines, const QStringList& newLines,
                             int context = 3);

// A text cut into lines at CR LF, as the pages hold them.
QStringList crlfLinesOf(const QString& text);

} // namespace quillet
