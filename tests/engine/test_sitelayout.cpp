#include "engine/sitelayout.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;

// A site of three folder levels, as hand-kept sites have them: index pages everywhere.
class TestSiteLayout : public QObject
{
    Q_OBJECT

private slots:
    void linkNamesAPage_data();
    void linkNamesAPage();
    void logNames();
};

namespace {

const QStringList pages{u"/w/site/index.html"_s, u"/w/site/about.html"_s, u"/w/site/ud/index.htm"_s,
                        u"/w/site/ud/a b.html"_s, u"/w/site/ud/deep/index.html"_s};

} // namespace

void TestSiteLayout::linkNamesAPage_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("names");

    const QString top = u"/w/site/index.html"_s;
    const QString ud = u"/w/site/ud/index.htm"_s;
    const QString deep = u"/w/site/ud/deep/index.html"_s;
    QTest::newRow("relative") << u"index.htm"_s << ud << ud << true;
    QTest::newRow("relative: the top page is not the section's")
        << u"../index.html"_s << ud << ud << false;
    QTest::newRow("../ to the top page") << u"../index.html"_s << ud << top << true;
    QTest::newRow("./") << u"./index.htm"_s << ud << ud << true;
    QTest::newRow("from the site folder") << u"/ud/index.htm"_s << deep << ud << true;
    QTest::newRow("absolute, any host") << u"http://example.jp/index.html"_s << ud << top << true;
    QTest::newRow("absolute https to a section")
        << u"https://www.example.jp/ud/deep/index.html"_s << top << deep << true;
    QTest::newRow("a folder names its index page") << u"ud/"_s << top << ud << true;
    QTest::newRow("the site's root folder") << u"/"_s << deep << top << true;
    QTest::newRow("query and fragment")
        << u"about.html?lang=ja#access"_s << top << u"/w/site/about.html"_s << true;
    QTest::newRow("%20") << u"a%20b.html"_s << ud << u"/w/site/ud/a b.html"_s << true;
    QTest::newRow("a letter as %xx") << u"%69ndex.html"_s << top << top << true;
    QTest::newRow("spaces around, a query") << u" index.htm ?q=1"_s << ud << ud << true;
    QTest::newRow("a name inside a longer name") << u"myindex.html"_s << top << top << false;
    QTest::newRow("fragment alone") << u"#top"_s << top << top << false;
    QTest::newRow("mail") << u"mailto:index.html"_s << top << top << false;
    QTest::newRow("other letter case") << u"Index.html"_s << top << top << false;
}

void TestSiteLayout::linkNamesAPage()
{
    QFETCH(QString, target);
    QFETCH(QString, from);
    QFETCH(QString, page);
    QFETCH(bool, names);
    QCOMPARE(SiteLayout(pages).linkNames(target, from, page), names);
}

void TestSiteLayout::logNames()
{
    const SiteLayout layout(pages);
    QCOMPARE(layout.folder(), u"/w/site/"_s);
    QCOMPARE(layout.logName(u"/w/site/index.html"_s), u"index.html"_s);
    QCOMPARE(layout.logName(u"/w/site/ud/deep/index.html"_s), u"ud/deep/index.html"_s);
    QCOMPARE(SiteLayout({u"/w/site/ud/index.htm"_s}).logName(u"/w/site/ud/index.htm"_s),
             u"index.htm"_s);
}

QTEST_APPLESS_MAIN(TestSiteLayout)
#include "test_sitelayout.moc"
