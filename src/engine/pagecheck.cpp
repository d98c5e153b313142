#include "engine/pagecheck.h"

#include "engine/anchorcase.h"
#include "engine/highlight.h"
#include "engine/menucopy.h"
#include "engine/ownentry.h"
#include "engine/pagefile.h"
#include "engine/pathnames.h"
#include "engine/textdiff.h"
#include "engine/textops.h"
#include "engine/unhighlight.h"

namespace quillet {

PageCheck checkPageText(const QString& text, const QString& path,
                        const RunSettings& projectSettings)
{
    const RunSettings settings = projectSettings.forPage(path);
    if (find(text, settings.replacement, 1) != 0)
        return {PageState::Converted, {}, {}};
    // The menu as the restore run writes it into this very page.
    const QString highlighted = restorePageText(settings.replacement, path, settings).text;
    if (indexIgnoringAnchorCase(text, highlighted) >= 0)
        return {PageState::Restored, {}, {}};
    const OwnEntry entry = FindOwnEntry(text, settings.menuText, path, settings.siteFor(path));
    if (entry.state == LinkState::Plain)
        return {PageState::Unmarked, {}, {}};
    const QString cleaned = CleanHighlight(text);
    if (indexIgnoringAnchorCase(cleaned, settings.menuText) >= 0)
        // The menu in another highlight (another colour, say), or without a link to the page.
        return {PageState::Restored, {}, {}};
    const MenuCopySearch search = findMenuCopy(cleaned, settings.menuText);
    PageCheck check{PageState::Drifted, {}, {}};
    if (search.ambiguous)
        return check;
    if (!search.copy)
        return {PageState::None, {}, {}};
    const MenuCopy& copy = *search.copy;
    const QString menu = trimLineBreakPairs(settings.menuText);
    const QString block = cleaned.mid(copy.start, copy.end - copy.start);
    check.drift = unifiedDiffHunks(crlfLinesOf(menu), crlfLinesOf(block), 1);
    check.firstLine = copy.firstLine;
    check.lastLine = copy.lastLine;
    return check;
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
