#include "cli/clifixtures.h"

#include <QDir>
#include <QStandardPaths>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace quillet::fixtures;

// add, remove, menu, show and delete on a project file of three projects: the project named
// changes, the other two keep every byte.

namespace {

const QString menuLine = u"<li><a href=\"a.html\">ホーム</a></li>"_s;
const QString storedMenuLine = u"&lt;li&gt;&lt;a href=\"a.html\"&gt;ホーム&lt;/a&gt;&lt;/li&gt;"_s;

QString page(const QString& block)
{
    return u"<html>\r\n<!--MenuStart-->\r\n"_s + block + u"\r\n<!--MenuEnd-->\r\n</html>"_s;
}

// The project's element, key line through "</projectname>", as the file holds it.
QByteArray elementOf(const QByteArray& file, const QString& name)
{
    const QByteArray key = shiftJis(u"<projectname name=\""_s + name + u"\">"_s);
    const qsizetype start = file.indexOf(key);
    if (start < 0)
        return {};
    const QByteArray end("</projectname>");
    return file.mid(start, file.indexOf(end, start) + end.size() - start);
}

class ThreeProjects : public Site
{
public:
    ThreeProjects()
    {
        QDir().mkpath(path(u"site/sub"_s));
        writePage(u"site/b.html"_s, page(u"<ul>\r\n"_s + menuLine + u"\r\n</ul>"_s));
        writePage(u"site/a.html"_s, u"<p>メニューなし</p>"_s);
        writePage(u"site/c.htm"_s, u"<p>c</p>"_s);
        writePage(u"site/notes.txt"_s, u"no"_s);
        writePage(u"site/sub/d.html"_s, u"<p>d</p>"_s);
        writeProject(u"B"_s, projectLines(u"A"_s, QStringList{u"/a/1.html"_s}, u"a"_s) +
                                 projectLines(u"B"_s, QStringList{path(u"site/x.html"_s)}, {}) +
                                 projectLines(u"C"_s, QStringList{u"/c/1.html"_s}, u"c"_s));
        before = readBytes(projectFile());
    }

    void othersKept(const QString& changed) const
    {
        const QByteArray after = readBytes(projectFile());
        for (const QString& name : {u"A"_s, u"B"_s, u"C"_s}) {
            if (name != changed)
                QCOMPARE(elementOf(after, name), elementOf(before, name));
        }
    }

    QStringList show(const QString& name)
    {
        console.out.clear();
        run({u"show"_s, name});
        return console.out;
    }

    QByteArray before;
};

} // namespace

class TestCliProject : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void addSortsSkipsAndTakesTheFirstMenu();
    void addCreatesAProjectFromAFolder();
    void addRefusesAPathTheFileCannotHold();
    void removeTakesEntriesOut();
    void menuFromAFileOrAPage();
    void projectTagIsNeverTakenForAMenu();
    void linksWrittenFromTheSiteFolderAreMarked();
    void deleteAndItsDryRun();
    void exitStatusFollowsTheStoreResult_data();
    void exitStatusFollowsTheStoreResult();
};

void TestCliProject::addSortsSkipsAndTakesTheFirstMenu()
{
    ThreeProjects site;
    QCOMPARE(site.run({u"add"_s, u"B"_s, site.path(u"site/x.html"_s), site.path(u"site"_s)}), 2);
    QCOMPARE(readBytes(site.projectFile()), site.before); // x.html does not exist

    site.writePage(u"site/x.html"_s, u"<p>x</p>"_s);
    site.console.out.clear();
    QCOMPARE(site.run({u"add"_s, u"B"_s, site.path(u"site/x.html"_s), site.path(u"site"_s)}), 0);
    QCOMPARE(site.console.out,
             (QStringList{site.path(u"site/x.html"_s) + u"は登録済みです。"_s,
                          site.path(u"site/x.html"_s) + u"は登録済みです。"_s,
                          site.path(u"site/a.html"_s) + u"を追加しました。"_s,
                          site.path(u"site/b.html"_s) + u"を追加しました。"_s,
                          site.path(u"site/c.htm"_s) + u"を追加しました。"_s,
                          site.path(u"site/sub/d.html"_s) + u"を追加しました。"_s}));
    QCOMPARE(site.show(u"B"_s),
             (QStringList{u"ファイル:"_s, site.path(u"site/a.html"_s), site.path(u"site/b.html"_s),
                          site.path(u"site/c.htm"_s), site.path(u"site/sub/d.html"_s),
                          site.path(u"site/x.html"_s), u"メニュー:"_s, u"<ul>"_s, menuLine,
                          u"</ul>"_s}));
    site.othersKept(u"B"_s);
}

