#include "common/testfiles.h"
#include "sitefixture.h"
#include "windowdriver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace sitefixture;
using namespace Qt::StringLiterals;

// Pages dropped on the file list, with the check of the project tags they carry.
class TestFileListDrop : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void aListedPathIsNotAddedTwice();
    void anEmptyWindowTakesTheNameWithoutAQuestion_data();
    void anEmptyWindowTakesTheNameWithoutAQuestion();
    void anotherNameIsTakenOnlyWhenTheUserAgrees_data();
    void anotherNameIsTakenOnlyWhenTheUserAgrees();
    void differingTagsChangeNothing();
    void aMenuTextIsNeverReplaced();
    void aDroppedFolderAddsItsPages();
    void anUnreadableFileIsLoggedAndPassedOver();
    void otherUrlsAreIgnored();
    void aNewProjectFromDroppedPages();
    void pagesOpenedWithTheProgramJoinOnlyWithAYes();

private:
    QString path(const QString& name) const
    {
        return QDir::toNativeSeparators(m_dir->filePath(name));
    }
    QString projectFile() const { return path(u"mprj.xml"_s); }
    QString writePage(const QString& name, const QString& tag, const QString& menu = siteMenu());
    void writeProject(const QString& name, const QStringList& files, const QString& menu);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFileListDrop::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// A page with the menu, and the tag (when given) after it.
QString TestFileListDrop::writePage(const QString& name, const QString& tag, const QString& menu)
{
    writeText(path(name), pageText(name, menu) + tag);
    return path(name);
}

void TestFileListDrop::writeProject(const QString& name, const QStringList& files,
                                    const QString& menu)
{
    writeText(projectFile(), projectFileText({{name, files, menu}}, name));
}

void TestFileListDrop::aListedPathIsNotAddedTwice()
{
    const QString a = writePage(u"a.html"_s, {});
    writeProject(u"site"_s, {a}, siteMenu());
    WindowDriver driver(projectFile());
    driver.dropFilesOnFileList({a});
    QCOMPARE(driver.fileListEntries(), QStringList{a});

    const QString upper = path(u"A.html"_s);
    driver.dropFilesOnFileList({upper});
    QCOMPARE(driver.fileListEntries(), (QStringList{upper, a}));
    QCOMPARE(driver.logLines().last(), u"A.htmlを読み込めませんでした。"_s);
}

// The desktop's "open with": the page is shown and offered once the last project has been
// loaded, so the start-up reload does not take it away again; it joins only with a yes.
void TestFileListDrop::pagesOpenedWithTheProgramJoinOnlyWithAYes()
{
    const QString a = writePage(u"a.html"_s, {});
    const QString b = writePage(u"b.html"_s, {});
    writeProject(u"site"_s, {a}, siteMenu());
    QDir::setCurrent(m_dir->path());
    WindowDriver driver(projectFile(), {u"b.html"_s});
    QTRY_COMPARE(driver.dialogs.questions.size(), 1);
    QVERIFY(driver.dialogs.questions.first().text.contains(u"site"_s));
    QVERIFY(driver.dialogs.questions.first().text.endsWith(b));
    QCOMPARE(driver.fileListEntries(), QStringList{a});
    QCOMPARE(driver.chooser()->currentText(), b);
    QCOMPARE(driver.tabs()->tabText(driver.tabs()->currentIndex()), u"WEB表示"_s);

    driver.dialogs.answers.enqueue(true);
    driver.window().offerPages({u"b.html"_s});
    QTRY_COMPARE(driver.fileListEntries(), (QStringList{a, b}));
    QCOMPARE(driver.names()->currentText(), u"site"_s);
    QCOMPARE(driver.dialogs.questions.size(), 2);
}

void TestFileListDrop::anEmptyWindowTakesTheNameWithoutAQuestion_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("name");
    QTest::newRow("tag in the page") << u"<!--ProjectA-->"_s << u"projecta"_s;
    QTest::newRow("no tag") << QString() << QString();
}

void TestFileListDrop::anEmptyWindowTakesTheNameWithoutAQuestion()
{
    QFETCH(QString, tag);
    QFETCH(QString, name);
    const QString a = writePage(u"a.html"_s, tag);
    WindowDriver driver(projectFile());
    QVERIFY(driver.control("Picture1")->isVisible());

    driver.dropFilesOnFileList({a});

    QCOMPARE(driver.fileListEntries(), QStringList{a});
    QVERIFY(driver.control("Picture1")->isHidden());
    QVERIFY(driver.dialogs.questions.isEmpty());
    QCOMPARE(driver.names()->currentText(), name);
    QCOMPARE(driver.tag()->text(), u"<!--"_s + name + u"-->"_s);
    QCOMPARE(driver.menuText()->toPlainText(), u"\n"_s + QString(siteMenu()).remove(u'\r'));
}

