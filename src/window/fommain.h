#pragma once

#include "project/projectstore.h"
#include "window/mainmenu.h"
#include "window/windowpage.h"
#include "window/windowstate.h"

#include <QList>
#include <QMainWindow>
#include <memory>

class QTabBar;

namespace quillet {

class CandidateSearchCommands;
class FileListCommands;
class FileListDrop;
class FileListPage;
class HelpCommands;
class LogView;
class MenuTextPage;
class OfferedPages;
class PageFrame;
class PagePreview;
class ProjectCommands;
class ProjectPanel;
class RunCommands;
class SourceCommands;
class WindowDialogs;
struct WindowParts;

// The main window's shell: the menus, the tab strip with its pages, the band of panels over
// them, their layout and the tab switch. Each part of the window owns its controls; the
// commands live in one class per concern, which share the parts and the window's state
// through WindowParts.
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
    PageFrame* tabFrame(int index) const;
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

    WindowState m_state;
    ProjectStore m_store;
    MainMenu m_menu;
    std::unique_ptr<WindowParts> m_parts;
    ProjectCommands* m_project = nullptr;
    RunCommands* m_runs = nullptr;
    FileListCommands* m_fileListCommands = nullptr;
    FileListDrop* m_drop = nullptr;
    CandidateSearchCommands* m_searches = nullptr;
    SourceCommands* m_source = nullptr;
    HelpCommands* m_help = nullptr;
    OfferedPages* m_offered = nullptr;
    bool m_started = false; // the start-up reload has run

    QTabBar* TabStrip1 = nullptr;
    ProjectPanel* m_projectPanel = nullptr;
    FileListPage* m_fileList = nullptr;
    MenuTextPage* m_menuText = nullptr;
    PagePreview* m_preview = nullptr;
    LogView* m_log = nullptr;
    QList<PageFrame*> m_tabFrames; // in the order of the tabs
};

} // namespace quillet
