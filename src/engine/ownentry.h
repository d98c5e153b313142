#pragma once

#include "engine/highlight.h"

#include <QString>
#include <optional>

// A page's own menu entry: the entry of the menu that links to the page itself, found in
// the menu even when the page mentions its own name earlier (a logo, a banner, a breadcrumb).
namespace quillet {

struct OwnEntry
{
    qsizetype position = 0; // a 1-based position on the entry's line, or 0 when there is none
    LinkState state = LinkState::None;
};

// Where the page holds the menu (once cleaned of the highlight) and the menu links to name,
// the own entry is the page's line of that menu link; otherwise the line of the first mention
// of name on a link line. An empty menu text leaves only the second way.
OwnEntry FindOwnEntry(const QString& text, const QString& menuText, const QString& name);

// The whole text with the own entry highlighted, or nothing when the entry is not a plain
// link that the highlight changes. A line is never highlighted twice.
std::optional<QString> HighlightFileLink(const QString& text, const QString& menuText,
                                         const QString& name, const QString& colour);

} // namespace quillet
