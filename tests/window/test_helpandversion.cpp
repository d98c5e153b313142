#include "scripteddialogs.h"
#include "window/frmabout.h"
#include "window/helppage.h"

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

QTEST_MAIN(TestHelpAndVersion)
#include "test_helpandversion.moc"
