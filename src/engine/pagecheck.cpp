#include "engine/pagecheck.h"

#include "engine/highlight.h"
#include "engine/menublock.h"
#include "engine/pagefile.h"
#include "engine/pathnames.h"
#include "engine/textdiff.h"
#include "engine/textops.h"
#include "engine/unhighlight.h"

namespace quillet {

namespace {

bool holdsMarkers(const QString& text)
{
    const qsizetype start = find(text, menuStartMarker, 1);
    return start != 0 && find(text, menuEndMarker, start) != 0;
}

QString cleanedBlock(const QString& block)
{
    return trimLineBreakPairs(CleanHighlight(block));
}

} // namespace

PageCheck checkPageText(const QString& text, const QString& path, const RunSettings& settings)
{
    if (find(text, settings.replacement, 1) != 0)
        return {PageState::Converted, {}, {}};
    // The menu as the restore run writes it into this very page.
    const QString highlighted = restorePageText(settings.replacement, path, settings).text;
    if (find(text, highlighted, 1) != 0)
        return {PageState::Restored, {}, {}};
    if (find(text, settings.menuText, 1) != 0)
        return {PageState::Unmarked, {}, {}};
    if (!holdsMarkers(text))
        return {PageState::None, {}, {}};
    const QString block = GetMenuBlock(text);
    const QString menu = cleanedBlock(settings.menuText);
    const QString cleaned = cleanedBlock(block);
    if (cleaned != menu)
        return {
            PageState::Drifted, unifiedDiffHunks(crlfLinesOf(menu), crlfLinesOf(cleaned), 1), {}};
    // The menu in another highlight (another colour, say): in step all the same.
    return {GetLinkState(block, GetFileName(path)) == LinkState::Plain ? PageState::Unmarked
                                                                       : PageState::Restored,
            {},
            {}};
}

PageCheck checkPage(const QString& path, const RunSettings& settings)
{
    const PageRead read = readPage(path);
    if (!read.ok)
        return {PageState::Unreadable, {}, read.error};
    return checkPageText(read.page.text, path, settings);
}

QString pageStateName(PageState state)
{
    switch (state) {
    case PageState::Converted:
        return QStringLiteral("converted");
    case PageState::Restored:
        return QStringLiteral("restored");
    case PageState::Unmarked:
        return QStringLiteral("unmarked");
    case PageState::Drifted:
        return QStringLiteral("drifted");
    case PageState::None:
        return QStringLiteral("none");
    case PageState::Unreadable:
        break;
    }
    return QStringLiteral("unreadable");
}

} // namespace quillet
