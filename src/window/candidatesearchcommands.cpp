#include "window/candidatesearchcommands.h"

#include "engine/pathnames.h"
#include "engine/runs.h"
#include "engine/unhighlight.h"
#include "filelist/pathadmission.h"
#include "project/projectstore.h"
#include "window/filelistpage.h"
#include "window/mainmenu.h"
#include "window/menutextpage.h"
#include "window/pagepreview.h"
#include "window/runprogressdialog.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>

namespace quillet {

namespace {

constexpr qint64 repaintEveryMs = 100;
// A batch joins the list once it is a quarter of its length or more, so that all the
// list's rebuilds together take time linear in its final length.
constexpr qsizetype batchShare = 4;

// Lets the window paint while a search fills the list; user input waits, so no other
// command starts meanwhile. Painting after every page would cost more than the search.
class ListRepainter
{
public:
    ListRepainter() { now(); }
    void now()
    {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        m_clock.start();
    }
    bool due() const { return m_clock.elapsed() >= repaintEveryMs; }

private:
    QElapsedTimer m_clock;
};

} // namespace

CandidateSearchCommands::CandidateSearchCommands(WindowParts& parts, const MainMenu& menu,
                                                 QObject* parent)
    : QObject(parent), m_parts(parts)
{
    connect(menu.mhp, &QAction::triggered, this, &CandidateSearchCommands::mhp_Click);
    connect(menu.mhr, &QAction::triggered, this, &CandidateSearchCommands::mhr_Click);
}

void CandidateSearchCommands::mhp_Click()
{
    if (m_parts.state.busy)
        return;
    BusyGuard busy(m_parts.state);
    WindowState& state = m_parts.state;
    const QStringList listed = m_parts.fileList->paths();
    if (!listed.isEmpty())
        state.SearchFolder = searchFolderOf(listed);
    if (state.SearchFolder.isEmpty()) {
        m_parts.dialogs.showMessage(noSearchFolderMessage());
        return;
    }
    const FolderListing listing = listCandidates(state.SearchFolder);
    if (listing.error) {
        m_parts.dialogs.showMessage(*listing.error);
        return;
    }
    MenuTextPage* menuText = m_parts.menuText;
    const QString cleaned = CleanHighlight(menuText->text());
    if (cleaned != menuText->text())
        menuText->setText(cleaned);
    refillWithCandidates(listing.candidates, beforeConversionTest(menuText->text()));
}

void CandidateSearchCommands::mhr_Click()
{
    if (m_parts.state.busy || m_parts.fileList->count() == 0)
        return;
    BusyGuard busy(m_parts.state);
    WindowState& state = m_parts.state;
    state.SearchFolder = searchFolderOf(m_parts.fileList->paths());
    const FolderListing listing = listCandidates(state.SearchFolder);
    if (listing.error) {
        m_parts.dialogs.showMessage(*listing.error);
        return;
    }
    refillWithCandidates(listing.candidates, afterConversionTest(projectTag(state.currentName)));
}

// The list's old entries go even when nothing is found; on a failure the list keeps the
// candidates found so far. The pages found join the list in batches, each in one go: one at
// a time, each looking for its place, costs time quadratic in the list.
void CandidateSearchCommands::refillWithCandidates(const QStringList& candidates,
                                                   const CandidateTest& test)
{
    FileListPage* list = m_parts.fileList;
    list->clear();
    ListRepainter repainter;
    RunProgressDialog progress(m_parts.window, tr("候補探し"));
    QStringList found;
    QStringList refused;
    const CandidateSearch search = examineCandidates(
        candidates, test,
        [&](const QString& path) {
            if (!projectFileCanHold(path, m_parts.store.format())) {
                refused.append(path);
                return;
            }
            found.append(path);
            if (!repainter.due())
                return;
            if (found.size() * batchShare >= list->count())
                list->addPaths(std::exchange(found, {}));
            repainter.now();
        },
        progress.callback());
    list->addPaths(found);
    // The source view shows the last page examined, as the work buffer did.
    if (search.examined > 0)
        m_parts.preview->showLastPageRead(search.lastPageText);
    if (!refused.isEmpty())
        m_parts.dialogs.showMessage(refusedPathsMessage(refused));
    if (search.error) {
        m_parts.dialogs.showMessage(*search.error);
        return;
    }
    m_parts.selectTab(WindowPage::FileList);
}

} // namespace quillet
