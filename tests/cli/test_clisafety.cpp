#include "cli/clifixtures.h"
#include "engine/pagefile.h"
#include "engine/pagejournal.h"
#include "engine/pageundo.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::fixtures;

Q_DECLARE_METATYPE(quillet::PageFormat)

// Undo, dry runs, diffs and the drift check through quillet-cli's commands.

namespace {

const QString name = u"サイト"_s;
const QString tag = u"<!--サイト-->"_s;
const QString menuA = u"<li><a href=\"a.html\">ホーム</a></li>"_s;
const QString menuB = u"<li><a href=\"b.html\">案内</a></li>"_s;
const QString menu = u"<ul>\r\n"_s + menuA + u"\r\n"_s + menuB + u"\r\n</ul>"_s;
const QString storedMenu = u"&lt;ul&gt;\r\n&lt;li&gt;&lt;a href=\"a.html\"&gt;ホーム&lt;/a&gt;&lt;"
                           u"/li&gt;\r\n&lt;li&gt;&lt;a href=\"b.html\"&gt;案内&lt;/a&gt;&lt;/"
                           u"li&gt;\r\n&lt;/ul&gt;"_s;

QString page(const QString& block)
{
    return u"<html>\r\n<body>\r\n<!--MenuStart-->\r\n"_s + block +
           u"\r\n<!--MenuEnd-->\r\n<p>本文</p>\r\n</body>\r\n</html>\r\n"_s;
}

QString highlighted(const QString& file, const QString& text)
{
    return u"<li><!--<a href=\""_s + file +
           u"\">--><span style=\"font-weight:550;color:tomato\">"_s + text +
           u"</span><!--</a>--></li>"_s;
}

// A site of pages a.html and b.html in one format, listed in the project "サイト".
class SafetySite : public Site
{
public:
    explicit SafetySite(const PageFormat& format = {}) : m_format(format)
    {
        writeProject(name, projectLines(name, QStringList{path(u"a.html"_s), path(u"b.html"_s)},
                                        storedMenu));
    }

    void writePages(const QString& a, const QString& b) const
    {
        writeBytes(path(u"a.html"_s), encodePage(a, m_format).bytes);
        writeBytes(path(u"b.html"_s), encodePage(b, m_format).bytes);
    }

    // Every file of the folder (the journal lies elsewhere) with its bytes and time.
    QMap<QString, QPair<QByteArray, QDateTime>> files() const
    {
        QMap<QString, QPair<QByteArray, QDateTime>> files;
        const QDir folder(QFileInfo(projectFile()).absolutePath());
        for (const QString& file : folder.entryList(QDir::Files))
            files.insert(file, {readBytes(folder.filePath(file)),
                                QFileInfo(folder.filePath(file)).lastModified()});
        return files;
    }

    QStringList runOutput(const QStringList& arguments, int& status)
    {
        console.out.clear();
        console.errors.clear();
        status = run(arguments);
        return console.out;
    }

private:
    PageFormat m_format;
};

} // namespace

class TestCliSafety : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void undoGivesBackEveryCommand_data();
    void undoGivesBackEveryCommand();
    void undoLeavesAPageEditedAfterTheRun();
    void undoListsTheCommandsNewestFirst();
    void journalThatCannotBeWrittenIsNamedOnce();
    void dryRunWritesNothing_data();
    void dryRunWritesNothing();
    void diffOfAOnePageRestore();
    void checkTellsEveryState();
    void checkInStepExitsWithZero();
};

void TestCliSafety::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QDir(defaultJournalFolder()).removeRecursively();
}

