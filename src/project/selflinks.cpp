#include "project/selflinks.h"

#include "engine/highlight.h"
#include "engine/ownentry.h"
#include "engine/runs.h"

#include <QCoreApplication>

namespace quillet {

namespace {

QString linkCorrectedSuffix()
{
    return QCoreApplication::translate("SelfLinks", "のリンクを修正しました。");
}

} // namespace

// A converted page is left to the restore run, which highlights the entry in the menu it
// writes back.
void correctSelfLinks(const SaveRequest& request, const QString& menuText, PageWriter& pages,
                      SaveOutcome& outcome)
{
    const QString colour = effectiveLinkColour(request.linkColour);
    const QString tag = projectTag(request.name);
    const SiteLayout site(request.files);
    for (const QString& path : request.files) {
        if (path.isEmpty())
            continue;
        const QString name = site.logName(path);
        const PageRead read = pages.read(path);
        if (!read.ok) {
            outcome.log.append(unreadableLogLine(name));
            outcome.pageFailed = true;
            continue;
        }
        if (read.page.text.contains(tag))
            continue;
        const std::optional<QString> highlighted =
            HighlightFileLink(read.page.text, menuText, path, colour, site);
        if (!highlighted)
            continue;
        const PageWrite written = pages.replace(path, read, *highlighted);
        if (!written.ok) {
            outcome.log.append(unwritableLogLine(name, written));
            outcome.pageFailed = true;
            continue;
        }
        outcome.log.append(name + linkCorrectedSuffix());
    }
}

} // namespace quillet
