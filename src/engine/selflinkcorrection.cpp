#include "engine/selflinkcorrection.h"

#include "engine/highlight.h"
#include "engine/ownentry.h"

namespace quillet {

std::optional<QString> SelfLinkCorrection::corrected(const QString& text, const QString& path,
                                                     const SiteLayout& site) const
{
    if (text.contains(tag))
        return std::nullopt;
    return HighlightFileLink(text, menuText, path, effectiveLinkColour(colour), site);
}

} // namespace quillet
