#pragma once

#include <QString>

// Turning a highlighted self-link back into a plain link, one line at a time.
namespace quillet {

QString UnhighlightLine(const QString& line);

// The text with every line cleaned; the number of lines never changes.
QString CleanHighlight(const QString& text);

// The text with the line of the first mention of the page's name cleaned (the first
// highlighted link line when path is empty); unchanged when there is no such line.
QString RemoveSelfHighlight(const QString& path, const QString& text);

// The menu block with the line of the first mention of the page's name cleaned.
QString RemoveBlockHighlight(const QString& path, const QString& block);

struct PreparedMenuText
{
    QString cleaned; // what the menu text box shows afterwards
    QString escaped; // what the project file stores; empty when cleaned is empty
};

// Leading and trailing CR LF pairs trimmed, the first highlighted line cleaned, and
// "<" and ">" escaped for storage.
PreparedMenuText PrepareMenuText(const QString& menuText);

// The stored form back to the menu text (the inverse of the escaping above).
QString unescapeMenuText(const QString& stored);

// The menu text with its leading and trailing CR LF pairs removed.
QString trimLineBreakPairs(QString text);

} // namespace quillet
