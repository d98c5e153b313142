#pragma once

#include <QString>

// The highlight of a page's own menu entry: its link tags put inside comments and its
// text wrapped in a coloured span.
namespace quillet {

enum class LinkState { None = 0, Plain = 1, Highlighted = 2 };

inline const QString defaultLinkColour = QStringLiteral("tomato");

// The colour to write: the chosen one, or the default when none was chosen.
QString effectiveLinkColour(const QString& chosen);

// Position of the first mention of name when an "<a" starts before it on its line; else 0.
qsizetype FindSelfLink(const QString& text, const QString& name);

LinkState GetLinkState(const QString& text, const QString& name);

QString HighlightLinkLine(const QString& line, const QString& name, const QString& colour);

// The whole text with its self-link highlighted, or empty unless the link is plain.
QString HighlightFileLink(const QString& text, const QString& name, const QString& colour);

} // namespace quillet
