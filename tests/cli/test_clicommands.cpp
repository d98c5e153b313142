#include "cli/cli.h"
#include "cli/clifixtures.h"
#include "cli/windowprojectfile.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet::fixtures;

namespace {

const QString menuStored = u"&lt;a href=\"page.html\"&gt;ページ&lt;/a&gt;"_s;
const QString menu = u"<a href=\"page.html\">ページ</a>"_s;

} // namespace

class TestCliCommands : public QObject
{
    Q_OBJECT

private slots:
    // The commands' undo journal goes into Qt's test folder, not the user's.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void listsNamesInFileOrder();
    void missingProjectFileIsEmpty();
    void unreadableProjectFileIsNeverWritten_data();
    void unreadableProjectFileIsNeverWritten();
    void unknownProject_data();
    void unknownProject();
    void convertWithoutMenuTextSavesNothing();
    void convertWithEmptyFileListReportsTheSave();
    void malformedProjectTextStopsTheRun_data();
    void malformedProjectTextStopsTheRun();
    void truncatedProjectFileIsCalledDamaged();
    void relativeEntriesLieBesideTheProjectFile();
    void unreadablePageExitsWithOne();
    void commentsLogWithoutHeadLine();
    void commentsNeedAName();
    void restoreStoresTheMenuFileWithLowerCaseAnchors();
    void restoreWithoutMenuFileSavesNothing();
    void unreadableMenuFileTouchesNoPage();
    void findsTheWindowProgramFolder();
};

void TestCliCommands::listsNamesInFileOrder()
{
    Site site;
    site.writeProject(u"A"_s, projectLines(u"B"_s, QStringList{u"/b"_s}, {}) +
                                  projectLines(u"A"_s, QStringList{u"/a"_s}, {}) +
                                  projectLines(QString(), QStringList{u"/e"_s}, {}));
    QCOMPARE(site.run({u"list"_s}), 0);
    QCOMPARE(site.console.out, (QStringList{u"B"_s, u"A"_s, QString()}));
    QVERIFY(site.console.errors.isEmpty());
}

void TestCliCommands::missingProjectFileIsEmpty()
{
    Site site;
    QCOMPARE(site.run({u"list"_s}), 0);
    QVERIFY(site.console.out.isEmpty());
    QVERIFY(!QFile::exists(site.projectFile()));
}

void TestCliCommands::unreadableProjectFileIsNeverWritten_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("list") << QStringList{u"list"_s};
    QTest::newRow("convert") << QStringList{u"convert"_s, u"A"_s};
    QTest::newRow("restore") << QStringList{u"restore"_s, u"A"_s};
    QTest::newRow("comments") << QStringList{u"comments"_s, u"A"_s};
}

void TestCliCommands::unreadableProjectFileIsNeverWritten()
{
    QFETCH(QStringList, arguments);
    Site site;
    const QByteArray undecodable =
        shiftJis(projectText(QString(), projectLines(u"A"_s, {}, {}))) + "\x81\x20\xFF";
    writeBytes(site.projectFile(), undecodable);
    QCOMPARE(site.run(arguments), 2);
    QVERIFY(site.console.out.isEmpty());
    QVERIFY(site.console.errors.value(0).startsWith(
        u"XML読み込みエラー: プロジェクトファイルを読み込めませんでした。\n"_s));
    QCOMPARE(readBytes(site.projectFile()), undecodable);
}

void TestCliCommands::unknownProject_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("convert") << QStringList{u"convert"_s, u"a"_s};
    QTest::newRow("restore") << QStringList{u"restore"_s, u"A "_s};
    QTest::newRow("comments") << QStringList{u"comments"_s, QString()};
}

