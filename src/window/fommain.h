#pragma once

#include "project/projectstore.h"
#include "window/mainmenu.h"
#include "window/windowpage.h"
#include "window/windowstate.h"

#include <QList>
#include <QMainWindow>
#include <memory>

class QListWidget;
class QTabBar;

namespace quillet {

class CrLfTextEdit;
class FileListCommands;
class FileListPage;
class HelpCommands;
class LogView;
class OfferedPages;
class PageFrame;
class PreviewCommands;
class PreviewToolbar;
class ProjectCommands;
class ProjectPanel;
class RunCommands;
class SourceCommands;
class SourceTextView;
class WebPageView;
class WindowDialogs;
struct WindowParts;

// The main window's shell: the menus, the tab strip with its pages, the project panel and
// the preview toolbar, their layout and the tab switch. The commands live in one class per
// concern, which share the controls and the window's state through WindowParts.
class FomMain : public QMainWindow
{
    Q_OBJECT
public:
    FomMain(const QString& projectFilePath, WindowDialogs& dialogs, QWidget* parent = nullptr);
    ~FomMain() override;

    // Shows the pages the program was given and offers them for the file list, once the
    // start-up reload has loaded the last project.
    void offerPages(const QStringList& paths);
    // Brought to the front for a later start of the program.
    void comeToFront();

    // Shows the page with the effect of the user's click on its tab.
    void selectTab(WindowPage page);

protected:
    // Unsaved changes are saved or dropped first, as the user answers.
    void closeEvent(QCloseEvent* event) override;

private:
    WindowPage tabPage(int index) const;
    void showPreviewPage(WindowPage page);
    void setupControls();
    void setupPages();
    void setupCentralWidget();
    void setupCommands(WindowDialogs& dialogs);
    void connectEditors();
    void Form_Load();
    void TabStrip1_Click();
    void showPanels(bool project, bool preview);
    void fillMenuTextFromOnlyFile();
    void TxtOrg_Change();

    WindowState m_state;
    ProjectStore m_store;
    MainMenu m_menu;
    std::unique_ptr<WindowParts> m_parts;
    ProjectCommands* m_project = nullptr;
    RunCommands* m_runs = nullptr;
    FileListCommands* m_fileList = nullptr;
    PreviewCommands* m_preview = nullptr;
    SourceCommands* m_source = nullptr;
    HelpCommands* m_help = nullptr;
    OfferedPages* m_offered = nullptr;
    bool m_started = false; // the start-up reload has run

    QTabBar* TabStrip1 = nullptr;
    ProjectPanel* FrmProject = nullptr;
    PreviewToolbar* FrmHtml = nullptr;
    FileListPage* m_fileListPage = nullptr;
    QListWidget* LstFile = nullptr;
    CrLfTextEdit* TxtOrg = nullptr;
    SourceTextView* RTB1 = nullptr;
    LogView* LstLog = nullptr;
    WebPageView* WB2 = nullptr;
    QList<PageFrame*> Frm;
};

} // namespace quillet
