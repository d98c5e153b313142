#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The highlight of a page's own menu entry: its link tags put inside comments and its
// text wrapped in a coloured span. Page editors write links as "<A" and "</A>": such a link
// is a link too, and its highlight keeps the capital.
namespace quillet {

enum class LinkState { None = 0, Plain = 1, Highlighted = 2 };

inline const QString defaultLinkColour = QStringLiteral("tomato");

// The exact markup a highlight adds: "<!--" before the "<a", the span opener (with any
// colour) after the opening tag, and the closer where "</a>" stood.
inline const QString highlightTagPrefix = QStringLiteral("<!--");
inline const QString spanOpenerHead = QStringLiteral("--><span style=\"font-weight:550;color:");
inline const QString spanOpenerTail = QStringLiteral("\">");
inline const QString highlightCloser = QStringLiteral("</span><!--</a>-->");
inline const QString highlightCloserCapital = QStringLiteral("</span><!--</A>-->");

// Lines after the opening tag's line that its "</a>" may stand on.
constexpr int linkLinesAfterTag = 3;

// The colour to write: the chosen one, or the default when none was chosen.
QString effectiveLinkColour(const QString& chosen);

// Whether a link's opening tag ("<a" or "<A" and a blank, not "<abbr") starts at pos.
bool isLinkTagStart(QStringView text, qsizetype pos);

// The href of the opening tag starting at pos (quoted either way or not at all), or nothing
// when the tag holds none or does not end.
std::optional<QString> linkTargetAt(QStringView text, qsizetype pos);

// The text with the link whose opening tag starts at the 1-based position p highlighted;
// the tag must end on its line, its "</a>" may stand up to linkLinesAfterTag lines further on,
// but not at or after limit (0-based; -1: the end of the text). Any other link stays a link.
// Nothing when no such link ends there, when another "<a" opens inside it, or when the
// highlight would not come off exactly: commenting out such a link would hide text.
std::optional<QString> highlightLinkAt(const QString& text, qsizetype p, const QString& colour,
                                       qsizetype limit = -1);

} // namespace quillet