void TestCliCommands::unknownProject()
{
    QFETCH(QStringList, arguments);
    Site site;
    site.writePage(u"page.html"_s, menu);
    site.writeProject(QString(),
                      projectLines(u"A"_s, QStringList{site.path(u"page.html"_s)}, menuStored));
    const QByteArray before = readBytes(site.projectFile());
    QCOMPARE(site.run(arguments), 2);
    QCOMPARE(site.console.errors,
             QStringList{u"quillet-cli: プロジェクトが見つかりませんでした。"_s});
    QCOMPARE(readBytes(site.projectFile()), before);
    QCOMPARE(readBytes(site.path(u"page.html"_s)), shiftJis(menu));
}

void TestCliCommands::convertWithoutMenuTextSavesNothing()
{
    Site site;
    site.writePage(u"page.html"_s, menu);
    site.writeProject(QString(), projectLines(u"A"_s, QStringList{site.path(u"page.html"_s)}, {}));
    const QByteArray before = readBytes(site.projectFile());
    QCOMPARE(site.run({u"convert"_s, u"A"_s}), 2);
    QCOMPARE(site.console.errors,
             QStringList{u"メニュ文字設定エラー: メニュー文字が設定されていません。"_s});
    QVERIFY(site.console.out.isEmpty());
    QCOMPARE(readBytes(site.projectFile()), before);
}

void TestCliCommands::convertWithEmptyFileListReportsTheSave()
{
    Site site;
    site.writeProject(QString(), projectLines(u"A"_s, QStringList{u"  "_s}, menuStored));
    const QByteArray before = readBytes(site.projectFile());
    QCOMPARE(site.run({u"convert"_s, u"A"_s}), 2);
    QCOMPARE(site.console.errors,
             QStringList{u"プロジェクト保存エラー: "
                         u"プロジェクトの保存には少なくても１つのファイルが必要です。"_s});
    QCOMPARE(site.console.out, QStringList{u"ログです"_s});
    QCOMPARE(readBytes(site.projectFile()), before);
}

void TestCliCommands::malformedProjectTextStopsTheRun_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("convert") << QStringList{u"convert"_s, u"A"_s};
    QTest::newRow("restore with a menu file")
        << QStringList{u"restore"_s, u"A"_s, u"--menu-file"_s, u"menu.txt"_s};
}

void TestCliCommands::malformedProjectTextStopsTheRun()
{
    QFETCH(QStringList, arguments);
    Site site;
    site.writePage(u"page.html"_s, u"<!--A-->"_s);
    site.writePage(u"menu.txt"_s, menu);
    arguments.replaceInStrings(u"menu.txt"_s, site.path(u"menu.txt"_s));
    QStringList ownEndMissing =
        projectLines(u"A"_s, QStringList{site.path(u"page.html"_s)}, menuStored);
    ownEndMissing.removeLast();
    site.writeProject(QString(), ownEndMissing + projectLines(u"B"_s, QStringList{u"/b"_s}, {}));
    const QByteArray before = readBytes(site.projectFile());
    QCOMPARE(site.run(arguments), 2);
    QCOMPARE(site.console.errors,
             QStringList{u"XML書き込みエラー: プロジェクトファイルの形式が正しくありません。"_s});
    QVERIFY(site.console.out.isEmpty());
    QCOMPARE(readBytes(site.projectFile()), before);
    QCOMPARE(readBytes(site.path(u"page.html"_s)), QByteArray("<!--A-->"));
}

// Cut inside the menu: the project would have no menu text, and a restore would say so.
void TestCliCommands::truncatedProjectFileIsCalledDamaged()
{
    Site site;
    site.writePage(u"page.html"_s, u"<!--A-->"_s);
    site.writeProject(QString(),
                      projectLines(u"A"_s, QStringList{site.path(u"page.html"_s)}, menuStored));
    QByteArray text = readBytes(site.projectFile());
    text.truncate(text.indexOf("&lt;a href") + 5); // line 8
    writeBytes(site.projectFile(), text);
    QCOMPARE(site.run({u"restore"_s, u"A"_s}), 2);
    QCOMPARE(site.console.errors,
             QStringList{u"XML読み込みエラー: プロジェクトファイルが壊れています。"
                         u"8 行目で読み込みを止めました。"_s});
    QCOMPARE(readBytes(site.path(u"page.html"_s)), QByteArray("<!--A-->"));
    QCOMPARE(readBytes(site.projectFile()), text);
}

