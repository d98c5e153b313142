#include "sitefixture.h"
#include "windowdriver.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace sitefixture;
using namespace Qt::StringLiterals;

// The conversion and restore buttons over a small site, as the user presses them.
class TestWindowRuns : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void convertThenRestoreASite();
    void aMenuTypedInTheBoxMatchesACrLfPage();
    void emptySettingsAreRefused_data();
    void emptySettingsAreRefused();
    void aProjectFileThatCannotBeWrittenStopsTheConversion();
    void undoTakesBackTheConversionAfterAsking();
    void alignShowsTheDiffsAndWritesOnlyOnOk();
    void aMarkedProjectLeadsItsLinksUpInSubFolders();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString projectFile() const { return path(u"mprj.xml"_s); }
    QStringList writeSite(const QString& menuInProject);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestWindowRuns::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// Pages a and b carry the menu, c does not; the project "site" lists all three.
QStringList TestWindowRuns::writeSite(const QString& menuInProject)
{
    const QStringList pages{path(u"a.html"_s), path(u"b.html"_s), path(u"c.html"_s)};
    writeText(pages[0], pageText(u"トップ"_s, siteMenu()));
    writeText(pages[1], pageText(u"案内"_s, siteMenu()));
    writeText(pages[2], pageText(u"地図"_s, QString()));
    writeText(projectFile(), projectFileText({{u"site"_s, pages, menuInProject}}, u"site"_s));
    return pages;
}

void TestWindowRuns::convertThenRestoreASite()
{
    const QStringList pages = writeSite(siteMenu());
    const QString untouched = readText(pages[2]);
    WindowDriver driver(projectFile());

    driver.click("CodEncode");

    // The save's corrections of the plain entries stay in the log, after its head line.
    QCOMPARE(driver.logLines(),
             QStringList({u"ログです"_s, u"a.htmlのリンクを修正しました。"_s,
                          u"b.htmlのリンクを修正しました。"_s, u"a.htmlの変換を行ないました。"_s,
                          u"b.htmlの変換を行ないました。"_s, u"c.htmlは変換しませんでした。"_s}));
    QCOMPARE(driver.tabs()->currentIndex(), 4);
    QVERIFY(readText(pages[0]).contains(u"<!--MenuStart-->\r\n<!--site-->\r\n<!--MenuEnd-->"_s));
    QVERIFY(readText(pages[1]).contains(u"<!--MenuStart-->\r\n<!--site-->\r\n<!--MenuEnd-->"_s));
    QCOMPARE(readText(pages[2]), untouched);
    QCOMPARE(driver.sourceView()->toPlainText(), QString(untouched).replace(u"\r\n"_s, u"\n"_s));

    driver.clickTab(2);
    driver.typeMenuText({u"<P><A HREF=\"d.html\">新着</A></P>"_s});
    driver.clickTab(1);
    driver.clickFileListEntry(0);
    QCOMPARE(driver.fileList()->selectedItems().size(), 1);
    driver.click("CmdDecode");

    QCOMPARE(driver.logLines(),
             QStringList({u"ログです"_s, u"a.htmlを戻しました。"_s, u"b.htmlを戻しました。"_s,
                          u"c.htmlは戻しませんでした。"_s}));
    QCOMPARE(driver.tabs()->currentIndex(), 4);
    QCOMPARE(driver.window().statusBar()->currentMessage(), u"3 ページ中 2 ページを戻しました"_s);
    QVERIFY(driver.fileList()->selectedItems().isEmpty());
    const QString restored = readText(pages[0]);
    QVERIFY(restored.contains(u"<P><a HREF=\"d.html\">新着</a></P>\r\n<!--MenuEnd-->"_s));
    QVERIFY(restored.contains(u"font-weight:550;color:tomato"_s));
    QVERIFY(!restored.contains(u"<!--site-->"_s));
    QCOMPARE(readText(pages[2]), untouched);
    // The project keeps the menu the pages now hold, without asking.
    QVERIFY(readText(projectFile()).contains(u"d.html"_s));
    QVERIFY(driver.dialogs.questions.isEmpty());
}

