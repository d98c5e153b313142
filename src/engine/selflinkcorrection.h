#pragma once

#include "engine/sitelayout.h"

#include <QString>
#include <optional>

// How a save highlights a listed page's own menu entry that is still a plain link: against
// the menu as the save stored it, in the project's link colour. A page holding the project tag
// is left to the restore run, which highlights the entry in the menu it writes back.
namespace quillet {

struct SelfLinkCorrection
{
    QString menuText;
    QString colour; // as chosen; empty means the default colour
    QString tag;    // the project tag

    // The page's text with its entry highlighted, or nothing when it needs no correction.
    std::optional<QString> corrected(const QString& text, const QString& path,
                                     const SiteLayout& site) const;
};

} // namespace quillet
