#pragma once

#include "engine/pagewriter.h"
#include "engine/runs.h"
#include "project/projectstore.h"
#include "window/mainmenu.h"

#include <QList>
#include <QMainWindow>

class QListWidget;
class QTabBar;
class QTimer;

namespace quillet {

class CrLfTextEdit;
class FileListPage;
class PageFrame;
class PreviewToolbar;
class ProjectPanel;
class WindowDialogs;

// The main window: the tab strip with its pages, the project panel and the preview
// toolbar, and the commands that tie them to the engine and the project store. The
// controls hold the project the window works on.
class FomMain : public QMainWindow
{
    Q_OBJECT
public:
    FomMain(const QString& projectFilePath, WindowDialogs& dialogs, QWidget* parent = nullptr);
    ~FomMain() override;

    // Selects tab n (1 to 5, from the left) with the effect of the user's click.
    void selectTab(int n);

private:
    // The shell: controls, menus, pages and the tab switch (fommain.cpp).
    void setupControls();
    void setupPages();
    void setupCentralWidget();
    void setupTimer();
    void connectProjectPanel();
    void connectMenus();
    void connectEditors();
    void Form_Load();
    void TabStrip1_Click();
    void showPanels(bool project, bool preview);
    void fillMenuTextFromOnlyFile();
    void TxtOrg_Change();

    // The preview chooser and the source view (fommain_preview.cpp).
    void FillPreviewList();
    void ShowPreview();

    // Project selection, saving and deletion (fommain_project.cpp).
    void Timer1_Timer();
    void CmbName_Change();
    void CmbName_Click();
    void SelectProject();
    void CmdClear_Click();
    void mpsave_Click();
    void mperase_Click();
    void showProjectList(const ProjectList& list);
    void LoadFileList(const QString& name);
    void LoadMenuText(const QString& name);
    void setProjectTag();
    bool saveProject(PageWriter& pages);
    // The page writer of one command on the current project.
    JournalledPages journalledPages(const QString& command) const;
    void appendLog(const QStringList& lines);
    QString currentName() const;

    // The conversion and restore runs (fommain_runs.cpp).
    void CodEncode_Click();
    void CmdDecode_Click();
    RunSettings runSettings() const;
    bool refuseRun(const RunSettings& settings);
    void showRunResult(const QStringList& paths, const RunResult& result);

    WindowDialogs& m_dialogs;
    ProjectStore m_store;
    MainMenu m_menu;
    bool m_running = false; // a run is under way; the reload waits for it

    QTabBar* TabStrip1 = nullptr;
    ProjectPanel* FrmProject = nullptr;
    PreviewToolbar* FrmHtml = nullptr;
    FileListPage* m_fileListPage = nullptr;
    QListWidget* LstFile = nullptr;
    CrLfTextEdit* TxtOrg = nullptr;
    CrLfTextEdit* RTB1 = nullptr;
    QListWidget* LstLog = nullptr;
    QWidget* WB2 = nullptr;
    QList<PageFrame*> Frm;
    QTimer* Timer1 = nullptr;

    bool IsConverting = false;
    QString LinkColor; // "#RRGGBB", empty for the default colour
    QString SearchFolder;
    QString LoadedProjectName;
};

} // namespace quillet
