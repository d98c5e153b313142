#include "engine/pathnames.h"
#include "engine/runs.h"
#include "engine/unhighlight.h"
#include "filelist/pathadmission.h"
#include "project/projectstore.h"
#include "window/crlftextedit.h"
#include "window/filelistcommands.h"
#include "window/filelistpage.h"
#include "window/runprogressdialog.h"
#include "window/sourcetextview.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListWidget>

namespace quillet {

namespace {

constexpr qint64 repaintEveryMs = 100;

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
    void nowAndThen()
    {
        if (m_clock.elapsed() >= repaintEveryMs)
            now();
    }

private:
    QElapsedTimer m_clock;
};

} // namespace

void FileListCommands::mhp_Click()
{
    if (m_parts.state.busy)
        return;
    BusyGuard busy(m_parts.state);
    WindowState& state = m_parts.state;
    const QStringList listed = m_parts.fileListPage->paths();
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
    const QString menuText = CleanHighlight(m_parts.TxtOrg->text());
    if (menuText != m_parts.TxtOrg->text())
        m_parts.TxtOrg->setText(menuText);
    refillWithCandidates(listing.candidates, beforeConversionTest(m_parts.TxtOrg->text()));
}

void FileListCommands::mhr_Click()
{
    if (m_parts.state.busy || m_parts.LstFile->count() == 0)
        return;
    BusyGuard busy(m_parts.state);
    WindowState& state = m_parts.state;
    state.SearchFolder = searchFolderOf(m_parts.fileListPage->paths());
    const FolderListing listing = listCandidates(state.SearchFolder);
    if (listing.error) {
        m_parts.dialogs.showMessage(*listing.error);
        return;
    }
    refillWithCandidates(listing.candidates, afterConversionTest(projectTag(state.currentName)));
}

// The list's old entries go even when nothing is found; on a failure the list keeps the
// candidates found so far.
void FileListCommands::refillWithCandidates(const QStringList& candidates,
                                            const CandidateTest& test)
{
    m_parts.fileListPage->clear();
    ListRepainter repainter;
    RunProgressDialog progress(m_parts.window, QStringLiteral("候補探し"));
    QStringList refused;
    const CandidateSearch search = examineCandidates(
        candidates, test,
        [&](const QString& path) {
            if (!projectFileCanHold(path, m_parts.store.format())) {
                refused.append(path);
                return;
            }
            m_parts.fileListPage->addPath(path);
            repainter.nowAndThen();
        },
        progress.callback());
    // The source view shows the last page examined, as the work buffer did.
    if (search.examined > 0)
        m_parts.RTB1->setText(search.lastPageText);
    if (!refused.isEmpty())
        m_parts.dialogs.showMessage(refusedPathsMessage(refused));
    if (search.error) {
        m_parts.dialogs.showMessage(*search.error);
        return;
    }
    m_parts.selectTab(WindowPage::FileList);
}

} // namespace quillet
