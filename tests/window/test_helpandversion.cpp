#include "scripteddialogs.h"
#include "window/frmabout.h"
#include "window/helppage.h"
#include "window/helpwindow.h"
#include "window/webpageview.h"
#include "windowdriver.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The help command and the version window.
class TestHelpAndVersion : public QObject
{
    Q_OBJECT

private slots:
    void versionItemTwiceShowsOneWindow();
    void systemInformationIsNotAvailable();
    void helpItemWithoutThePageSaysSo();
    void helpPageOpensInOneWindowOfItsOwn();
};

void TestHelpAndVersion::versionItemTwiceShowsOneWindow()
{
    QTemporaryDir dir;
    WindowDriver driver(dir.filePath(u"mprj.xml"_s));
    driver.choose("mmv");
    driver.choose("mmv");

    const auto windows = driver.window().findChildren<quillet::frmAbout*>();
    QCOMPARE(windows.size(), 1);
    quillet::frmAbout* about = windows.first();
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QVERIFY(about->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(about->size(), QSize(391, 242));
    QVERIFY(about->frameGeometry().contains(driver.window().frameGeometry().center()));
    QCOMPARE(about->windowTitle(), u"ﾊﾞｰｼﾞｮﾝ情報 クイレット"_s);
    QCOMPARE(about->lblVersion->text(), u"ﾊﾞｰｼﾞｮﾝ 1.0.0"_s);
    QCOMPARE(about->lblDescription->text(), u"\u3000\u3000  HTML テキストエディター  "_s);
    QVERIFY(about->lblDisclaimer->text().contains(u"GPL"_s));
    QVERIFY(about->Text1->isHidden() && about->Label1->isHidden());
    QCOMPARE(about->lblProjectFile->text(),
             u"プロジェクトファイル: "_s + QDir::toNativeSeparators(dir.filePath(u"mprj.xml"_s)));

    QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    QTRY_VERIFY(driver.window().findChildren<quillet::frmAbout*>().isEmpty());
    driver.choose("mmv");
    QCOMPARE(driver.window().findChildren<quillet::frmAbout*>().size(), 1);
}

void TestHelpAndVersion::systemInformationIsNotAvailable()
{
    ScriptedDialogs dialogs;
    quillet::frmAbout about(dialogs, u"/tmp/mprj.xml"_s, nullptr);
    about.setAttribute(Qt::WA_DeleteOnClose, false);
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    const quillet::UserMessage unavailable{QString(), u"現時点ではｼｽﾃﾑ情報を使用できません"_s};
    QCOMPARE(dialogs.messages, QList<quillet::UserMessage>{unavailable});
}

// The tests run beside no help page.
void TestHelpAndVersion::helpItemWithoutThePageSaysSo()
{
    QTemporaryDir dir;
    WindowDriver driver(dir.filePath(u"mprj.xml"_s));
    driver.choose("mmhelp");
    QVERIFY(driver.window().findChildren<quillet::HelpWindow*>().isEmpty());
    QCOMPARE(driver.dialogs.messages.size(), 1);
    QVERIFY(driver.dialogs.messages.first().text.contains(u"見つかりません"_s));
}

// No outside viewer: the program's own web view shows the page, and a second click raises
// the same window.
void TestHelpAndVersion::helpPageOpensInOneWindowOfItsOwn()
{
    QTemporaryDir program;
    QVERIFY(QDir(program.path()).mkdir(u"help"_s));
    const QString page = program.filePath(u"help/menu.html"_s);
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    ScriptedDialogs dialogs;
    QWidget window;
    QPointer<quillet::HelpWindow> help;
    quillet::showHelpPage(dialogs, program.path(), help, &window);
    quillet::showHelpPage(dialogs, program.path(), help, &window);
    QCOMPARE(window.findChildren<quillet::HelpWindow*>().size(), 1);
    QVERIFY(help && help->isVisible() && help->isWindow() && !help->isModal());
    QCOMPARE(help->WBHelp->url(), QUrl::fromLocalFile(page));
    QVERIFY(dialogs.messages.isEmpty());

    help->close();
    QTRY_VERIFY(!help);
    quillet::showHelpPage(dialogs, program.path(), help, &window);
    QCOMPARE(window.findChildren<quillet::HelpWindow*>().size(), 1);
}

QTEST_MAIN(TestHelpAndVersion)
#include "test_helpandversion.moc"
