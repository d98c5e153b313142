#include "window/fommain.h"

#include "engine/menublock.h"
#include "engine/pagefile.h"
#include "window/crlftextedit.h"
#include "window/filelistcommands.h"
#include "window/filelistpage.h"
#include "window/filelistwidget.h"
#include "window/helpcommands.h"
#include "window/logview.h"
#include "window/offeredpages.h"
#include "window/pageframe.h"
#include "window/previewcommands.h"
#include "window/previewtoolbar.h"
#include "window/projectcommands.h"
#include "window/projectpanel.h"
#include "window/runcommands.h"
#include "window/sourcecommands.h"
#include "window/sourcetextview.h"
#include "window/undocommand.h"
#include "window/webpageview.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QListWidget>
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
    delete m_fileList;
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
    const struct
    {
        WindowPage page;
        QString label;
    } tabs[] = {{WindowPage::FileList, QStringLiteral("ファイル")},
                {WindowPage::MenuText, QStringLiteral("メニュー文字")},
                {WindowPage::Source, QStringLiteral("HTML表示")},
                {WindowPage::Web, QStringLiteral("WEB表示")},
                {WindowPage::Log, QStringLiteral("Log表示")}};
    for (const auto& tab : tabs)
        TabStrip1->setTabData(TabStrip1->addTab(tab.label), int(tab.page));

    FrmProject = new ProjectPanel(this);
    FrmHtml = new PreviewToolbar(this);

    m_fileListPage = new FileListPage(this);
    LstFile = m_fileListPage->LstFile;

    TxtOrg = new CrLfTextEdit(this);
    TxtOrg->setObjectName(QStringLiteral("TxtOrg"));
    RTB1 = new SourceTextView(this);
    RTB1->setObjectName(QStringLiteral("RTB1"));

    LstLog = new LogView(this);

    WB2 = new WebPageView(this);
    WB2->setObjectName(QStringLiteral("WB2"));
}

// The page frames keep the indices the rest of the window refers to.
void FomMain::setupPages()
{
    Frm = {new PageFrame(0, WindowPage::FileList, m_fileListPage, this),
           new PageFrame(1, WindowPage::MenuText, TxtOrg, this),
           new PageFrame(3, WindowPage::Source, RTB1, this),
           new PageFrame(5, WindowPage::Log, LstLog, this),
           new PageFrame(6, WindowPage::Web, WB2, this)};
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
    bandLayout->addWidget(FrmProject, 0, 0);
    bandLayout->addWidget(FrmHtml, 0, 0);
    clientLayout->addWidget(band);

    // Every page takes the same place; the tab switch decides which are visible.
    auto* pages = new QWidget(client);
    auto* pagesLayout = new QGridLayout(pages);
    pagesLayout->setContentsMargins(0, 0, 0, 0);
    for (PageFrame* frame : std::as_const(Frm))
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
                                  .FrmProject = FrmProject,
                                  .FrmHtml = FrmHtml,
                                  .fileListPage = m_fileListPage,
                                  .LstFile = LstFile,
                                  .TxtOrg = TxtOrg,
                                  .RTB1 = RTB1,
                                  .log = LstLog,
                                  .WB2 = WB2,
                                  .statusBar = statusBar(),
                                  .selectTab = [this](WindowPage page) {
                                      selectTab(page);
                                  }});
    m_preview = new PreviewCommands(*m_parts, this);
    m_source = new SourceCommands(*m_parts, this);
    m_help = new HelpCommands(dialogs, m_store.filePath(), this, m_menu);
    m_project = new ProjectCommands(*m_parts, m_menu, this);
    m_runs = new RunCommands(*m_parts, *m_project, m_menu, this);
    m_fileList = new FileListCommands(*m_parts, m_menu, this);
    connect(m_project, &ProjectCommands::reloaded, this, [this] { m_started = true; });
    m_offered = new OfferedPages(
        *m_parts, [this](const QStringList& paths) { m_fileList->openPages(paths); }, this);
    new UndoCommand(*m_parts, m_menu, this);
}

void FomMain::connectEditors()
{
    connect(TabStrip1, &QTabBar::currentChanged, this, &FomMain::TabStrip1_Click);
    connect(TxtOrg, &QPlainTextEdit::textChanged, this, &FomMain::TxtOrg_Change);
}

void FomMain::Form_Load()
{
    for (PageFrame* frame : std::as_const(Frm))
        frame->setVisible(frame == Frm.first());
    showPanels(true, false);
    FrmHtml->setMenuFromSelectionEnabled(true);
}

WindowPage FomMain::tabPage(int index) const
{
    return static_cast<WindowPage>(TabStrip1->tabData(index).toInt());
}

void FomMain::selectTab(WindowPage page)
{
    int index = 0;
    while (index < TabStrip1->count() - 1 && tabPage(index) != page)
        ++index;
    if (TabStrip1->currentIndex() == index)
        TabStrip1_Click();
    else
        TabStrip1->setCurrentIndex(index);
}

void FomMain::TabStrip1_Click()
{
    const WindowPage page = tabPage(TabStrip1->currentIndex());
    for (PageFrame* frame : std::as_const(Frm))
        frame->setVisible(frame->page() == page);

    switch (page) {
    case WindowPage::FileList:
        showPanels(true, false);
        LstFile->setFocus();
        return;
    case WindowPage::MenuText:
        showPanels(true, false);
        m_fileListPage->updateWelcomePicture();
        fillMenuTextFromOnlyFile();
        return;
    case WindowPage::Source:
    case WindowPage::Web:
        showPreviewPage(page);
        return;
    case WindowPage::Log:
        showPanels(false, false);
        FrmHtml->setMenuFromSelectionEnabled(false);
        return;
    }
}

void FomMain::showPreviewPage(WindowPage page)
{
    if (FrmHtml->chosenPath().isEmpty())
        m_preview->FillPreviewList();
    // With nothing to preview the panel that was shown stays.
    if (FrmHtml->chosenPath().isEmpty())
        return;
    showPanels(false, true);
    FrmHtml->setMenuFromSelectionEnabled(page == WindowPage::Source);
    m_preview->ShowPreview();
}

void FomMain::showPanels(bool project, bool preview)
{
    FrmProject->setVisible(project);
    FrmHtml->setVisible(preview);
}

// A project of one page takes its menu from that page, when the menu text is still empty.
void FomMain::fillMenuTextFromOnlyFile()
{
    if (!TxtOrg->text().isEmpty() || LstFile->count() != 1)
        return;
    const PageRead read = readPage(LstFile->item(0)->text());
    if (read.ok && !isProjectTagOnly(GetMenuBlock(read.page.text)))
        TxtOrg->setText(GetMenuBlock(read.page.text));
}

// Runs on every change, typed or set: the engine only recognises lower-case links.
void FomMain::TxtOrg_Change()
{
    keepAnchorsLowerCase(*TxtOrg);
}

} // namespace quillet
