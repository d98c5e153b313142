#pragma once

#include <QString>

// The highlight of a page's own menu entry: its link tags put inside comments and its
// text wrapped in a coloured span.
namespace quillet {

enum class LinkState { None = 0, Plain = 1, Highlighted = 2 };

inline const QString defaultLinkColour = QStringLiteral("tomato");

// The exact markup a highlight adds: "<!--" before the "<a", the span opener (with any
// colour) after the opening tag, and the closer where "</a>" stood.
inline const QString highlightTagPrefix = QStringLiteral("<!--");
inline const QString spanOpenerHead = QStringLiteral("--><span style=\"font-weight:550;color:");
inline const QString spanOpenerTail = QStringLiteral("\">");
inline const QString highlightCloser = QStringLiteral("</span><!--</a>-->");

// The colour to write: the chosen one, or the default when none was chosen.
QString effectiveLinkColour(const QString& chosen);

// Position of the first mention of name when an "<a" starts before it on its line; else 0.
qsizetype FindSelfLink(const QString& text, const QString& name);

// The state of the line of the first mention of name: any "<!--" before the name on a link
// line counts as highlighted.
LinkState GetLinkState(const QString& text, const QString& name);

// The line with the link whose opening tag holds name highlighted. Any other link on the
// line stays a link. The line is unchanged when no "<a" opening tag on it holds the name,
// that tag does not end on the line, or no "</a>" follows it: commenting out such a link
// would hide its text.
QString HighlightLinkLine(const QString& line, const QString& name, const QString& colour);

} // namespace quillet
