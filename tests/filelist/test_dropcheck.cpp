#include "common/testfiles.h"
#include "filelist/dropcheck.h"
#include "filelist/dropintake.h"
#include "filelist/projectname.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::fixtures;

// The drop's intake and its project check, without a window.
class TestDropCheck : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void readsTheProjectName_data();
    void readsTheProjectName();
    void namesAgreeOrDiffer_data();
    void namesAgreeOrDiffer();
    void aDifferenceStopsTheReading();
    void eachPageIsReadOnce();
    void unreadablePagesArePassedOver();
    void theMenuComesCleanedFromTheFirstBlock();
    void aProjectTagIsNoMenu();
    void intakeSkipsListedPathsExactly();
    void aDroppedFolderStandsForItsCandidates();
    void pathsTheProjectFileCannotHoldAreRefused();

private:
    QString page(const QString& name, const QString& text);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDropCheck::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestDropCheck::page(const QString& name, const QString& text)
{
    const QString path = QDir::toNativeSeparators(m_dir->filePath(name));
    writeBytes(path, shiftJis(text));
    return path;
}

void TestDropCheck::readsTheProjectName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QString>>("name");
    QTest::newRow("capitals lowered")
        << u"a<!--ProjectSite-->b"_s << std::optional(u"projectsite"_s);
    QTest::newRow("other letters lowered too")
        << u"<!--PROJECTÄ-->"_s << std::optional(u"projectä"_s);
    QTest::newRow("blank kept") << u"<!--project a-->"_s << std::optional(u"project a"_s);
    QTest::newRow("first tag counts")
        << u"<!--projectb--><!--projecta-->"_s << std::optional(u"projectb"_s);
    QTest::newRow("other names unseen") << u"<!--site-->"_s << std::optional<QString>();
    QTest::newRow("no closing bracket") << u"<!--project a"_s << std::optional<QString>();
    QTest::newRow("bracket ends the tag")
        << u"<!--projectX -- >rest"_s << std::optional(u"projectx -- >"_s);
}

void TestDropCheck::readsTheProjectName()
{
    QFETCH(QString, text);
    QFETCH(std::optional<QString>, name);
    QCOMPARE(readProjectName(text), name);
}

void TestDropCheck::namesAgreeOrDiffer_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("agree");
    QTest::addColumn<QString>("name");
    QTest::newRow("no list") << QStringList() << true << QString();
    QTest::newRow("no tags") << QStringList{u"<p>"_s, u"<!--site-->"_s} << true << QString();
    QTest::newRow("same name, other case")
        << QStringList{u"<p>"_s, u"<!--ProjectA-->"_s, u"<!--projecta-->"_s} << true
        << u"projecta"_s;
    QTest::newRow("two names") << QStringList{u"<!--project a-->"_s, u"<!--project b-->"_s} << false
                               << u"project a"_s;
}

void TestDropCheck::namesAgreeOrDiffer()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, agree);
    QFETCH(QString, name);
    QStringList paths;
    for (qsizetype i = 0; i < texts.size(); ++i)
        paths.append(page(u"p%1.html"_s.arg(i), texts[i]));
    ListedPages pages(paths);
    QCOMPARE(CheckProjectNames(pages), agree);
    QCOMPARE(GetFileProjectName(pages), name);
}

void TestDropCheck::aDifferenceStopsTheReading()
{
    ListedPages pages({page(u"a.html"_s, u"<!--projecta-->"_s),
                       page(u"b.html"_s, u"<!--projectb-->"_s), page(u"c.html"_s, u"<p>"_s)});
    QVERIFY(!CheckProjectNames(pages));
    QVERIFY(pages.at(1).read);
    QCOMPARE(pages.unreadableLog(), QStringList());
    qsizetype reads = 0;
    ListedPages counted({page(u"d.html"_s, u"<!--projecta-->"_s),
                         page(u"e.html"_s, u"<!--projectb-->"_s), page(u"f.html"_s, u"<p>"_s)},
                        [&](qsizetype done, qsizetype) { reads = done; });
    QVERIFY(!CheckProjectNames(counted));
    QCOMPARE(reads, 2);
}

void TestDropCheck::eachPageIsReadOnce()
{
    QStringList paths;
    for (int i = 0; i < 4; ++i)
        paths.append(page(u"p%1.html"_s.arg(i), u"<!--projecta-->\r\n"_s));
    QList<qsizetype> reports;
    ListedPages pages(paths, [&](qsizetype done, qsizetype total) {
        QCOMPARE(total, 4);
        reports.append(done);
    });
    QVERIFY(CheckProjectNames(pages));
    QCOMPARE(GetFileProjectName(pages), u"projecta"_s);
    QCOMPARE(GetMenuFromFiles(pages), QString());
    QCOMPARE(reports, (QList<qsizetype>{1, 2, 3, 4}));
}

