#include "project/selflinks.h"

#include "engine/pagerun.h"

#include <QCoreApplication>

namespace quillet {

namespace {

QString linkCorrectedSuffix()
{
    return QCoreApplication::translate("SelfLinks", "のリンクを修正しました。");
}

} // namespace

void correctSelfLinks(const SaveRequest& request, const SelfLinkCorrection& correction,
                      PageWriter& pages, SaveOutcome& outcome)
{
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
        const std::optional<QString> highlighted = correction.corrected(read.page.text, path, site);
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