void TestCliSafety::undoGivesBackEveryCommand_data()
{
    QTest::addColumn<PageFormat>("format");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("pageA");
    QTest::addColumn<QString>("pageB");
    const QList<QPair<const char*, PageFormat>> formats{
        {"Shift_JIS CR LF", {PageEncoding::ShiftJis, false}},
        {"UTF-8 with a mark", {PageEncoding::Utf8WithBom, false}},
        {"UTF-8 LF", {PageEncoding::Utf8, true}}};
    for (const auto& [formatName, format] : formats) {
        QTest::addRow("convert, %s", formatName)
            << format << QStringList{u"convert"_s, name} << page(menu) << page(menu);
        QTest::addRow("restore, %s", formatName)
            << format << QStringList{u"restore"_s, name} << page(tag) << page(tag);
        QTest::addRow("comments, %s", formatName)
            << format << QStringList{u"comments"_s, name} << page(u"<!--??\?-->"_s) << page(tag);
        // The save corrects b's plain link before the restore fills a.
        QTest::addRow("restore with a menu file, %s", formatName)
            << format << QStringList{u"restore"_s, name, u"--menu-file"_s, u"menu.txt"_s}
            << page(tag) << page(menu);
    }
}

void TestCliSafety::undoGivesBackEveryCommand()
{
    QFETCH(PageFormat, format);
    QFETCH(QStringList, arguments);
    QFETCH(QString, pageA);
    QFETCH(QString, pageB);
    SafetySite site(format);
    site.writePages(pageA, pageB);
    writeBytes(site.path(u"menu.txt"_s), menu.toUtf8());
    arguments.replaceInStrings(u"menu.txt"_s, site.path(u"menu.txt"_s));
    const QByteArray a = readBytes(site.path(u"a.html"_s));
    const QByteArray b = readBytes(site.path(u"b.html"_s));
    QCOMPARE(site.run(arguments), 0);
    QVERIFY(readBytes(site.path(u"a.html"_s)) != a);
    const QByteArray projectAfterRun = readBytes(site.projectFile());

    site.console.out.clear();
    QCOMPARE(site.run({u"undo"_s}), 0);
    QCOMPARE(readBytes(site.path(u"a.html"_s)), a);
    QCOMPARE(readBytes(site.path(u"b.html"_s)), b);
    QCOMPARE(readBytes(site.projectFile()), projectAfterRun);
    QVERIFY(site.console.out.first().contains(arguments.first()));
    QVERIFY(site.console.out.contains(site.path(u"a.html"_s) + u"を元に戻しました。"_s));
    QCOMPARE(site.run({u"undo"_s}), 2);
}

void TestCliSafety::undoLeavesAPageEditedAfterTheRun()
{
    SafetySite site;
    site.writePages(page(menu), page(menu));
    const QByteArray original = readBytes(site.path(u"a.html"_s));
    QCOMPARE(site.run({u"convert"_s, name}), 0);
    const QByteArray edited = shiftJis(page(tag + u"\r\n<p>手で直した</p>"_s));
    writeBytes(site.path(u"b.html"_s), edited);

    int status = -1;
    const QStringList out = site.runOutput({u"undo"_s}, status);
    QCOMPARE(status, 1);
    QCOMPARE(out.mid(1),
             (QStringList{site.path(u"a.html"_s) + u"を元に戻しました。"_s,
                          site.path(u"b.html"_s) +
                              u"はこの処理の後に変更されているので、元に戻しませんでした。"_s}));
    QCOMPARE(readBytes(site.path(u"a.html"_s)), original);
    QCOMPARE(readBytes(site.path(u"b.html"_s)), edited);
}

void TestCliSafety::journalThatCannotBeWrittenIsNamedOnce()
{
    SafetySite site;
    site.writePages(page(menu), page(menu));
    const QByteArray original = readBytes(site.path(u"a.html"_s));
    const QString journal = defaultJournalFolder();
    QDir(journal).removeRecursively();
    QVERIFY(QDir().mkpath(QFileInfo(journal).absolutePath()));
    writeBytes(journal, "not a folder");

    const int status = site.run({u"convert"_s, name});
    QVERIFY(QFile::remove(journal));
    QCOMPARE(status, 1);
    QCOMPARE(site.console.errors.size(), 1);
    QVERIFY(site.console.errors.first().contains(journal));
    QVERIFY(site.console.errors.first().contains(u"取り消し用の記録を書き込めなかった"_s));
    QCOMPARE(readBytes(site.path(u"a.html"_s)), original);
    QCOMPARE(readBytes(site.path(u"b.html"_s)), original);
}