void TestFileListDrop::anotherNameIsTakenOnlyWhenTheUserAgrees_data()
{
    QTest::addColumn<bool>("agree");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestFileListDrop::anotherNameIsTakenOnlyWhenTheUserAgrees()
{
    QFETCH(bool, agree);
    const QString a = writePage(u"a.html"_s, u"<!--ProjectA-->"_s);
    WindowDriver driver(projectFile());
    driver.typeProjectName(u"ProjectA"_s);
    driver.dialogs.answers.enqueue(agree);

    driver.dropFilesOnFileList({a});

    QCOMPARE(driver.dialogs.questions.size(), 1);
    QCOMPARE(driver.dialogs.questions[0].title, u"プロジェクト名の不一致"_s);
    QCOMPARE(driver.fileListEntries(), QStringList{a});
    const QString name = agree ? u"projecta"_s : u"ProjectA"_s;
    QCOMPARE(driver.names()->currentText(), name);
    QCOMPARE(driver.tag()->text(), u"<!--"_s + name + u"-->"_s);
    // Declining ends the drop before the menu text is taken.
    QCOMPARE(driver.menuText()->toPlainText().isEmpty(), !agree);
}

void TestFileListDrop::differingTagsChangeNothing()
{
    const QString a = writePage(u"a.html"_s, u"<!--project a-->"_s);
    const QString b = writePage(u"b.html"_s, u"<!--project b-->"_s);
    WindowDriver driver(projectFile());

    driver.dropFilesOnFileList({b, a});

    QCOMPARE(driver.dialogs.messages.size(), 1);
    QCOMPARE(driver.dialogs.messages[0].text,
             u"コメントの中のプロジェクト名が同じでは有りません。"_s);
    QCOMPARE(driver.fileListEntries(), (QStringList{a, b}));
    QCOMPARE(driver.names()->currentText(), QString());
    QVERIFY(driver.menuText()->toPlainText().isEmpty());
}

void TestFileListDrop::aMenuTextIsNeverReplaced()
{
    const QString a = writePage(u"a.html"_s, {});
    const QString b = writePage(u"b.html"_s, {}, u"<p>another menu</p>"_s);
    writeProject(u"site"_s, {a}, u"<p>own menu</p>"_s);
    WindowDriver driver(projectFile());
    driver.dropFilesOnFileList({b});
    QCOMPARE(driver.fileListEntries(), (QStringList{a, b}));
    QCOMPARE(driver.menuText()->toPlainText(), u"<p>own menu</p>"_s);
}

void TestFileListDrop::aDroppedFolderAddsItsPages()
{
    QDir(m_dir->path()).mkpath(u"site/sub"_s);
    const QString b = writePage(u"site/b.html"_s, {});
    const QString a = writePage(u"site/A.shtml"_s, {});
    const QString c = writePage(u"site/c.htm"_s, {});
    const QString d = writePage(u"site/sub/d.html"_s, {});
    WindowDriver driver(projectFile());
    driver.dropFilesOnFileList({path(u"site"_s)});
    QCOMPARE(driver.fileListEntries(), (QStringList{a, b, c, d}));
}

void TestFileListDrop::anUnreadableFileIsLoggedAndPassedOver()
{
    const QString bad = path(u"a.html"_s);
    quillet::fixtures::writeBytes(bad, QByteArray("\x82\xff<!--projectx-->"));
    const QString good = writePage(u"b.html"_s, u"<!--projecty-->"_s);
    WindowDriver driver(projectFile());
    driver.dropFilesOnFileList({bad, good});
    QCOMPARE(driver.fileListEntries(), (QStringList{bad, good}));
    QCOMPARE(driver.logLines().last(), u"a.htmlを読み込めませんでした。"_s);
    QVERIFY(driver.dialogs.messages.isEmpty());
    QCOMPARE(driver.names()->currentText(), u"projecty"_s);
    QVERIFY(!driver.menuText()->toPlainText().isEmpty());
}

void TestFileListDrop::otherUrlsAreIgnored()
{
    const QString a = writePage(u"a.html"_s, {});
    WindowDriver driver(projectFile());
    driver.dropOnFileList({QUrl(u"https://example.com/a.html"_s), QUrl::fromLocalFile(a)});
    QCOMPARE(driver.fileListEntries(), QStringList{a});
}

// From an empty window to converted pages, with no project file written by hand.
void TestFileListDrop::aNewProjectFromDroppedPages()
{
    const QString a = writePage(u"a.html"_s, {});
    const QString b = writePage(u"b.html"_s, {});
    WindowDriver driver(projectFile());
    driver.dropFilesOnFileList({b, a});
    driver.typeProjectName(u"site"_s);
    driver.choose("mpsave");
    QVERIFY(QFile::exists(projectFile()));

    driver.click("CodEncode");

    QCOMPARE(driver.logLines(), (QStringList{u"ログです"_s, u"a.htmlの変換を行ないました。"_s,
                                             u"b.htmlの変換を行ないました。"_s}));
    QVERIFY(readText(a).contains(u"<!--site-->"_s));
}

QTEST_MAIN(TestFileListDrop)
#include "test_filelistdrop.moc"