// Run from another folder, a relative entry still names the page beside the project file.
void TestCliCommands::relativeEntriesLieBesideTheProjectFile()
{
    Site site;
    QVERIFY(QDir().mkpath(site.path(u"site"_s)));
    site.writePage(u"site/page.html"_s, u"<!--A-->"_s);
    site.writeProject(QString(),
                      projectLines(u"A"_s, QStringList{u"site/page.html"_s}, menuStored));
    QTemporaryDir elsewhere;
    const QString current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    const int status = site.run({u"restore"_s, u"A"_s});
    QDir::setCurrent(current);
    QCOMPARE(status, 0);
    QCOMPARE(site.console.out, (QStringList{u"ログです"_s, u"page.htmlを戻しました。"_s}));
    QVERIFY(readBytes(site.path(u"site/page.html"_s)).contains("page.html"));
    QVERIFY(QDir(elsewhere.path()).isEmpty());
}

void TestCliCommands::unreadablePageExitsWithOne()
{
    Site site;
    site.writePage(u"page.html"_s, menu);
    site.writeProject(
        QString(),
        projectLines(u"A"_s, QStringList{site.path(u"page.html"_s), site.path(u"missing.html"_s)},
                     menuStored));
    QCOMPARE(site.run({u"convert"_s, u"A"_s}), 1);
    // The save's lines come first, so its reading of the page is not hidden either.
    QCOMPARE(site.console.out,
             (QStringList{u"ログです"_s, u"missing.htmlを読み込めませんでした。"_s,
                          u"page.htmlのリンクを修正しました。"_s,
                          u"missing.htmlを読み込めませんでした。"_s,
                          u"page.htmlの変換を行ないました。"_s}));
    QVERIFY(site.console.errors.isEmpty());
    QCOMPARE(readBytes(site.path(u"page.html"_s)), QByteArray("\r\n<!--A-->\r\n"));
}

void TestCliCommands::commentsLogWithoutHeadLine()
{
    Site site;
    site.writePage(u"a.html"_s, u"<!--??\?-->x<!--??\?-->"_s);
    site.writePage(u"b.html"_s, u"<!--？？？-->"_s);
    site.writeProject(
        QString(),
        projectLines(u"Site"_s, QStringList{site.path(u"b.html"_s), site.path(u"a.html"_s)}, {}));
    QCOMPARE(site.run({u"comments"_s, u"Site"_s}), 0);
    QCOMPARE(site.console.out,
             (QStringList{u"a.htmlのファイルの仮コメントをコメントに変換しました。"_s,
                          u"b.htmlのファイルには仮コメントは有りませんでした。"_s}));
    QCOMPARE(readBytes(site.path(u"a.html"_s)), QByteArray("<!--Site-->x<!--Site-->"));
}

void TestCliCommands::commentsNeedAName()
{
    Site site;
    site.writePage(u"a.html"_s, u"<!--??\?-->"_s);
    site.writeProject(QString(), projectLines(QString(), QStringList{site.path(u"a.html"_s)}, {}));
    QCOMPARE(site.run({u"comments"_s, QString()}), 2);
    QCOMPARE(site.console.errors,
             QStringList{u"プロジェクト名エラー: プロジェクト名を入力してください。"_s});
    QCOMPARE(readBytes(site.path(u"a.html"_s)), QByteArray("<!--??\?-->"));
}