void TestDropCheck::unreadablePagesArePassedOver()
{
    QDir(m_dir->path()).mkdir(u"folder.html"_s);
    const QString folder = QDir::toNativeSeparators(m_dir->filePath(u"folder.html"_s));
    const QString missing = QDir::toNativeSeparators(m_dir->filePath(u"missing.html"_s));
    const QString good =
        page(u"good.html"_s,
             u"<!--projectz-->\r\n<!--MenuStart-->\r\n<ul></ul>\r\n<!--MenuEnd-->\r\n"_s);
    ListedPages pages({folder, good, missing});
    QVERIFY(CheckProjectNames(pages));
    QCOMPARE(GetFileProjectName(pages), u"projectz"_s);
    QCOMPARE(GetMenuFromFiles(pages), u"\r\n<ul></ul>"_s);
    QCOMPARE(pages.unreadableLog(), (QStringList{u"folder.htmlを読み込めませんでした。"_s,
                                                 u"missing.htmlを読み込めませんでした。"_s}));
}

void TestDropCheck::theMenuComesCleanedFromTheFirstBlock()
{
    const QString highlighted =
        u"<li><!--<a href=\"b.html\">--><span style=\"font-weight:550;color:tomato\">B</span>"
        "<!--</a>--></li>"_s;
    ListedPages pages(
        {page(u"a.html"_s, u"<p>no menu</p>"_s),
         page(u"b.html"_s, u"<!--MenuStart-->\r\n"_s + highlighted + u"\r\n<!--MenuEnd-->"_s),
         page(u"c.html"_s, u"<!--MenuStart-->other<!--MenuEnd-->"_s)});
    QCOMPARE(GetMenuFromFiles(pages), u"\r\n<li><a href=\"b.html\">B</a></li>"_s);
}

// A converted page holds its project tag between the markers.
void TestDropCheck::aProjectTagIsNoMenu()
{
    const QString converted =
        page(u"a.html"_s, u"<!--MenuStart-->\r\n  <!--サイト-->\r\n<!--MenuEnd-->"_s);
    const QString withMenu =
        page(u"b.html"_s, u"<!--MenuStart-->\r\n<ul></ul>\r\n<!--MenuEnd-->"_s);
    ListedPages both({converted, withMenu});
    QCOMPARE(GetMenuFromFiles(both), u"\r\n<ul></ul>"_s);
    ListedPages tagOnly({converted});
    QCOMPARE(GetMenuFromFiles(tagOnly), QString());
    QVERIFY(offersProjectTagAsMenu(tagOnly));
}

void TestDropCheck::intakeSkipsListedPathsExactly()
{
    const QString listed = u"/site/a.html"_s;
    const DropIntake intake = takeDroppedPaths(
        {listed}, {listed, u"/site/A.html"_s, u"/site/b.html"_s, u"/site/b.html"_s}, {});
    QCOMPARE(intake.added, (QStringList{u"/site/A.html"_s, u"/site/b.html"_s}));
    QVERIFY(intake.refused.isEmpty());
}

void TestDropCheck::aDroppedFolderStandsForItsCandidates()
{
    page(u"b.html"_s, u"b"_s);
    page(u"A.HTML"_s, u"a"_s);
    page(u"c.htm"_s, u"c"_s);
    page(u".hidden.html"_s, u"h"_s);
    QDir(m_dir->path()).mkpath(u"sub"_s);
    page(u"sub/d.html"_s, u"d"_s);
    const QString folder = QDir::toNativeSeparators(m_dir->path());
    const QString sep = QDir::separator();
    const DropIntake intake = takeDroppedPaths({}, {folder}, {});
    QCOMPARE(intake.added,
             (QStringList{folder + sep + u"A.HTML"_s, folder + sep + u"b.html"_s,
                          folder + sep + u"c.htm"_s, folder + sep + u"sub"_s + sep + u"d.html"_s}));
}

void TestDropCheck::pathsTheProjectFileCannotHoldAreRefused()
{
    const QStringList dropped{u"/s/a\nb.html"_s, u"/s/\U0001F600.html"_s, u"/s/日本.html"_s,
                              u"/s/c\r.html"_s};
    const DropIntake sjis = takeDroppedPaths({}, dropped, {PageEncoding::ShiftJis, false});
    QCOMPARE(sjis.added, QStringList{u"/s/日本.html"_s});
    QCOMPARE(sjis.refused,
             (QStringList{u"/s/a\nb.html"_s, u"/s/\U0001F600.html"_s, u"/s/c\r.html"_s}));
    const DropIntake utf8 = takeDroppedPaths({}, dropped, {PageEncoding::Utf8, false});
    QCOMPARE(utf8.added, (QStringList{u"/s/\U0001F600.html"_s, u"/s/日本.html"_s}));
}

QTEST_GUILESS_MAIN(TestDropCheck)
#include "test_dropcheck.moc"
