#include "window/fommain.h"

#include "engine/menublock.h"
#include "engine/pagefile.h"
#include "window/candidatesearchcommands.h"
#include "window/filelistcommands.h"
#include "window/filelistdrop.h"
#include "window/filelistpage.h"
#include "window/helpcommands.h"
#include "window/logview.h"
#include "window/menutextpage.h"
#include "window/offeredpages.h"
#include "window/pageframe.h"
#include "window/pagepreview.h"
#include "window/projectcommands.h"
#include "window/projectpanel.h"
#include "window/runcommands.h"
#include "window/sourcecommands.h"
#include "window/undocommand.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

namespace quillet {

namespace {

// Window and band sizes in pixels (15 twips each at 96 dots per inch).
constexpr QSize defaultClientSize(1032, 720);
constexpr int panelBandHeight = 47;
// Room left on a small screen for the title bar and borders the desktop adds.
constexpr QSize frameAllowance(16, 48);

} // namespace

void FomMain::offerPages(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    if (m_started) {
        m_offered->offer(paths);
        return;
    }
    connect(
        m_project, &ProjectCommands::reloaded, this, [this, paths] { m_offered->offer(paths); },
        Qt::SingleShotConnection);
}

void FomMain::comeToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

FomMain::FomMain(const QString& projectFilePath, WindowDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_store(projectFilePath)
{
    setObjectName(QStringLiteral("FomMain"));
    setWindowTitle(applicationTitle());
    m_menu = setupMainMenu(*menuBar(), *this);
    setupControls();
    setupPages();
    setupCentralWidget();
    connectEditors();
    // At a large scale factor neither the default size nor the layout's minimum may exceed a
    // small screen.
    resize(defaultClientSize.boundedTo(screen()->availableSize() - frameAllowance));
    setMinimumSize(minimumSizeHint().boundedTo(screen()->availableSize()));
    Form_Load();
    setupCommands(dialogs);
}

// The commands go before the controls, which may still signal while they are deleted.
FomMain::~FomMain()
{
    delete m_offered;
    delete m_fileListCommands;
    delete m_drop;
    delete m_searches;
    delete m_runs;
    delete m_project;
    delete m_preview;
}

void FomMain::closeEvent(QCloseEvent* event)
{
    if (m_project->mayDropChanges())
        event->accept();
    else
        event->ignore();
}

void FomMain::setupControls()
{
    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    m_projectPanel = new ProjectPanel(this);
    m_preview = new PagePreview(this);
    m_fileList = new FileListPage(this);
    m_menuText = new MenuTextPage(this);
    m_log = new LogView(this);
}

// Each tab shows the page of one part; the frames keep the names the rest of the window
// knows them by.
void FomMain::setupPages()
{
    auto* fileList = new PageFrame(0, WindowPage::FileList, m_fileList, this);
    auto* menuText = new PageFrame(1, WindowPage::MenuText, m_menuText, this);
    auto* source = new PageFrame(3, WindowPage::Source, m_preview->sourcePage(), this);
    auto* log = new PageFrame(5, WindowPage::Log, m_log, this);
    auto* web = new PageFrame(6, WindowPage::Web, m_preview->webPage(), this);
    const struct
    {
        QString label;
        PageFrame* frame;
    } tabs[] = {{tr("ファイル"), fileList},
                {tr("メニュー文字"), menuText},
                {tr("HTML表示"), source},
                {tr("WEB表示"), web},
                {tr("Log表示"), log}};
    for (const auto& tab : tabs) {
        TabStrip1->addTab(tab.label);
        m_tabFrames.append(tab.frame);
    }
}

void FomMain::setupCentralWidget()
{
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(3, 7, 3, 3);
    outer->setSpacing(0);
    outer->addWidget(TabStrip1);

    // The tab strip's client area: the panel band over the pages.
    auto* client = new QFrame(central);
    client->setFrameShape(QFrame::StyledPanel);
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(4, 4, 4, 4);
    clientLayout->setSpacing(3);

    auto* band = new QWidget(client);
    band->setFixedHeight(panelBandHeight);
    auto* bandLayout = new QGridLayout(band);
    bandLayout->setContentsMargins(0, 0, 0, 0);
    bandLayout->addWidget(m_projectPanel, 0, 0);
    bandLayout->addWidget(m_preview->toolbar(), 0, 0);
    clientLayout->addWidget(band);

    // Every page takes the same place; the tab switch decides which are visible.
    auto* pages = new QWidget(client);
    auto* pagesLayout = new QGridLayout(pages);
    pagesLayout->setContentsMargins(0, 0, 0, 0);
    for (PageFrame* frame : std::as_const(m_tabFrames))
        pagesLayout->addWidget(frame, 0, 0);
    clientLayout->addWidget(pages, 1);

    outer->addWidget(client, 1);
    setCentralWidget(central);
}

void FomMain::setupCommands(WindowDialogs& dialogs)
{
    m_parts.reset(new WindowParts{.dialogs = dialogs,
                                  .store = m_store,
                                  .state = m_state,
                                  .window = this,
                                  .projectPanel = m_projectPanel,
                                  .fileList = m_fileList,
                                  .menuText = m_menuText,
                                  .preview = m_preview,
                                  .log = m_log,
                                  .statusBar = statusBar(),
                                  .selectTab = [this](WindowPage page) {
                                      selectTab(page);
                                  }});
    m_source = new SourceCommands(*m_parts, this);
    m_help = new HelpCommands(dialogs, m_store.filePath(), this, m_menu);
    m_project = new ProjectCommands(*m_parts, m_menu, this);
    m_runs = new RunCommands(*m_parts, *m_project, m_menu, this);
    m_fileListCommands = new FileListCommands(*m_parts, m_menu, this);
    m_drop = new FileListDrop(*m_parts, this);
    m_searches = new CandidateSearchCommands(*m_parts, m_menu, this);
    connect(m_project, &ProjectCommands::reloaded, this, [this] { m_started = true; });
    m_offered = new OfferedPages(
        *m_parts, [this](const QStringList& paths) { m_drop->openPages(paths); }, this);
    new UndoCommand(*m_parts, m_menu, this);
}

void FomMain::connectEditors()
{
    connect(TabStrip1, &QTabBar::currentChanged, this, &FomMain::TabStrip1_Click);
}

void FomMain::Form_Load()
{
    for (PageFrame* frame : std::as_const(m_tabFrames))
        frame->setVisible(frame == m_tabFrames.first());
    showPanels(true, false);
    m_preview->setMenuFromSelectionEnabled(true);
}

PageFrame* FomMain::tabFrame(int index) const
{
    return m_tabFrames.at(index);
}

void FomMain::selectTab(WindowPage page)
{
    int index = 0;
    while (index < TabStrip1->count() - 1 && tabFrame(index)->page() != page)
        ++index;
    if (TabStrip1->currentIndex() == index)
        TabStrip1_Click();
    else
        TabStrip1->setCurrentIndex(index);
}

void FomMain::TabStrip1_Click()
{
    const PageFrame* shown = tabFrame(TabStrip1->currentIndex());
    for (PageFrame* frame : std::as_const(m_tabFrames))
        frame->setVisible(frame == shown);
    const WindowPage page = shown->page();

    switch (page) {
    case WindowPage::FileList:
        showPanels(true, false);
        m_fileList->setFocus();
        return;
    case WindowPage::MenuText:
        showPanels(true, false);
        m_fileList->updateWelcomePicture();
        fillMenuTextFromOnlyFile();
        return;
    case WindowPage::Source:
    case WindowPage::Web:
        showPreviewPage(page);
        return;
    case WindowPage::Log:
        showPanels(false, false);
        m_preview->setMenuFromSelectionEnabled(false);
        return;
    }
}

void FomMain::showPreviewPage(WindowPage page)
{
    // The chooser lists the file list as it is now and names the first selected file.
    if (m_preview->chosenPath().isEmpty())
        m_preview->offerFiles(m_fileList->paths(), m_fileList->firstSelectedPath());
    // With nothing to preview the panel that was shown stays.
    if (m_preview->chosenPath().isEmpty())
        return;
    showPanels(false, true);
    m_preview->setMenuFromSelectionEnabled(page == WindowPage::Source);
    m_preview->showChosen();
}

void FomMain::showPanels(bool project, bool preview)
{
    m_projectPanel->setVisible(project);
    m_preview->toolbar()->setVisible(preview);
}

// A project of one page takes its menu from that page, when the menu text is still empty.
void FomMain::fillMenuTextFromOnlyFile()
{
    if (!m_menuText->text().isEmpty() || m_fileList->count() != 1)
        return;
    const PageRead read = readPage(m_fileList->paths().first());
    if (read.ok && !isProjectTagOnly(GetMenuBlock(read.page.text)))
        m_menuText->setText(GetMenuBlock(read.page.text));
}

} // namespace quillet
