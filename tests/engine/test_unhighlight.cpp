#include "engine/unhighlight.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

QString plainLink(const QString& name)
{
    return u"<li><a href=\""_s + name + u"\">リンク</a></li>"_s;
}

QString litLink(const QString& name)
{
    return u"<li><!--<a href=\""_s + name +
           u"\">--><span style=\"font-weight:550;color:tomato\">リンク</span><!--</a>--></li>"_s;
}

} // namespace

class TestUnhighlight : public QObject
{
    Q_OBJECT

private slots:
    void unhighlightLine_data();
    void unhighlightLine();
    void removeSelfHighlight_data();
    void removeSelfHighlight();
    void removeBlockHighlight();
    void prepareMenuText_data();
    void prepareMenuText();
    void escapesOnlyAngleBrackets();
};

void TestUnhighlight::unhighlightLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");

    QTest::newRow("worked example")
        << u"<li><!--<a href=\"index.html\">--><span style=\"font-weight:550;color:tomato\">Home</span><!--</a>--></li>"_s
        << u"<li><a href=\"index.html\">Home</a></li>"_s;
    QTest::newRow("other comments lose their markers")
        << u"<!-- index.html start -->"_s << u" index.html start "_s;
    QTest::newRow("<span without a closing bracket")
        << u"<!--<a href=\"a.html\">--><span style=\"color:red"_s
        << u"<a href=\"a.html\"><span style=\"color:red"_s;
    QTest::newRow("only copies of the first span tag go")
        << u"<span class=\"a\">x</span><span class=\"b\">y</span><span class=\"a\">z</span>"_s
        << u"x<span class=\"b\">yz"_s;
    QTest::newRow("no span") << u"<!--x-->"_s << u"x"_s;
    QTest::newRow("capital SPAN stays") << u"<SPAN x>y</SPAN>"_s << u"<SPAN x>y</SPAN>"_s;
}

void TestUnhighlight::unhighlightLine()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(UnhighlightLine(line), expected);
}

void TestUnhighlight::removeSelfHighlight_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QString a = u"a.html"_s;
    const QString b = u"b.html"_s;
    QTest::newRow("line of the page's name cleaned, nothing else")
        << u"/site/a.html"_s << u"<ul>\r\n"_s + litLink(a) + u"\r\n<!-- x -->"_s + litLink(b)
        << u"<ul>\r\n"_s + plainLink(a) + u"\r\n<!-- x -->"_s + litLink(b);
    QTest::newRow("first mention on a line with other comments")
        << u"/site/index.html"_s << u"<!-- index.html start -->\r\n"_s + litLink(u"index.html"_s)
        << u" index.html start \r\n"_s + litLink(u"index.html"_s);
    QTest::newRow("empty path: first highlighted line")
        << QString() << u"<!-- x -->\r\n"_s + litLink(b) + u"\r\n"_s + litLink(a)
        << u"<!-- x -->\r\n"_s + plainLink(b) + u"\r\n"_s + litLink(a);
    QTest::newRow("empty path, nothing highlighted")
        << QString() << u"<!-- x -->\r\n<p>"_s << u"<!-- x -->\r\n<p>"_s;
    QTest::newRow("name not mentioned") << u"/site/z.html"_s << litLink(a) << litLink(a);
    QTest::newRow("path without a folder")
        << u"a.html"_s << u"<!-- x -->\r\n"_s + litLink(a) << u"<!-- x -->\r\n"_s + litLink(a);
    QTest::newRow("LF line ends") << u"/site/a.html"_s << u"<ul>\n"_s + litLink(a) + u"\n</ul>"_s
                                  << u"<ul>\n"_s + plainLink(a) + u"\n</ul>"_s;
}

void TestUnhighlight::removeSelfHighlight()
{
    QFETCH(QString, path);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(RemoveSelfHighlight(path, text), expected);
}

void TestUnhighlight::removeBlockHighlight()
{
    const QString block =
        u"\r\n<ul>\r\n"_s + litLink(u"b.html"_s) + u"\r\n"_s + litLink(u"a.html"_s);
    QCOMPARE(RemoveBlockHighlight(u"/site/a.html"_s, block),
             u"\r\n<ul>\r\n"_s + litLink(u"b.html"_s) + u"\r\n"_s + plainLink(u"a.html"_s));
    QCOMPARE(RemoveBlockHighlight(QString(), block), block); // no fallback key
}

void TestUnhighlight::prepareMenuText_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("cleaned");

    const QString a = u"a.html"_s;
    const QString b = u"b.html"_s;
    QTest::newRow("CR LF pairs around one line") << u"\r\n\r\n<li>x</li>\r\n"_s << u"<li>x</li>"_s;
    QTest::newRow("only CR LF pairs") << u"\r\n\r\n"_s << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("a space stops the trimming") << u"\r\n \r\nx\r\n\t"_s << u" \r\nx\r\n\t"_s;
    QTest::newRow("a lone LF stops the trimming") << u"\n\r\nx\r\n\n"_s << u"\n\r\nx\r\n\n"_s;
    QTest::newRow("highlighted line cleaned") << u"\r\n<ul>\r\n"_s + litLink(a) + u"\r\n</ul>\r\n"_s
                                              << u"<ul>\r\n"_s + plainLink(a) + u"\r\n</ul>"_s;
    QTest::newRow("cleaning brings a line break to the front")
        << u"\r<!--\n<!--<a href=\"x.html\">x</a>"_s << u"<a href=\"x.html\">x</a>"_s;
    QTest::newRow("two highlighted lines: only the upper cleaned")
        << litLink(a) + u"\r\n"_s + litLink(b) << plainLink(a) + u"\r\n"_s + litLink(b);
}

void TestUnhighlight::prepareMenuText()
{
    QFETCH(QString, menu);
    QFETCH(QString, cleaned);
    const PreparedMenuText prepared = PrepareMenuText(menu);
    QCOMPARE(prepared.cleaned, cleaned);
    QVERIFY(!prepared.escaped.contains(u'<') && !prepared.escaped.contains(u'>'));
    QCOMPARE(unescapeMenuText(prepared.escaped), cleaned);
}

void TestUnhighlight::escapesOnlyAngleBrackets()
{
    QCOMPARE(PrepareMenuText(u"a < b & c"_s).escaped, u"a &lt; b & c"_s);
    QCOMPARE(PrepareMenuText(u"<a href=\"x.html\">x</a>"_s).escaped,
             u"&lt;a href=\"x.html\"&gt;x&lt;/a&gt;"_s);
    QCOMPARE(unescapeMenuText(u"&lt;li&gt;&amp;"_s), u"<li>&amp;"_s);
}

QTEST_APPLESS_MAIN(TestUnhighlight)
#include "test_unhighlight.moc"
