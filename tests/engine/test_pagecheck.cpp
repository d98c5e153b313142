#include "engine/pagecheck.h"
#include "engine/textdiff.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;

Q_DECLARE_METATYPE(quillet::PageState)

namespace {

const QString tag = u"<!--サイト-->"_s;
const QString path = u"/site/about.html"_s;
const QString home = u"<li><a href=\"index.html\">ホーム</a></li>"_s;
const QString about = u"<li><a href=\"about.html\">会社案内</a></li>"_s;
const QString aboutHighlighted = u"<li><!--<a href=\"about.html\">--><span "
                                 u"style=\"font-weight:550;color:tomato\">会社案内</span><!--</a>"
                                 u"--></li>"_s;
const QString menu = u"<ul>\r\n"_s + home + u"\r\n"_s + about + u"\r\n</ul>"_s;

QString page(const QString& block)
{
    return u"<html>\r\n<!--MenuStart-->\r\n"_s + block + u"\r\n<!--MenuEnd-->\r\n</html>\r\n"_s;
}

} // namespace

class TestPageCheck : public QObject
{
    Q_OBJECT

private slots:
    void states_data();
    void states();
    void driftComesWithItsDiff();
    void unreadablePage();
    void diffHunks_data();
    void diffHunks();
};

void TestPageCheck::states_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<PageState>("state");
    const QString highlighted =
        u"<ul>\r\n"_s + home + u"\r\n"_s + aboutHighlighted + u"\r\n</ul>"_s;
    QTest::newRow("converted") << page(tag) << PageState::Converted;
    QTest::newRow("restored") << page(highlighted) << PageState::Restored;
    QTest::newRow("unmarked") << page(menu) << PageState::Unmarked;
    QTest::newRow("restored in another colour")
        << page(QString(highlighted).replace(u"tomato"_s, u"#00FF00"_s)) << PageState::Restored;
    QTest::newRow("drifted") << page(u"<ul>\r\n"_s + home + u"\r\n</ul>"_s) << PageState::Drifted;
    QTest::newRow("markers in the wrong order")
        << u"<!--MenuEnd-->\r\n<p>x</p>\r\n<!--MenuStart-->"_s << PageState::None;
    QTest::newRow("none") << u"<html></html>"_s << PageState::None;
}

void TestPageCheck::states()
{
    QFETCH(QString, text);
    const PageCheck check = checkPageText(text, path, {menu, tag, {}});
    QTEST(check.state, "state");
    QCOMPARE(check.drift.isEmpty(), check.state != PageState::Drifted);
}

void TestPageCheck::driftComesWithItsDiff()
{
    const QString block = u"<ul>\r\n"_s + aboutHighlighted + u"\r\n<li>新着</li>\r\n</ul>"_s;
    const PageCheck check = checkPageText(page(block), path, {menu, tag, {}});
    QCOMPARE(check.state, PageState::Drifted);
    QCOMPARE(check.drift, (QStringList{u"@@ -1,4 +1,4 @@"_s, u" <ul>"_s, u"-"_s + home,
                                       u" "_s + about, u"+<li>新着</li>"_s, u" </ul>"_s}));
    QCOMPARE(pageStateName(check.state), u"drifted"_s);
}

void TestPageCheck::unreadablePage()
{
    const PageCheck check = checkPage(u"/nonexistent/page.html"_s, {menu, tag, {}});
    QCOMPARE(check.state, PageState::Unreadable);
    QVERIFY(!check.error.isEmpty());
}

void TestPageCheck::diffHunks_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("hunks");
    const QStringList ten{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s,
                          u"6"_s, u"7"_s, u"8"_s, u"9"_s, u"10"_s};
    QTest::newRow("equal") << ten << ten << QStringList();
    QStringList changed = ten;
    changed[0] = u"one"_s;
    changed[9] = u"ten"_s;
    QTest::newRow("two hunks far apart")
        << ten << changed
        << QStringList{u"@@ -1,4 +1,4 @@"_s, u"-1"_s, u"+one"_s, u" 2"_s, u" 3"_s,  u" 4"_s,
                       u"@@ -7,4 +7,4 @@"_s, u" 7"_s, u" 8"_s,   u" 9"_s, u"-10"_s, u"+ten"_s};
    QTest::newRow("into an empty text")
        << QStringList() << QStringList{u"a"_s} << QStringList{u"@@ -0,0 +1 @@"_s, u"+a"_s};
}

void TestPageCheck::diffHunks()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QTEST(unifiedDiffHunks(before, after), "hunks");
}

QTEST_GUILESS_MAIN(TestPageCheck)
#include "test_pagecheck.moc"
