#include "project/projectmessages.h"
#include "project/projectstore.h"
#include "project/projecttext.h"

#include "engine/highlight.h"
#include "engine/ownentry.h"
#include "engine/pathnames.h"
#include "engine/runs.h"
#include "engine/unhighlight.h"

namespace quillet {

namespace {

const QString menuNotSavedLine = QStringLiteral("プロジェクトは保存されませんでした。");
const QString linkCorrectedSuffix = QStringLiteral("のリンクを修正しました。");

// The listed pages whose own menu entry is still a plain link get the highlight. A converted
// page is left to the restore run, which highlights the entry in the menu it writes back.
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
        outcome.log.append(name + linkCorrectedSuffix);
    }
}

} // namespace

SaveOutcome ProjectStore::SaveProject(const SaveRequest& request, StoreDialogs& dialogs,
                                      PageWriter& pages)
{
    SaveOutcome outcome;
    if (request.files.isEmpty()) {
        dialogs.showMessage(noFilesToSaveMessage());
        outcome.result = SaveOutcome::Result::NoFiles;
        return outcome;
    }
    if (!ensureLoaded(dialogs)) {
        outcome.result = SaveOutcome::Result::Refused;
        return outcome;
    }
    const bool exists = FindProjectKey(request.name) != 0;
    const PreparedMenuText menu = PrepareMenuText(request.menuText);
    std::optional<QString> text =
        storeProjectIn(m_text, request.name, request.files,
                       menu.escaped.isEmpty() ? std::nullopt : std::optional(menu.escaped));
    if (!text) {
        dialogs.showMessage(malformedForSaveMessage());
        outcome.result = SaveOutcome::Result::Refused;
        return outcome;
    }
    if (exists && !request.isConverting && !dialogs.askYesNoCancel(overwriteQuestion())) {
        outcome.result = SaveOutcome::Result::Declined;
        return outcome;
    }
    outcome.menuText = menu.cleaned;
    if (menu.escaped.isEmpty())
        outcome.log.append(menuNotSavedLine);
    if (!SetLastProject(*text, request.name))
        dialogs.showMessage(lastProjectNotWrittenMessage());
    const bool written =
        request.dryRun ? canWriteProjectText(*text, dialogs) : writeProjectText(*text, dialogs);
    if (!written) {
        // Pages corrected against a menu the file does not hold would drift from it.
        outcome.result = SaveOutcome::Result::WriteFailed;
        return outcome;
    }
    outcome.result = SaveOutcome::Result::Saved;
    correctSelfLinks(request, menu.cleaned, pages, outcome);
    return outcome;
}

} // namespace quillet