void TestCliSafety::undoListsTheCommandsNewestFirst()
{
    SafetySite site;
    site.writePages(page(menu), page(u"<p>なし</p>"_s));
    QCOMPARE(site.run({u"convert"_s, name}), 0);
    QCOMPARE(site.run({u"restore"_s, name}), 0);
    int status = -1;
    const QStringList out = site.runOutput({u"undo"_s, u"--list"_s}, status);
    QCOMPARE(status, 0);
    QCOMPARE(out.size(), 2);
    QVERIFY(out[0].endsWith(u"  restore  サイト  1 ページ"_s));
    QVERIFY(out[1].endsWith(u"  convert  サイト  1 ページ"_s));
}

void TestCliSafety::dryRunWritesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("pageA");
    QTest::addColumn<QString>("pageB");
    QTest::newRow("convert") << QStringList{u"convert"_s, name} << page(menu) << page(tag);
    QTest::newRow("restore with diff")
        << QStringList{u"restore"_s, name, u"--diff"_s} << page(tag) << page(menu);
    QTest::newRow("restore with a menu file")
        << QStringList{u"restore"_s, name, u"--menu-file"_s, u"menu.txt"_s, u"--diff"_s}
        << page(tag) << page(menu);
    QTest::newRow("comments") << QStringList{u"comments"_s, name, u"--diff"_s}
                              << page(u"<!--??\?-->"_s) << page(u"<!--??\?-->"_s);
    QTest::newRow("align with diff")
        << QStringList{u"align"_s, name, u"--diff"_s}
        << page(u"<ul>\r\n"_s + menuA + u"\r\n　"_s + menuB + u"\r\n</ul>"_s) << page(menu);
    QTest::newRow("a menu Shift_JIS cannot hold")
        << QStringList{u"restore"_s, name, u"--menu-file"_s, u"wave.txt"_s} << page(tag)
        << page(tag);
}

void TestCliSafety::dryRunWritesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, pageA);
    QFETCH(QString, pageB);
    SafetySite site;
    site.writePages(pageA, pageB);
    writeBytes(site.path(u"menu.txt"_s), (u"<ul>\r\n"_s + menuB + u"\r\n</ul>"_s).toUtf8());
    writeBytes(site.path(u"wave.txt"_s), u"<p>10時〜12時</p>"_s.toUtf8()); // U+301C
    arguments.replaceInStrings(u"menu.txt"_s, site.path(u"menu.txt"_s));
    arguments.replaceInStrings(u"wave.txt"_s, site.path(u"wave.txt"_s));
    const auto before = site.files();

    int dryStatus = -1;
    const QStringList dryOut = site.runOutput(arguments + QStringList{u"--dry-run"_s}, dryStatus);
    QCOMPARE(site.files(), before);
    QVERIFY(undoableCommands(defaultJournalFolder(), site.projectFile()).isEmpty());

    int status = -1;
    const QStringList out = site.runOutput(arguments, status);
    QCOMPARE(dryOut, out);
    QCOMPARE(dryStatus, status);
}

void TestCliSafety::diffOfAOnePageRestore()
{
    SafetySite site;
    site.writePages(page(tag), page(u"<p>なし</p>"_s));
    int status = -1;
    const QStringList out =
        site.runOutput({u"restore"_s, name, u"--dry-run"_s, u"--diff"_s}, status);
    QCOMPARE(status, 0);
    const QString a = site.path(u"a.html"_s);
    QCOMPARE(out,
             (QStringList{u"ログです"_s, u"a.htmlを戻しました。"_s, u"b.htmlは戻しませんでした。"_s,
                          u"--- a"_s + a, u"+++ b"_s + a, u"@@ -1,7 +1,10 @@"_s, u" <html>"_s,
                          u" <body>"_s, u" <!--MenuStart-->"_s, u"-"_s + tag, u"+<ul>"_s,
                          u"+"_s + highlighted(u"a.html"_s, u"ホーム"_s), u"+"_s + menuB,
                          u"+</ul>"_s, u" <!--MenuEnd-->"_s, u" <p>本文</p>"_s, u" </body>"_s}));
}

