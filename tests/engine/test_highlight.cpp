#include "common/highlightlinkline.h"
#include "engine/highlight.h"
#include "engine/unhighlight.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using quillet::fixtures::HighlightLinkLine;

Q_DECLARE_METATYPE(quillet::LinkState)

namespace {

const QString span = u"--><span style=\"font-weight:550;color:tomato\">"_s;
const QString closing = u"</span><!--</a>-->"_s;

} // namespace

class TestHighlight : public QObject
{
    Q_OBJECT

private slots:
    void highlightLinkLine_data();
    void highlightLinkLine();
    void linkAcrossLines_data();
    void linkAcrossLines();
};

void TestHighlight::highlightLinkLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("expected");

    const QString tomato = u"tomato"_s;
    QTest::newRow("worked example")
        << u"<li><a href=\"index.html\">Home</a></li>"_s << u"index.html"_s << tomato
        << u"<li><!--<a href=\"index.html\">--><span style=\"font-weight:550;color:tomato\">Home</span><!--</a>--></li>"_s;
    QTest::newRow("chosen colour")
        << u"<a href=\"a.html\">A</a>"_s << u"a.html"_s << u"#0080FF"_s
        << u"<!--<a href=\"a.html\">--><span style=\"font-weight:550;color:#0080FF\">A</span><!--</a>-->"_s;
    QTest::newRow("spans inside the link text")
        << u"<li id=\"nav-company\"><a href=\"company.html\"><span class=\"ja\">会社概要</span><span class=\"en\">COMPANY</span></a>"_s
        << u"company.html"_s << tomato
        << u"<li id=\"nav-company\"><!--<a href=\"company.html\">"_s + span +
               u"<span class=\"ja\">会社概要</span><span class=\"en\">COMPANY</span>"_s + closing;
    QTest::newRow("attribute after the target")
        << u"<a href=\"access.html\" id=\"banner-access\">アクセス</a>"_s << u"access.html"_s
        << tomato
        << u"<!--<a href=\"access.html\" id=\"banner-access\">"_s + span + u"アクセス"_s + closing;
    QTest::newRow("single-quoted target")
        << u"<li><a href='a.html'>A</a></li>"_s << u"a.html"_s << tomato
        << u"<li><!--<a href='a.html'>"_s + span + u"A"_s + closing + u"</li>"_s;
    QTest::newRow("other link on the line stays a link")
        << u"<a href=\"b.html\">B</a> | <a href=\"a.html\">A</a> | <a href=\"c.html\">C</a>"_s
        << u"a.html"_s << tomato
        << u"<a href=\"b.html\">B</a> | <!--<a href=\"a.html\">"_s + span + u"A"_s + closing +
               u" | <a href=\"c.html\">C</a>"_s;
    QTest::newRow("abbr tag left alone")
        << u"<a href=\"a.html\"><abbr>A</abbr></a>"_s << u"a.html"_s << tomato
        << u"<!--<a href=\"a.html\">"_s + span + u"<abbr>A</abbr>"_s + closing;
    QTest::newRow("a longer name is another page")
        << u"<li><a href=\"myindex.html\">自分</a></li>"_s << u"index.html"_s << tomato
        << u"<li><a href=\"myindex.html\">自分</a></li>"_s;
    QTest::newRow("name only in the text after another link")
        << u"<p><a href=\"#top\">top</a> news.html</p>"_s << u"news.html"_s << tomato
        << u"<p><a href=\"#top\">top</a> news.html</p>"_s;
    QTest::newRow("breadcrumb text")
        << u"<a href=\"index.html\">Home</a> &gt; news.html"_s << u"news.html"_s << tomato
        << u"<a href=\"index.html\">Home</a> &gt; news.html"_s;
    QTest::newRow("opening tag not ended on the line")
        << u"<li><a href=\"a.html\""_s << u"a.html"_s << tomato << u"<li><a href=\"a.html\""_s;
    QTest::newRow("no closing tag on the line")
        << u"<li><a href=\"a.html\">A"_s << u"a.html"_s << tomato << u"<li><a href=\"a.html\">A"_s;
    QTest::newRow("capital A keeps its letter")
        << u"<LI><A HREF=\"a.html\">A</A>"_s << u"a.html"_s << tomato
        << u"<LI><!--<A HREF=\"a.html\">"_s + span + u"A</span><!--</A>-->"_s;
    QTest::newRow("a comment in the link text")
        << u"<a href=\"a.html\">A<!-- new --></a>"_s << u"a.html"_s << tomato
        << u"<!--<a href=\"a.html\">"_s + span + u"A<!-- new -->"_s + closing;
    QTest::newRow("an author's commented-out link inside the link text")
        << u"<a href=\"a.html\">A<!--<a href=\"b.html\">B</a>--></a>"_s << u"a.html"_s << tomato
        << u"<a href=\"a.html\">A<!--<a href=\"b.html\">B</a>--></a>"_s;
    QTest::newRow("another link opened inside it")
        << u"<a href=\"a.html\">A <a href=\"b.html\">B</a>"_s << u"a.html"_s << tomato
        << u"<a href=\"a.html\">A <a href=\"b.html\">B</a>"_s;
    QTest::newRow("a link the author commented out is passed over")
        << u"<!--<a href=\"a.html\">old</a>--><a href=\"a.html\">A</a>"_s << u"a.html"_s << tomato
        << u"<!--<a href=\"a.html\">old</a>--><!--<a href=\"a.html\">"_s + span + u"A"_s + closing;
}

