#include "project/projectmessages.h"
#include "project/projectstore.h"
#include "project/projecttext.h"

#include "engine/highlight.h"
#include "engine/pathnames.h"
#include "engine/runs.h"
#include "engine/unhighlight.h"

namespace quillet {

namespace {

const QString menuNotSavedLine = QStringLiteral("プロジェクトは保存されませんでした。");
const QString linkCorrectedSuffix = QStringLiteral("のリンクを修正しました。");

// The listed pages whose own menu entry is still a plain link get the highlight.
void correctSelfLinks(const QStringList& paths, const QString& linkColour, PageWriter& pages,
                      SaveOutcome& outcome)
{
    const QString colour = effectiveLinkColour(linkColour);
    for (const QString& path : paths) {
        if (path.isEmpty())
            continue;
        const PageRead read = pages.read(path);
        if (!read.ok) {
            outcome.log.append(unreadableLogLine(path));
            outcome.pageFailed = true;
            continue;
        }
        const QString name = GetFileName(path);
        if (GetLinkState(read.page.text, name) != LinkState::Plain)
            continue;
        const QString highlighted = HighlightFileLink(read.page.text, name, colour);
        if (!pages.replace(path, read, highlighted).ok) {
            outcome.log.append(unwritableLogLine(path));
            outcome.pageFailed = true;
            continue;
        }
        outcome.log.append(name + linkCorrectedSuffix);
    }
}

// The project text with the project stored in it, or nothing when the text is too malformed
// to edit without damaging another project.
std::optional<QString> textWithProject(QString text, const QString& name, const QStringList& files,
                                       const PreparedMenuText& menu)
{
    if (text.isEmpty())
        text = emptyProjectText();
    if (projectKeyIn(text, name) == 0 && !addProject(text, name))
        return std::nullopt;
    const qsizetype key = projectKeyIn(text, name);
    if (!SaveFileList(text, key, files))
        return std::nullopt;
    if (!menu.escaped.isEmpty() && !SaveMenuText(text, key, menu.escaped))
        return std::nullopt;
    return text;
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
    std::optional<QString> text = textWithProject(m_text, request.name, request.files, menu);
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
    outcome.result = request.dryRun || writeProjectText(*text, dialogs)
                         ? SaveOutcome::Result::Saved
                         : SaveOutcome::Result::WriteFailed;
    correctSelfLinks(request.files, request.linkColour, pages, outcome);
    return outcome;
}

} // namespace quillet
