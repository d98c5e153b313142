#include "scripteddialogs.h"
#include "window/frmabout.h"
#include "window/helppage.h"
#include "windowdriver.h"

#include <QCoreApplication>
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
    void versionWindowShowsTheVersion();
    void systemInformationIsNotAvailable();
    void helpPageBesideTheProgramOpens();
    void helpPageMissingIsSaid_data();
    void helpPageMissingIsSaid();
    void viewerThatDoesNotStartIsSaid();
    void versionItemTwiceShowsOneWindow();
    void helpItemWithoutThePageSaysSo();
};

void TestHelpAndVersion::versionWindowShowsTheVersion()
{
    ScriptedDialogs dialogs;
    QWidget owner;
    auto* about = new quillet::frmAbout(dialogs, &owner);
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));

    QCOMPARE(about->windowTitle(), u"ﾊﾞｰｼﾞｮﾝ情報 クイレット"_s);
    QCOMPARE(about->lblVersion->text(), u"ﾊﾞｰｼﾞｮﾝ 1.0.0"_s);
    QCOMPARE(about->lblDescription->text(), u"\u3000\u3000  HTML テキストエディター  "_s);
    QCOMPARE(about->size(), QSize(391, 242));
    QVERIFY(about->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!about->isModal());
    QVERIFY(about->lblDisclaimer->text().contains(u"GPL"_s));

    QPointer<quillet::frmAbout> watched(about);
    QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    QTRY_VERIFY(watched.isNull()); // closing discards it
}

void TestHelpAndVersion::systemInformationIsNotAvailable()
{
    ScriptedDialogs dialogs;
    quillet::frmAbout about(dialogs, nullptr);
    about.setAttribute(Qt::WA_DeleteOnClose, false);
    QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
    const quillet::UserMessage unavailable{QString(), u"現時点ではｼｽﾃﾑ情報を使用できません"_s};
    QCOMPARE(dialogs.messages, QList<quillet::UserMessage>{unavailable});
}

void TestHelpAndVersion::helpPageBesideTheProgramOpens()
{
    QTemporaryDir program;
    QVERIFY(QDir(program.path()).mkdir(u"help"_s));
    const QString page = program.filePath(u"help/menu.html"_s);
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    ScriptedDialogs dialogs;
    quillet::showHelpPage(dialogs, program.path());
    QCOMPARE(dialogs.viewed, QStringList{page});
    QVERIFY(dialogs.messages.isEmpty());
}

void TestHelpAndVersion::helpPageMissingIsSaid_data()
{
    QTest::addColumn<bool>("folderInItsPlace");
    QTest::newRow("no page") << false;
    QTest::newRow("a folder in its place") << true;
}

void TestHelpAndVersion::helpPageMissingIsSaid()
{
    QFETCH(bool, folderInItsPlace);
    QTemporaryDir program;
    if (folderInItsPlace)
        QVERIFY(QDir(program.path()).mkpath(u"help/menu.html"_s));
    ScriptedDialogs dialogs;
    quillet::showHelpPage(dialogs, program.path());
    QVERIFY(dialogs.viewed.isEmpty());
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages[0].text.contains(u"見つかりません"_s));
}

void TestHelpAndVersion::viewerThatDoesNotStartIsSaid()
{
    QTemporaryDir program;
    QVERIFY(QDir(program.path()).mkdir(u"help"_s));
    QFile file(program.filePath(u"help/menu.html"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    ScriptedDialogs dialogs;
    dialogs.viewerStarts = false;
    quillet::showHelpPage(dialogs, program.path());
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages[0].text.contains(u"起動できませんでした"_s));
}

void TestHelpAndVersion::versionItemTwiceShowsOneWindow()
{
    QTemporaryDir dir;
    WindowDriver driver(dir.filePath(u"mprj.xml"_s));
    driver.choose("mmv");
    driver.choose("mmv");

    const auto windows = driver.window().findChildren<quillet::frmAbout*>();
    QCOMPARE(windows.size(), 1);
    QVERIFY(windows.first()->isVisible());
    QVERIFY(!windows.first()->isModal());
    const QPoint centre = driver.window().frameGeometry().center();
    QVERIFY(windows.first()->frameGeometry().contains(centre));

    QTest::mouseClick(windows.first()->cmdOK, Qt::LeftButton);
    QTRY_VERIFY(driver.window().findChildren<quillet::frmAbout*>().isEmpty());
    driver.choose("mmv");
    QCOMPARE(driver.window().findChildren<quillet::frmAbout*>().size(), 1);
}

// The tests run beside no help page.
void TestHelpAndVersion::helpItemWithoutThePageSaysSo()
{
    QTemporaryDir dir;
    WindowDriver driver(dir.filePath(u"mprj.xml"_s));
    driver.choose("mmhelp");
    QVERIFY(driver.dialogs.viewed.isEmpty());
    QCOMPARE(driver.dialogs.messages.size(), 1);
    QVERIFY(driver.dialogs.messages.first().text.contains(u"見つかりません"_s));
}

QTEST_MAIN(TestHelpAndVersion)
#include "test_helpandversion.moc"
