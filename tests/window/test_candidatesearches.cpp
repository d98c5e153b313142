#include "sitefixture.h"
#include "windowdriver.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace sitefixture;
using namespace Qt::StringLiterals;

// The two candidate searches refilling the file list from one folder.
class TestCandidateSearches : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void beforeConversionSearchesTheOnlyListedFilesFolder();
    void twoListedFilesSearchTheLoadedProjectsFolder();
    void noKnownFolderChangesNothing();
    void aFolderThatCannotBeListedIsReported();
    void aCandidateTheProjectFileCannotHoldIsRefused();
    void afterConversionFindsTheProjectTag_data();
    void afterConversionFindsTheProjectTag();

private:
    QString path(const QString& name) const
    {
        return QDir::toNativeSeparators(m_dir->filePath(name));
    }
    QString projectFile() const { return path(u"mprj.xml"_s); }
    // Folder "site": two pages with the menu (one highlighted, with a capital in its name),
    // one without, one .htm page with the menu, and a sub-folder page with it.
    void writeSite();

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCandidateSearches::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestCandidateSearches::writeSite()
{
    QDir(m_dir->path()).mkpath(u"site/sub"_s);
    QDir(m_dir->path()).mkpath(u"other"_s);
    const QString highlighted =
        QString(siteMenu())
            .replace(
                u"<li><a href=\"b.html\">案内</a></li>"_s,
                u"<li><!--<a href=\"B.html\">--><span style=\"font-weight:550;color:tomato\">案内"
                "</span><!--</a>--></li>"_s);
    writeText(path(u"site/a.html"_s), pageText(u"a"_s, siteMenu()));
    writeText(path(u"site/B.html"_s),
              pageText(u"b"_s, QString(highlighted).replace(u"B.html"_s, u"b.html"_s)));
    writeText(path(u"site/c.html"_s), pageText(u"c"_s, QString()));
    writeText(path(u"site/d.htm"_s), pageText(u"d"_s, siteMenu()));
    writeText(path(u"site/e.shtml"_s), pageText(u"e"_s, siteMenu()) + u"<!---->"_s);
    writeText(path(u"site/sub/f.html"_s), pageText(u"f"_s, siteMenu()));
    writeText(path(u"other/g.html"_s), pageText(u"g"_s, siteMenu()));
}

void TestCandidateSearches::beforeConversionSearchesTheOnlyListedFilesFolder()
{
    writeSite();
    WindowDriver driver(projectFile());
    driver.dialogs.htmlFiles.enqueue({path(u"site/c.html"_s)});
    driver.choose("mSelectHtmlFile");
    driver.typeMenuText(siteMenu().split(u"\r\n"_s));
    driver.clickTab(2);

    driver.choose("mhp");

    QCOMPARE(driver.fileListEntries(),
             (QStringList{path(u"site/a.html"_s), path(u"site/B.html"_s), path(u"site/d.htm"_s),
                          path(u"site/e.shtml"_s), path(u"site/sub/f.html"_s)}));
    QCOMPARE(driver.tabs()->currentIndex(), 0);
    QVERIFY(driver.dialogs.messages.isEmpty());
}

void TestCandidateSearches::twoListedFilesSearchTheLoadedProjectsFolder()
{
    writeSite();
    writeText(projectFile(),
              projectFileText({{u"site"_s, {path(u"other/g.html"_s)}, siteMenu()}}, u"site"_s));
    WindowDriver driver(projectFile());
    driver.dialogs.htmlFiles.enqueue({path(u"site/a.html"_s)});
    driver.choose("mSelectHtmlFile");

    // The site folder of other/g.html and site/a.html holds both folders.
    driver.choose("mhp");
    QCOMPARE(driver.fileListEntries().size(), 6);
    QCOMPARE(driver.fileListEntries().first(), path(u"other/g.html"_s));

    // With exactly one listed file its folder becomes the search folder.
    driver.dialogs.htmlFiles.enqueue({path(u"site/c.html"_s)});
    driver.choose("mclr");
    driver.choose("mSelectHtmlFile");
    driver.choose("mhp");
    QCOMPARE(driver.fileListEntries().size(), 5);
}

void TestCandidateSearches::noKnownFolderChangesNothing()
{
    WindowDriver driver(projectFile());
    driver.dialogs.htmlFiles.enqueue({u"/x/a.html"_s, u"/y/b.html"_s});
    driver.choose("mSelectHtmlFile");
    driver.choose("mhp");
    QCOMPARE(driver.dialogs.messages.size(), 1);
    QCOMPARE(driver.dialogs.messages[0].title, u"エラー"_s);
    QCOMPARE(driver.fileListEntries(), (QStringList{u"/x/a.html"_s, u"/y/b.html"_s}));
}

void TestCandidateSearches::aFolderThatCannotBeListedIsReported()
{
    WindowDriver driver(projectFile());
    const QString missing = path(u"missing/a.html"_s);
    driver.dialogs.htmlFiles.enqueue({missing});
    driver.choose("mSelectHtmlFile");
    driver.choose("mhr");
    QCOMPARE(driver.dialogs.messages.size(), 1);
    QCOMPARE(driver.dialogs.messages[0].title, u"エラー"_s);
    QCOMPARE(driver.dialogs.messages[0].text, qt_error_string(ENOENT));
    QCOMPARE(driver.fileListEntries(), QStringList{missing});
}

void TestCandidateSearches::aCandidateTheProjectFileCannotHoldIsRefused()
{
    writeText(path(u"a.html"_s), u"<!--site-->"_s);
    writeText(path(u"b\nc.html"_s), u"<!--site-->"_s);
    WindowDriver driver(projectFile());
    driver.dialogs.htmlFiles.enqueue({path(u"a.html"_s)});
    driver.choose("mSelectHtmlFile");
    driver.typeProjectName(u"site"_s);
    driver.choose("mhr");
    QCOMPARE(driver.fileListEntries(), QStringList{path(u"a.html"_s)});
    QCOMPARE(driver.dialogs.messages.size(), 1);
    QVERIFY(driver.dialogs.messages[0].text.endsWith(path(u"b\nc.html"_s)));
}

void TestCandidateSearches::afterConversionFindsTheProjectTag_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("empty name") << QString() << QStringList{u"site/e.shtml"_s};
    QTest::newRow("site") << u"site"_s << QStringList{u"site/B.html"_s};
}

void TestCandidateSearches::afterConversionFindsTheProjectTag()
{
    QFETCH(QString, name);
    QFETCH(QStringList, found);
    writeSite();
    writeText(path(u"site/B.html"_s), pageText(u"b"_s, u"<!--site-->"_s));
    WindowDriver driver(projectFile());
    // The first listed file's folder is searched.
    driver.dialogs.htmlFiles.enqueue({path(u"site/c.html"_s), path(u"site/sub/f.html"_s)});
    driver.choose("mSelectHtmlFile");
    driver.typeProjectName(name);
    driver.clickTab(5);

    driver.choose("mhr");

    QStringList expected;
    for (const QString& file : found)
        expected.append(path(file));
    QCOMPARE(driver.fileListEntries(), expected);
    QCOMPARE(driver.tabs()->currentIndex(), 0);
}

QTEST_MAIN(TestCandidateSearches)
#include "test_candidatesearches.moc"