void TestCliProject::addCreatesAProjectFromAFolder()
{
    ThreeProjects site;
    // Neither a link to a file elsewhere nor a pipe is a page of the folder.
    QVERIFY(QFile::link(site.path(u"site/a.html"_s), site.path(u"site/sub/link.html"_s)));
    QCOMPARE(::mkfifo(QFile::encodeName(site.path(u"site/sub/pipe.html"_s)).constData(), 0644), 0);
    QCOMPARE(site.run({u"add"_s, u"新しい"_s, site.path(u"site/sub"_s)}), 0);
    QCOMPARE(site.show(u"新しい"_s),
             (QStringList{u"ファイル:"_s, site.path(u"site/sub/d.html"_s), u"メニュー:"_s}));
    site.othersKept(u"新しい"_s);
    const QByteArray after = readBytes(site.projectFile());
    QVERIFY(after.startsWith(site.before.left(site.before.lastIndexOf("</root>"))));
}

void TestCliProject::addRefusesAPathTheFileCannotHold()
{
    ThreeProjects site;
    const QString odd = site.path(u"site/sub/<b>.html"_s);
    site.writePage(u"site/sub/<b>.html"_s, u"x"_s);
    QCOMPARE(site.run({u"add"_s, u"B"_s, site.path(u"site/sub"_s)}), 2);
    QVERIFY(site.console.errors.last().endsWith(u"\n"_s + odd));
    QCOMPARE(site.show(u"B"_s).mid(0, 3),
             (QStringList{u"ファイル:"_s, site.path(u"site/sub/d.html"_s),
                          site.path(u"site/x.html"_s)}));
    site.othersKept(u"B"_s);
}

void TestCliProject::removeTakesEntriesOut()
{
    ThreeProjects site;
    QCOMPARE(site.run({u"add"_s, u"A"_s, site.path(u"site/a.html"_s)}), 0);
    const QByteArray withTwo = readBytes(site.projectFile());
    QCOMPARE(site.run({u"remove"_s, u"A"_s, u"/a/1.html"_s, u"/not/listed.html"_s}), 1);
    QCOMPARE(site.show(u"A"_s),
             (QStringList{u"ファイル:"_s, site.path(u"site/a.html"_s), u"メニュー:"_s, u"a"_s}));
    QCOMPARE(elementOf(readBytes(site.projectFile()), u"C"_s), elementOf(withTwo, u"C"_s));
    QCOMPARE(elementOf(readBytes(site.projectFile()), u"B"_s), elementOf(withTwo, u"B"_s));
    QCOMPARE(site.run({u"remove"_s, u"ない"_s, u"/a/1.html"_s}), 2);
}

void TestCliProject::menuFromAFileOrAPage()
{
    ThreeProjects site;
    writeBytes(site.path(u"menu.txt"_s),
               (u"\r\n\r\n<UL>\n"_s + menuLine + u"\n</UL>\n"_s).toUtf8());
    QCOMPARE(site.run({u"menu"_s, u"C"_s, u"--from-file"_s, site.path(u"menu.txt"_s)}), 0);
    QVERIFY(elementOf(readBytes(site.projectFile()), u"C"_s)
                .contains(shiftJis(u"<orgstring>\r\n&lt;UL&gt;\r\n"_s + storedMenuLine +
                                   u"\r\n&lt;/UL&gt;\r\n</orgstring>"_s)));
    site.othersKept(u"C"_s);

    const QString highlighted = u"<li><!--<a href=\"b.html\">--><span style=\"font-weight:550;"
                                u"color:tomato\">案内</span><!--</a>--></li>"_s;
    site.writePage(u"site/b.html"_s, page(u"<ul>\r\n"_s + highlighted + u"\r\n</ul>"_s));
    QCOMPARE(site.run({u"menu"_s, u"A"_s, u"--from-page"_s, site.path(u"site/b.html"_s)}), 0);
    QCOMPARE(site.show(u"A"_s).mid(3),
             (QStringList{u"<ul>"_s, u"<li><a href=\"b.html\">案内</a></li>"_s, u"</ul>"_s}));
    QCOMPARE(site.run({u"menu"_s, u"A"_s, u"--from-page"_s, site.path(u"site/a.html"_s)}), 2);
}

// The mark is one element of the project: off again, the file is as it was, byte for byte.
void TestCliProject::linksWrittenFromTheSiteFolderAreMarked()
{
    ThreeProjects site;
    QCOMPARE(site.run({u"menu"_s, u"A"_s, u"--relative-to-site"_s, u"on"_s}), 0);
    QVERIFY(elementOf(readBytes(site.projectFile()), u"A"_s)
                .contains("<linkbase>\r\nsite\r\n</linkbase>\r\n</projectname>"));
    QCOMPARE(site.show(u"A"_s).last(), u"メニューのリンク: サイトのフォルダから"_s);
    site.othersKept(u"A"_s);
    QCOMPARE(site.run({u"menu"_s, u"A"_s, u"--relative-to-site"_s, u"off"_s}), 0);
    QCOMPARE(readBytes(site.projectFile()), site.before);
    QCOMPARE(site.run({u"menu"_s, u"A"_s, u"--relative-to-site"_s, u"yes"_s}), 2);
}

