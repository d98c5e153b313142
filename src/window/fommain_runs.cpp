#include "window/fommain.h"

#include "window/crlftextedit.h"
#include "window/filelistpage.h"
#include "window/projectpanel.h"
#include "window/runprogressdialog.h"
#include "window/windowdialogs.h"

#include <QLineEdit>
#include <QListWidget>

namespace quillet {

namespace {

constexpr int logTab = 5;

// Marks a run for its whole length, however it ends.
class RunningFlag
{
public:
    explicit RunningFlag(bool& flag) : m_flag(flag) { m_flag = true; }
    ~RunningFlag() { m_flag = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& m_flag;
};

} // namespace

RunSettings FomMain::runSettings() const
{
    return {TxtOrg->text(), FrmProject->TxtTag->text(), LinkColor};
}

bool FomMain::refuseRun(const RunSettings& settings)
{
    const std::optional<UserMessage> refusal = checkRunSettings(settings);
    if (refusal)
        m_dialogs.showMessage(*refusal);
    return refusal.has_value();
}

void FomMain::CodEncode_Click()
{
    if (refuseRun(runSettings()))
        return;
    // The save's link corrections and the conversion are taken back as one command.
    JournalledPages pages = journalledPages(QStringLiteral("convert"));
    IsConverting = true;
    const bool saved = saveProject(pages);
    IsConverting = false;
    // Pages that lose their menu while the menu text is not stored could not get it back.
    if (!saved)
        return;

    const RunSettings settings = runSettings(); // the save may have cleaned the menu text
    const QStringList paths = m_fileListPage->paths();
    RunningFlag running(m_running);
    RunProgressDialog progress(this, QStringLiteral("変換"));
    showRunResult(paths, runConversion(paths, settings, pages, progress.callback()));
}

void FomMain::CmdDecode_Click()
{
    const RunSettings settings = runSettings();
    if (refuseRun(settings))
        return;
    m_fileListPage->deselectAll();
    const QStringList paths = m_fileListPage->paths();
    RunningFlag running(m_running);
    RunProgressDialog progress(this, QStringLiteral("戻す"));
    JournalledPages pages = journalledPages(QStringLiteral("restore"));
    showRunResult(paths, runRestore(paths, settings, pages, progress.callback()));
}

void FomMain::showRunResult(const QStringList& paths, const RunResult& result)
{
    if (result.refusal) {
        m_dialogs.showMessage(*result.refusal);
        return;
    }
    LstLog->clear();
    appendLog(result.log);
    // The source view shows the last page the run read, as the work buffer did.
    if (!paths.isEmpty())
        RTB1->setText(result.lastPageText);
    selectTab(logTab);
}

} // namespace quillet
