#include "engine/menualign.h"

#include "engine/anchorcase.h"
#include "engine/menucopy.h"
#include "engine/textops.h"
#include "engine/unhighlight.h"

#include <QCoreApplication>

namespace quillet {

namespace {

QString alignMessage(AlignKind kind)
{
    switch (kind) {
    case AlignKind::Aligned:
        return QCoreApplication::translate("MenuAlign", "のメニューを揃えました。");
    case AlignKind::InLine:
        return QCoreApplication::translate("MenuAlign", "のメニューは揃っています。");
    case AlignKind::Converted:
        return QCoreApplication::translate("MenuAlign", "は変換されているため揃えませんでした。");
    case AlignKind::TwoCopies:
        return QCoreApplication::translate(
            "MenuAlign", "にはメニューらしい所が二つ以上あるため揃えませんでした。");
    case AlignKind::NoCopy:
        break;
    }
    return QCoreApplication::translate("MenuAlign",
                                       "にはメニューが見つからないため揃えませんでした。");
}

} // namespace

AlignedText alignPageText(const QString& text, const QString& path,
                          const RunSettings& projectSettings)
{
    const RunSettings settings = projectSettings.forPage(path);
    if (find(text, settings.replacement, 1) != 0)
        return {AlignKind::Converted, {}};
    const QString cleaned = CleanHighlight(text);
    if (indexIgnoringAnchorCase(cleaned, settings.menuText) >= 0)
        return {AlignKind::InLine, {}};
    const MenuCopySearch search = findMenuCopy(cleaned, settings.menuText);
    if (search.ambiguous)
        return {AlignKind::TwoCopies, {}};
    if (!search.copy)
        return {AlignKind::NoCopy, {}};
    // The copy becomes the tag, which the restore turns into the menu as it does after a
    // conversion.
    const MenuCopy& copy = *search.copy;
    const QString tagged = QStringView(cleaned).left(copy.start) + settings.replacement +
                           QStringView(cleaned).mid(copy.end);
    return {AlignKind::Aligned, restorePageText(tagged, path, settings).text};
}

PageOutcome AlignFile(const QString& path, const PageRead& read, const RunSettings& settings)
{
    const QString name = settings.siteFor(path).logName(path);
    if (!read.ok)
        return unreadablePage(name);
    const AlignedText aligned = alignPageText(read.page.text, path, settings);
    if (aligned.kind != AlignKind::Aligned)
        return pageOutcome(name, alignMessage(aligned.kind), read.page.text);
    return replacingOutcome(name, alignMessage(aligned.kind), aligned.text);
}

RunResult runAlignment(const QStringList& paths, const RunSettings& settings, PageWriter& pages,
                       const RunProgress& progress, const RunStop& stop)
{
    return runOverPages(paths, settings, pages, progress, AlignFile, stop);
}

} // namespace quillet