void TestWindowRuns::aMenuTypedInTheBoxMatchesACrLfPage()
{
    const QStringList pages = writeSite(QString());
    WindowDriver driver(projectFile());
    QVERIFY(driver.menuText()->toPlainText().isEmpty());

    driver.clickTab(2);
    driver.typeMenuText(siteMenu().split(u"\r\n"_s));
    driver.click("CodEncode");

    QCOMPARE(driver.logLines().mid(3, 2),
             QStringList({u"a.htmlの変換を行ないました。"_s, u"b.htmlの変換を行ないました。"_s}));
    QVERIFY(readText(projectFile()).contains(u"&lt;ul&gt;\r\n&lt;li&gt;"_s));
}

void TestWindowRuns::emptySettingsAreRefused_data()
{
    QTest::addColumn<QString>("storedMenu");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString noMenuTitle = u"メニュ文字設定エラー"_s;
    const QString noMenuText = u"メニュー文字が設定されていません。"_s;
    QTest::newRow("convert without menu")
        << QString() << u"CodEncode"_s << noMenuTitle << noMenuText;
    QTest::newRow("restore without menu")
        << QString() << u"CmdDecode"_s << noMenuTitle << noMenuText;
    QTest::newRow("convert without tag") << siteMenu() << u"CodEncode"_s << u"置き換え文字エラー"_s
                                         << u"置き換え文字が設定されていません。"_s;
    QTest::newRow("restore without tag") << siteMenu() << u"CmdDecode"_s << u"置き換え文字エラー"_s
                                         << u"置き換え文字が設定されていません。"_s;
}

void TestWindowRuns::emptySettingsAreRefused()
{
    QFETCH(QString, storedMenu);
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(QString, text);
    const QStringList pages = writeSite(storedMenu);
    const QString project = readText(projectFile());
    const QString page = readText(pages[0]);
    WindowDriver driver(projectFile());
    if (!storedMenu.isEmpty())
        driver.tag()->clear();

    driver.click(button.toLatin1().constData());

    QCOMPARE(driver.dialogs.messages.size(), 1);
    QCOMPARE(driver.dialogs.messages[0].title, title);
    QCOMPARE(driver.dialogs.messages[0].text, text);
    QCOMPARE(driver.logLines(), QStringList{u" \"ログです\""_s});
    QCOMPARE(readText(projectFile()), project);
    QCOMPARE(readText(pages[0]), page);
}

// Converted pages no longer hold the menu; it must be stored before they lose it.
void TestWindowRuns::aProjectFileThatCannotBeWrittenStopsTheConversion()
{
    const QStringList pages = writeSite(siteMenu());
    WindowDriver driver(projectFile());
    QVERIFY(QFile::remove(projectFile()));
    QVERIFY(QDir(projectFile()).mkpath(u"."_s)); // a folder where the file should be

    driver.click("CodEncode");

    QCOMPARE(driver.dialogs.messages.size(), 1);
    QVERIFY(!readText(pages[0]).contains(u"<!--site-->"_s));
    QVERIFY(!driver.logLines().contains(u"a.htmlの変換を行ないました。"_s));
}

void TestWindowRuns::undoTakesBackTheConversionAfterAsking()
{
    const QStringList pages = writeSite(siteMenu());
    const auto bytesOf = [](const QString& file) {
        QFile page(file);
        return page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray();
    };
    const QList<QByteArray> originals{bytesOf(pages[0]), bytesOf(pages[1])};
    WindowDriver driver(projectFile());
    driver.choose("mundo");
    QCOMPARE(driver.dialogs.messages.last().text, u"元に戻せる処理はありません。"_s);

    driver.click("CodEncode");
    QVERIFY(bytesOf(pages[0]) != originals[0]);
    driver.choose("mundo"); // answered Cancel
    QVERIFY(driver.dialogs.questions.last().text.contains(u"  変換  site  2 ページ"_s));
    QVERIFY(bytesOf(pages[0]) != originals[0]);

    driver.clickTab(1);
    driver.dialogs.answers.enqueue(true);
    driver.choose("mundo");
    QCOMPARE(bytesOf(pages[0]), originals[0]);
    QCOMPARE(bytesOf(pages[1]), originals[1]);
    QCOMPARE(driver.logLines(),
             QStringList({pages[0] + u"を元に戻しました。"_s, pages[1] + u"を元に戻しました。"_s}));
    QCOMPARE(driver.tabs()->currentIndex(), 4);
}

