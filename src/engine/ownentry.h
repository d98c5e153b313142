#pragma once

#include "engine/highlight.h"
#include "engine/sitelayout.h"

#include <QString>
#include <optional>

// A page's own menu entry: the first live link of the page's copy of the menu whose target
// leads to the page itself. A logo, a banner or a breadcrumb linking to the page outside the
// menu is never its own entry, nor is a link the author commented out.
namespace quillet {

struct OwnEntry
{
    qsizetype position = 0; // 1-based position of the entry's "<a", or 0 when there is none
    LinkState state = LinkState::None;
    qsizetype menuEnd = -1; // 0-based end of the page's copy of the menu
};

// The entry of the page at path, where the page holds the menu once cleaned of the highlight
// ("<A" read as "<a"); no entry otherwise.
OwnEntry FindOwnEntry(const QString& text, const QString& menuText, const QString& path,
                      const SiteLayout& site);

// The whole text with the own entry highlighted, or nothing when the entry is not a plain
// link that the highlight changes. A line is never highlighted twice.
std::optional<QString> HighlightFileLink(const QString& text, const QString& menuText,
                                         const QString& path, const QString& colour,
                                         const SiteLayout& site);

} // namespace quillet