void TestCliProject::projectTagIsNeverTakenForAMenu()
{
    ThreeProjects site;
    site.writePage(u"site/sub/d.html"_s, page(u"<!--B-->"_s));
    QCOMPARE(site.run({u"menu"_s, u"A"_s, u"--from-page"_s, site.path(u"site/sub/d.html"_s)}), 2);
    QCOMPARE(site.console.errors.last(),
             u"quillet-cli: "_s + site.path(u"site/sub/d.html"_s) +
                 u"のメニューの位置にはプロジェクトのタグしかありません。"_s);
    QCOMPARE(readBytes(site.projectFile()), site.before);

    QCOMPARE(site.run({u"add"_s, u"新しい"_s, site.path(u"site/sub"_s)}), 0);
    QVERIFY(site.console.out.contains(
        u"メニューの位置にはプロジェクトのタグしかないので、メニューは取りませんでした。"_s));
    QCOMPARE(site.show(u"新しい"_s),
             (QStringList{u"ファイル:"_s, site.path(u"site/sub/d.html"_s), u"メニュー:"_s}));
}

void TestCliProject::deleteAndItsDryRun()
{
    ThreeProjects site;
    QCOMPARE(site.run({u"delete"_s, u"B"_s, u"--dry-run"_s}), 0);
    QCOMPARE(readBytes(site.projectFile()), site.before);
    QCOMPARE(site.console.out.first(), u"プロジェクト「B」を削除します(書き込みはしません)。"_s);
    QVERIFY(site.console.out.contains(u"-<projectname name=\"B\">"_s));

    QCOMPARE(site.run({u"delete"_s, u"B"_s}), 0);
    const QByteArray after = readBytes(site.projectFile());
    QVERIFY(elementOf(after, u"B"_s).isEmpty());
    QVERIFY(after.contains(
        QByteArray(elementOf(site.before, u"A"_s) + "\r\n" + elementOf(site.before, u"C"_s))));
    QCOMPARE(site.run({u"delete"_s, u"B"_s}), 2);
}

void TestCliProject::exitStatusFollowsTheStoreResult_data()
{
    QTest::addColumn<QByteArray>("file");  // empty: the three projects
    QTest::addColumn<bool>("insideAPage"); // the project file named inside a page
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");

    const QByteArray noEnd("<root>\r\n<projectname name=\"A\">\r\n<projectname name=\"B\">\r\n"
                           "</projectname>\r\n</root>");
    QTest::newRow("written") << QByteArray() << false
                             << QStringList{u"remove"_s, u"A"_s, u"/a/1.html"_s} << 0;
    QTest::newRow("deleted") << QByteArray() << false << QStringList{u"delete"_s, u"C"_s} << 0;
    QTest::newRow("not found") << QByteArray() << false << QStringList{u"delete"_s, u"Z"_s} << 2;
    QTest::newRow("refused: cut short") << QByteArray("<root>\r\n<projectname name=\"A\">\r\n")
                                        << false << QStringList{u"delete"_s, u"A"_s} << 2;
    QTest::newRow("refused: no end of its own")
        << noEnd << false << QStringList{u"delete"_s, u"A"_s} << 2;
    QTest::newRow("refused: no lock file can be made")
        << QByteArray() << true << QStringList{u"add"_s, u"N"_s, u"site/a.html"_s} << 2;
}

void TestCliProject::exitStatusFollowsTheStoreResult()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, insideAPage);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    ThreeProjects site;
    if (!file.isEmpty())
        writeBytes(site.projectFile(), file);
    const QByteArray before = readBytes(site.projectFile());
    if (insideAPage) {
        // Nothing can be made beside it, not even the lock file.
        arguments.last() = site.path(arguments.last());
        arguments =
            QStringList{u"--project-file"_s, site.path(u"site/a.html/mprj.xml"_s)} + arguments;
        QCOMPARE(quillet::cli::runCli(arguments, site.console, [] { return u"/nonexistent"_s; }),
                 status);
        QCOMPARE(site.console.errors.size(), 1);
        return;
    }
    QCOMPARE(site.run(arguments), status);
    if (status != 0) {
        QCOMPARE(readBytes(site.projectFile()), before);
        QCOMPARE(site.console.errors.size(), 1);
    }
}

QTEST_GUILESS_MAIN(TestCliProject)
#include "test_cliproject.moc"