void TestWindowRuns::alignShowsTheDiffsAndWritesOnlyOnOk()
{
    const QStringList pages = writeSite(siteMenu());
    QString drifted = siteMenu();
    drifted.replace(u"<li><a href=\"b.html\">"_s, u"<li>　<a href=\"b.html\">"_s);
    writeText(pages[1], pageText(u"案内"_s, drifted));
    const QString before = readText(pages[1]);
    WindowDriver driver(projectFile());

    driver.choose("malign"); // answered Cancel
    QCOMPARE(driver.dialogs.questions.size(), 1);
    QCOMPARE(driver.dialogs.questions[0].text,
             u"1 ページのメニューを置き換えます。\r\n"_s + pages[1]);
    QVERIFY(driver.dialogs.details[0].startsWith(u"--- a"_s + pages[1]));
    QVERIFY(driver.dialogs.details[0].contains(u"\n-<li>　<a href=\"b.html\">案内</a></li>"_s));
    QCOMPARE(readText(pages[1]), before);

    driver.dialogs.answers.enqueue(true);
    driver.choose("malign");
    QCOMPARE(
        readText(pages[1]),
        pageText(u"案内"_s,
                 QString(siteMenu())
                     .replace(u"<a href=\"b.html\">案内</a>"_s,
                              u"<!--<a href=\"b.html\">--><span "
                              "style=\"font-weight:550;color:tomato\">案内</span><!--</a>-->"_s)));
    QCOMPARE(driver.logLines(),
             (QStringList{u"ログです"_s, u"a.htmlのメニューは揃っています。"_s,
                          u"b.htmlのメニューを揃えました。"_s,
                          u"c.htmlにはメニューが見つからないため揃えませんでした。"_s}));
}

// The project's mark, read with the project, makes the restore lead the links up, and the
// check item shows it.
void TestWindowRuns::aMarkedProjectLeadsItsLinksUpInSubFolders()
{
    QDir(m_dir->path()).mkpath(u"sub"_s);
    const QStringList pages{path(u"a.html"_s), path(u"sub/b.html"_s)};
    for (const QString& page : pages)
        writeText(page, pageText(u"x"_s, u"<!--site-->"_s));
    const QString menu = u"<ul>\r\n<li><a href=\"a.html\">A</a></li>\r\n"
                         "<li><a href=\"sub/b.html\">B</a></li>\r\n</ul>"_s;
    writeText(projectFile(),
              projectFileText({{u"site"_s, pages, menu}}, u"site"_s)
                  .replace(u"</projectname>"_s, u"<linkbase>\r\nsite\r\n</linkbase>\r\n"
                                                "</projectname>"_s));
    WindowDriver driver(projectFile());
    driver.click("CmdDecode");
    QCOMPARE(readText(pages[1]),
             pageText(u"x"_s, u"<ul>\r\n<li><a href=\"../a.html\">A</a></li>\r\n"
                              "<li><!--<a href=\"../sub/b.html\">--><span style=\"font-weight:"
                              "550;color:tomato\">B</span><!--</a>--></li>\r\n</ul>"_s));
    QMenu* options = driver.window().findChild<QMenu*>(u"mo"_s);
    QVERIFY(options);
    QMetaObject::invokeMethod(options, "aboutToShow");
    QVERIFY(driver.window().findChild<QAction*>(u"mlinkbase"_s)->isChecked());
}

QTEST_MAIN(TestWindowRuns)
#include "test_windowruns.moc"
