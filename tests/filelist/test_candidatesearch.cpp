#include "common/testfiles.h"
#include "filelist/candidatesearch.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::fixtures;

// The folder listing and the page tests of the candidate searches, without a window.
class TestCandidateSearch : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void nameTest_data();
    void nameTest();
    void listsOnlyCandidateFilesOfTheFolder();
    void aFolderThatCannotBeListedIsReported();
    void beforeConversionFindsHighlightedPages();
    void anEmptyMenuTakesEveryNonEmptyPage();
    void afterConversionFindsTheTag();
    void anUnreadablePageStopsTheSearch();

private:
    QString page(const QString& name, const QString& text);
    QString folder() const { return QDir::toNativeSeparators(m_dir->path()); }
    QStringList found(const CandidateTest& test, CandidateSearch* search = nullptr);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCandidateSearch::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestCandidateSearch::page(const QString& name, const QString& text)
{
    const QString path = QDir::toNativeSeparators(m_dir->filePath(name));
    writeBytes(path, shiftJis(text));
    return path;
}

QStringList TestCandidateSearch::found(const CandidateTest& test, CandidateSearch* search)
{
    const FolderListing listing = listCandidates(folder());
    if (listing.error)
        qFatal("cannot list the test folder");
    QStringList paths;
    const CandidateSearch result =
        examineCandidates(listing.candidates, test, [&](const QString& p) { paths.append(p); });
    if (search)
        *search = result;
    return paths;
}

void TestCandidateSearch::nameTest_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("passes");
    QTest::newRow("html") << u"/s/a.html"_s << true;
    QTest::newRow("capitals") << u"/s/Index.HTML"_s << true;
    QTest::newRow("shtml") << u"/s/page.shtml"_s << true;
    QTest::newRow("htm") << u"/s/page.htm"_s << true;
    QTest::newRow("HTM") << u"/s/PAGE.HTM"_s << true;
    QTest::newRow("htmx") << u"/s/page.htmx"_s << false;
    QTest::newRow("html inside") << u"/s/a.html.bak"_s << false;
}

void TestCandidateSearch::nameTest()
{
    QFETCH(QString, path);
    QFETCH(bool, passes);
    QCOMPARE(passesNameTest(path), passes);
}

void TestCandidateSearch::listsOnlyCandidateFilesOfTheFolder()
{
    page(u"b.html"_s, u"b"_s);
    page(u"Index.HTML"_s, u"i"_s);
    page(u"c.shtml"_s, u"c"_s);
    page(u"d.htm"_s, u"d"_s);
    page(u".hidden.html"_s, u"h"_s);
    QDir(m_dir->path()).mkpath(u"sub.html"_s);
    page(u"sub.html/e.html"_s, u"e"_s);
    QDir(m_dir->path()).mkpath(u".git"_s);
    page(u".git/f.html"_s, u"f"_s);
    // A link may lead outside the site, to a file or to a folder.
    QVERIFY(QFile::link(m_dir->filePath(u"b.html"_s), m_dir->filePath(u"link.html"_s)));
    QVERIFY(QFile::link(m_dir->filePath(u"sub.html"_s), m_dir->filePath(u"linked"_s)));
    const QString prefix = folder() + QDir::separator();
    const QStringList expected{prefix + u"Index.HTML"_s, prefix + u"b.html"_s,
                               prefix + u"c.shtml"_s, prefix + u"d.htm"_s,
                               prefix + u"sub.html"_s + QDir::separator() + u"e.html"_s};
    QCOMPARE(listCandidates(folder()).candidates, expected);
    QCOMPARE(listCandidates(prefix).candidates, expected);
}

void TestCandidateSearch::aFolderThatCannotBeListedIsReported()
{
    const FolderListing missing = listCandidates(m_dir->filePath(u"missing"_s));
    QVERIFY(missing.error);
    QCOMPARE(missing.error->title, u"エラー"_s);
    QCOMPARE(missing.error->text, qt_error_string(ENOENT));
    QCOMPARE(listCandidates(QString()).error, noSearchFolderMessage());
}

void TestCandidateSearch::beforeConversionFindsHighlightedPages()
{
    const QString menu = u"<li><a href=\"Index.html\">I</a></li>"_s;
    const QString highlighted =
        u"<li><!--<a href=\"Index.html\">--><span style=\"font-weight:550;color:tomato\">I</span>"
        "<!--</a>--></li>"_s;
    page(u"Index.html"_s, u"<body>\r\n"_s + highlighted + u"\r\n</body>"_s);
    page(u"plain.html"_s, u"<body>\r\n"_s + menu + u"\r\n</body>"_s);
    page(u"other.html"_s, u"<body>\r\n<p>no menu</p>\r\n</body>"_s);
    page(u"editor.html"_s, u"<body>\r\n<li><A href=\"Index.html\">I</A></li>\r\n</body>"_s);
    const QString prefix = folder() + QDir::separator();
    CandidateSearch search;
    QCOMPARE(found(beforeConversionTest(menu), &search),
             (QStringList{prefix + u"Index.html"_s, prefix + u"editor.html"_s,
                          prefix + u"plain.html"_s}));
    QCOMPARE(search.examined, 4);
    QVERIFY(!search.error);
    QCOMPARE(search.lastPageText, u"<body>\r\n"_s + menu + u"\r\n</body>"_s);
}

void TestCandidateSearch::anEmptyMenuTakesEveryNonEmptyPage()
{
    page(u"a.html"_s, u"x"_s);
    page(u"b.html"_s, QString());
    QCOMPARE(found(beforeConversionTest(QString())),
             QStringList{folder() + QDir::separator() + u"a.html"_s});
}

void TestCandidateSearch::afterConversionFindsTheTag()
{
    page(u"a.html"_s, u"<!---->"_s);
    page(u"b.html"_s, u"<!--site-->"_s);
    const QString prefix = folder() + QDir::separator();
    QCOMPARE(found(afterConversionTest(u"<!---->"_s)), QStringList{prefix + u"a.html"_s});
    QCOMPARE(found(afterConversionTest(u"<!--site-->"_s)), QStringList{prefix + u"b.html"_s});
}

void TestCandidateSearch::anUnreadablePageStopsTheSearch()
{
    page(u"a.html"_s, u"<!--t-->"_s);
    const QString bad = page(u"b.html"_s, u"<!--t-->"_s);
    writeBytes(bad, QByteArray("\x82\xff<!--t-->"));
    page(u"c.html"_s, u"<!--t-->"_s);
    CandidateSearch search;
    QCOMPARE(found(afterConversionTest(u"<!--t-->"_s), &search),
             QStringList{folder() + QDir::separator() + u"a.html"_s});
    QVERIFY(search.error);
    QCOMPARE(search.error->title, u"エラー"_s);
    QVERIFY(search.error->text.startsWith(u"b.html: "_s));
    QCOMPARE(search.examined, 1);
}

QTEST_GUILESS_MAIN(TestCandidateSearch)
#include "test_candidatesearch.moc"