void TestCliSafety::checkTellsEveryState()
{
    SafetySite site;
    const QStringList names{u"a.html"_s, u"b.html"_s, u"c.html"_s,
                            u"d.html"_s, u"e.html"_s, u"f.html"_s};
    QStringList paths;
    for (const QString& file : names)
        paths.append(site.path(file));
    site.writeProject(name, projectLines(name, paths, storedMenu));
    site.writePages(page(u"<ul>\r\n"_s + highlighted(u"a.html"_s, u"ホーム"_s) + u"\r\n"_s + menuB +
                         u"\r\n</ul>"_s),
                    page(menu));
    site.writePage(u"c.html"_s, page(tag));
    site.writePage(u"d.html"_s, page(u"<ul>\r\n"_s + menuA + u"\r\n</ul>"_s));
    site.writePage(u"e.html"_s, u"<html></html>"_s);

    int status = -1;
    const QStringList out = site.runOutput({u"check"_s, name}, status);
    QCOMPARE(status, 1);
    QCOMPARE(out,
             (QStringList{u"restored   "_s + paths[0], u"unmarked   "_s + paths[1],
                          u"converted  "_s + paths[2], u"drifted    "_s + paths[3],
                          u"    4-6 行目がメニューの写しです (align で置き換わります)。"_s,
                          u"    @@ -2,3 +2,2 @@"_s, u"     "_s + menuA, u"    -"_s + menuB,
                          u"     </ul>"_s, u"none       "_s + paths[4],
                          u"unreadable "_s + paths[5] + u" ("_s + readPage(paths[5]).error + u")"_s,
                          u"6 ページ: converted 1, restored 1, unmarked 1, drifted 1, none "
                          u"1, unreadable 1。メニューと一致していないページがあります。"_s}));

    const QStringList json = site.runOutput({u"check"_s, name, u"--json"_s}, status);
    QCOMPARE(status, 1);
    const QJsonObject report = QJsonDocument::fromJson(json.join(u'\n').toUtf8()).object();
    QCOMPARE(report[u"project"_s].toString(), name);
    QCOMPARE(report[u"inStep"_s].toBool(true), false);
    const QJsonArray pages = report[u"pages"_s].toArray();
    QCOMPARE(pages.size(), 6);
    QCOMPARE(pages[3][u"state"_s].toString(), u"drifted"_s);
    QCOMPARE(pages[3][u"diff"_s].toArray().size(), 4);
    QCOMPARE(pages[5][u"path"_s].toString(), paths[5]);
    QCOMPARE(report[u"summary"_s][u"unreadable"_s].toInt(), 1);
}

void TestCliSafety::checkInStepExitsWithZero()
{
    SafetySite site;
    site.writePages(page(tag), page(tag));
    int status = -1;
    QCOMPARE(site.runOutput({u"check"_s, name}, status).last(),
             u"2 ページ: converted 2。メニューと一致しています。"_s);
    QCOMPARE(status, 0);
    QCOMPARE(site.run({u"restore"_s, name}), 0);
    QCOMPARE(site.run({u"check"_s, name}), 0);
    QCOMPARE(site.run({u"check"_s, u"ない"_s}), 2);
    site.writeProject(name, projectLines(name, QStringList{site.path(u"a.html"_s)}, QString()));
    QCOMPARE(site.run({u"check"_s, name}), 2);
    QCOMPARE(site.console.errors.last(),
             u"メニュ文字設定エラー: メニュー文字が設定されていません。"_s);
}

QTEST_GUILESS_MAIN(TestCliSafety)
#include "test_clisafety.moc"
