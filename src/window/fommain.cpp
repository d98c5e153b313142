#include "window/fommain.h"

#include "engine/menublock.h"
#include "engine/pagefile.h"
#include "window/crlftextedit.h"
#include "window/filelistpage.h"
#include "window/pageframe.h"
#include "window/previewtoolbar.h"
#include "window/projectpanel.h"
#include "window/welcomepicture.h"
#include "window/windowdialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

namespace quillet {

namespace {

// Window and band sizes in pixels (15 twips each at 96 dots per inch).
constexpr QSize defaultClientSize(1032, 720);
constexpr int panelBandHeight = 47;
constexpr int startupDelayMs = 300;

const QString filenameTag = QStringLiteral("filename");
const QString menuTag = QStringLiteral("menu");
const QString htmlTag = QStringLiteral("html");
const QString webTag = QStringLiteral("web");
const QString logTag = QStringLiteral("log");

const QString initialLogLine = QStringLiteral(" \"ログです\"");

} // namespace

FomMain::FomMain(const QString& projectFilePath, WindowDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_store(projectFilePath)
{
    setObjectName(QStringLiteral("FomMain"));
    setWindowTitle(applicationTitle);
    m_menu = setupMainMenu(*menuBar(), *this);
    setupControls();
    setupPages();
    setupCentralWidget();
    connectProjectPanel();
    connectMenus();
    connectEditors();
    resize(defaultClientSize);
    Form_Load();
    setupTimer();
}

FomMain::~FomMain() = default;

void FomMain::setupControls()
{
    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    const struct
    {
        QString tag;
        QString label;
    } tabs[] = {{filenameTag, QStringLiteral("ファイル")},
                {menuTag, QStringLiteral("メニュー文字")},
                {htmlTag, QStringLiteral("HTML表示")},
                {webTag, QStringLiteral("WEB表示")},
                {logTag, QStringLiteral("Log表示")}};
    for (const auto& tab : tabs)
        TabStrip1->setTabData(TabStrip1->addTab(tab.label), tab.tag);

    FrmProject = new ProjectPanel(this);
    FrmHtml = new PreviewToolbar(this);

    m_fileListPage = new FileListPage(this);
    LstFile = m_fileListPage->LstFile;

    TxtOrg = new CrLfTextEdit(this);
    TxtOrg->setObjectName(QStringLiteral("TxtOrg"));
    RTB1 = new CrLfTextEdit(this);
    RTB1->setObjectName(QStringLiteral("RTB1"));

    LstLog = new QListWidget(this);
    LstLog->setObjectName(QStringLiteral("LstLog"));
    LstLog->addItem(initialLogLine);

    // The rendered page arrives with the preview; until then the page stays empty.
    WB2 = new QWidget(this);
    WB2->setObjectName(QStringLiteral("WB2"));
}

// The page frames keep the indices the rest of the window refers to.
void FomMain::setupPages()
{
    Frm = {new PageFrame(0, filenameTag, m_fileListPage, this),
           new PageFrame(1, menuTag, TxtOrg, this), new PageFrame(3, htmlTag, RTB1, this),
           new PageFrame(5, logTag, LstLog, this), new PageFrame(6, webTag, WB2, this)};
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

void FomMain::setupTimer()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(startupDelayMs);
    connect(Timer1, &QTimer::timeout, this, &FomMain::Timer1_Timer);
    Timer1->start();
}

void FomMain::connectProjectPanel()
{
    connect(FrmProject->CmbName, &QComboBox::editTextChanged, this, &FomMain::CmbName_Change);
    connect(FrmProject->CmbName, &QComboBox::activated, this, &FomMain::CmbName_Click);
    connect(FrmProject->CmdClear, &QPushButton::clicked, this, &FomMain::CmdClear_Click);
    connect(FrmProject->CodEncode, &QPushButton::clicked, this, &FomMain::CodEncode_Click);
    connect(FrmProject->CmdDecode, &QPushButton::clicked, this, &FomMain::CmdDecode_Click);
}

void FomMain::connectMenus()
{
    connect(m_menu.mpsave, &QAction::triggered, this, &FomMain::mpsave_Click);
    connect(m_menu.mperase, &QAction::triggered, this, &FomMain::mperase_Click);
}

void FomMain::connectEditors()
{
    connect(TabStrip1, &QTabBar::currentChanged, this, &FomMain::TabStrip1_Click);
    connect(TxtOrg, &QPlainTextEdit::textChanged, this, &FomMain::TxtOrg_Change);
    connect(FrmHtml->Combo1, &QComboBox::editTextChanged, this, &FomMain::ShowPreview);
    connect(FrmHtml->Combo1, &QComboBox::activated, this, &FomMain::ShowPreview);
}

void FomMain::Form_Load()
{
    for (PageFrame* frame : std::as_const(Frm))
        frame->setVisible(frame == Frm.first());
    showPanels(true, false);
    FrmHtml->CmdComInsert->setEnabled(true);
}

void FomMain::selectTab(int n)
{
    const int index = n - 1;
    if (TabStrip1->currentIndex() == index)
        TabStrip1_Click();
    else
        TabStrip1->setCurrentIndex(index);
}

void FomMain::TabStrip1_Click()
{
    const QString tag = TabStrip1->tabData(TabStrip1->currentIndex()).toString();
    for (PageFrame* frame : std::as_const(Frm))
        frame->setVisible(frame->tag() == tag);

    if (tag == filenameTag) {
        showPanels(true, false);
        LstFile->setFocus();
    } else if (tag == menuTag) {
        showPanels(true, false);
        m_fileListPage->updateWelcomePicture();
        fillMenuTextFromOnlyFile();
    } else if (tag == htmlTag || tag == webTag) {
        if (FrmHtml->Combo1->currentText().isEmpty())
            FillPreviewList();
        // With nothing to preview the panel that was shown stays.
        if (FrmHtml->Combo1->currentText().isEmpty())
            return;
        showPanels(false, true);
        FrmHtml->CmdComInsert->setEnabled(tag == htmlTag);
        ShowPreview();
    } else if (tag == logTag) {
        showPanels(false, false);
        FrmHtml->CmdComInsert->setEnabled(false);
    }
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
    if (read.ok)
        TxtOrg->setText(GetMenuBlock(read.page.text));
}

// Runs on every change, typed or set: the engine only recognises lower-case links.
void FomMain::TxtOrg_Change()
{
    keepAnchorsLowerCase(*TxtOrg);
}

} // namespace quillet
