#pragma once

#include <QString>

// Turning a highlighted self-link back into a plain link: the exact inverse of the
// highlight, touching no other comment, span or text.
namespace quillet {

// The line with every highlight taken off: each closer back to "</a>", each span opener
// removed, and the "<!--" before each highlighted "<a" removed.
QString UnhighlightLine(const QString& line);

// Whether the line holds any highlight markup.
bool carriesHighlight(const QString& line);

// The text with every line cleaned; the number of lines never changes.
QString CleanHighlight(const QString& text);

struct PreparedMenuText
{
    QString cleaned; // what the menu text box shows afterwards
    QString escaped; // what the project file stores; empty when cleaned is empty
};

// Leading and trailing CR LF pairs trimmed, every highlighted line cleaned, and "<" and ">"
// escaped for storage.
PreparedMenuText PrepareMenuText(const QString& menuText);

// The stored form back to the menu text (the inverse of the escaping above).
QString unescapeMenuText(const QString& stored);

// The menu text with its leading and trailing CR LF pairs removed.
QString trimLineBreakPairs(QString text);

} // namespace quillet
