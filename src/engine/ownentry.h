#pragma once

#include "engine/highlight.h"

#include <QString>
#include <optional>

// A page's own menu entry: the entry of the menu that links to the page itself, found in
// the page's copy of the menu only. A logo, a banner or a breadcrumb linking to the page
// outside the menu is never its own entry.
namespace quillet {

struct OwnEntry
{
    qsizetype position = 0; // a 1-based position on the entry's line, or 0 when there is none
    LinkState state = LinkState::None;
    qsizetype menuEnd = -1; // 0-based end of the page's copy of the menu
};

// The page's line of the menu's link to name, where the page holds the menu once cleaned of
// the highlight ("<A" read as "<a"); no entry otherwise.
OwnEntry FindOwnEntry(const QString& text, const QString& menuText, const QString& name);

// The whole text with the own entry highlighted, or nothing when the entry is not a plain
// link that the highlight changes. A line is never highlighted twice.
std::optional<QString> HighlightFileLink(const QString& text, const QString& menuText,
                                         const QString& name, const QString& colour);

} // namespace quillet