void TestCliCommands::restoreStoresTheMenuFileWithLowerCaseAnchors()
{
    Site site;
    site.writePage(u"page.html"_s, u"<p>\r\n<!--A-->\r\n</p>"_s);
    const QStringList other = projectLines(u"B"_s, QStringList{u"/b"_s}, menuStored);
    site.writeProject(
        u"B"_s, projectLines(u"A"_s, QStringList{site.path(u"page.html"_s)}, menuStored) + other);
    // A UTF-8 menu file with mixed line ends goes into the Shift_JIS page with CR LF, as the
    // window's menu text box would hold it.
    writeBytes(site.path(u"menu.txt"_s),
               u"\n<A HREF=\"page.html\">新しい</A>\r<A HREF=\"x.html\">x</A>\r\n"_s.toUtf8());
    QCOMPARE(site.run({u"restore"_s, u"A"_s, u"--menu-file"_s, site.path(u"menu.txt"_s)}), 0);
    QCOMPARE(site.console.out, (QStringList{u"ログです"_s, u"page.htmlを戻しました。"_s}));
    QVERIFY(site.console.errors.isEmpty());
    QCOMPARE(readBytes(site.path(u"page.html"_s)),
             shiftJis(u"<p>\r\n<!--<a HREF=\"page.html\">--><span "
                      u"style=\"font-weight:550;color:tomato\">新しい</span><!--</a>-->\r\n"
                      u"<a HREF=\"x.html\">x</a>\r\n</p>"_s));
    // Stored as a conversion stores it, without the line breaks at its ends.
    QCOMPARE(readBytes(site.projectFile()),
             shiftJis(projectText(u"A"_s,
                                  projectLines(u"A"_s, QStringList{site.path(u"page.html"_s)},
                                               u"&lt;a HREF=\"page.html\"&gt;新しい&lt;/a&gt;\r\n"
                                               u"&lt;a HREF=\"x.html\"&gt;x&lt;/a&gt;"_s) +
                                      other)));
}

void TestCliCommands::restoreWithoutMenuFileSavesNothing()
{
    Site site;
    site.writePage(u"page.html"_s, u"<!--A-->"_s);
    site.writeProject(u"B"_s,
                      projectLines(u"A"_s, QStringList{site.path(u"page.html"_s)}, menuStored));
    const QByteArray before = readBytes(site.projectFile());
    QCOMPARE(site.run({u"restore"_s, u"A"_s}), 0);
    QCOMPARE(readBytes(site.path(u"page.html"_s)),
             shiftJis(u"<!--<a href=\"page.html\">--><span style=\"font-weight:550;color:"
                      u"tomato\">ページ</span><!--</a>-->"_s));
    QCOMPARE(readBytes(site.projectFile()), before);
}

void TestCliCommands::unreadableMenuFileTouchesNoPage()
{
    Site site;
    site.writePage(u"page.html"_s, u"<!--A-->"_s);
    site.writeProject(QString(),
                      projectLines(u"A"_s, QStringList{site.path(u"page.html"_s)}, menuStored));
    const QString menuFile = site.path(u"missing-menu.html"_s);
    QCOMPARE(site.run({u"restore"_s, u"A"_s, u"--menu-file="_s + menuFile}), 2);
    QVERIFY(site.console.errors.value(0).startsWith(u"quillet-cli: "_s + menuFile +
                                                    u"を読み込めませんでした。\n"_s));
    QVERIFY(site.console.out.isEmpty());
    QCOMPARE(readBytes(site.path(u"page.html"_s)), QByteArray("<!--A-->"));
}

void TestCliCommands::findsTheWindowProgramFolder()
{
    QTemporaryDir dir;
    const QString cliFolder = dir.filePath(u"src/cli"_s);
    const QString windowFolder = dir.filePath(u"src/window"_s);
    QVERIFY(QDir().mkpath(cliFolder) && QDir().mkpath(windowFolder));
    QCOMPARE(quillet::cli::windowProgramFolder(cliFolder), cliFolder); // no window anywhere
    writeBytes(windowFolder + u"/quillet"_s, "program");
    QCOMPARE(quillet::cli::windowProgramFolder(cliFolder), windowFolder); // the build tree
    writeBytes(cliFolder + u"/quillet"_s, "program");
    QCOMPARE(quillet::cli::windowProgramFolder(cliFolder), cliFolder); // installed side by side
}

QTEST_GUILESS_MAIN(TestCliCommands)
#include "test_clicommands.moc"