void TestHighlight::highlightLinkLine()
{
    QFETCH(QString, line);
    QFETCH(QString, name);
    QFETCH(QString, colour);
    QFETCH(QString, expected);
    const QString highlighted = HighlightLinkLine(line, name, colour);
    QCOMPARE(highlighted, expected);
    // The highlight always comes off exactly.
    QCOMPARE(UnhighlightLine(highlighted), line);
    QCOMPARE(CleanHighlight(u"<ul>\r\n"_s + highlighted + u"\r\n</ul>"_s),
             u"<ul>\r\n"_s + line + u"\r\n</ul>"_s);
}

void TestHighlight::linkAcrossLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("limit");
    QTest::addColumn<QString>("expected"); // empty: left as it is

    const QString head = u"<UL>\r\n<LI><A href=\"p113.html\">"_s;
    QTest::newRow("closing tag on the next line")
        << head + u"作文打出の小づち<BR>\r\n</A></LI>\r\n</UL>"_s << qsizetype(-1)
        << u"<UL>\r\n<LI><!--<A href=\"p113.html\">"_s + span +
               u"作文打出の小づち<BR>\r\n</span><!--</A>--></LI>\r\n</UL>"_s;
    QTest::newRow("three lines on, LF")
        << u"<ul>\n<li><a href=\"p113.html\">\n作文\n打出\n</a></li>"_s << qsizetype(-1)
        << u"<ul>\n<li><!--<a href=\"p113.html\">"_s + span + u"\n作文\n打出\n"_s + closing +
               u"</li>"_s;
    QTest::newRow("four lines on: too far")
        << head + u"\r\n1\r\n2\r\n3\r\n</A>"_s << qsizetype(-1) << QString();
    QTest::newRow("closing tag past the menu's end")
        << head + u"作文\r\n</UL>\r\n</A>"_s << head.size() + 8 << QString();
}

void TestHighlight::linkAcrossLines()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, limit);
    QFETCH(QString, expected);
    const qsizetype entry = text.indexOf(u"<a href"_s, 0, Qt::CaseInsensitive) + 1;
    const std::optional<QString> highlighted = highlightLinkAt(text, entry, u"tomato"_s, limit);
    QCOMPARE(highlighted.value_or(QString()), expected);
    if (highlighted)
        QCOMPARE(CleanHighlight(*highlighted), text);
}

QTEST_APPLESS_MAIN(TestHighlight)
#include "test_highlight.moc"
