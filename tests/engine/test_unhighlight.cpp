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
    void cleanHighlight_data();
    void cleanHighlight();
    void prepareMenuText_data();
    void prepareMenuText();
    void escapesOnlyAngleBrackets();
};

void TestUnhighlight::unhighlightLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("expected");

    const QString opener = u"--><span style=\"font-weight:550;color:tomato\">"_s;
    const QString closer = u"</span><!--</a>-->"_s;
    QTest::newRow("worked example")
        << u"<li><!--<a href=\"index.html\">--><span style=\"font-weight:550;color:tomato\">Home</span><!--</a>--></li>"_s
        << u"<li><a href=\"index.html\">Home</a></li>"_s;
    QTest::newRow("chosen colour")
        << u"<!--<a href=\"a.html\">--><span style=\"font-weight:550;color:#0080FF\">A"_s + closer
        << u"<a href=\"a.html\">A</a>"_s;
    QTest::newRow("every link of a line highlighted by the older rule")
        << u"<!--<a href=\"a.html\">"_s + opener + u"A"_s + closer +
               u" <!--<a href=\"b.html\">B"_s + closer
        << u"<a href=\"a.html\">A</a> <a href=\"b.html\">B</a>"_s;
    QTest::newRow("older rule without a span opener")
        << u"<li><!--<a href='a.html'>A"_s + closer + u"</li>"_s
        << u"<li><a href='a.html'>A</a></li>"_s;
    QTest::newRow("other comments stay")
        << u"<!-- index.html start -->"_s << u"<!-- index.html start -->"_s;
    QTest::newRow("a link the author commented out stays")
        << u"<!--<a href=\"old.html\">old</a>--> <!--<a href=\"a.html\">"_s + opener + u"A"_s +
               closer
        << u"<!--<a href=\"old.html\">old</a>--> <a href=\"a.html\">A</a>"_s;
    QTest::newRow("other spans stay")
        << u"<!--<a href=\"a.html\">"_s + opener + u"<span class=\"ja\">会社</span>"_s + closer
        << u"<a href=\"a.html\"><span class=\"ja\">会社</span></a>"_s;
    QTest::newRow("unfinished opener stays") << u"x--><span style=\"font-weight:550;color:red"_s
                                             << u"x--><span style=\"font-weight:550;color:red"_s;
    QTest::newRow("no markup") << u"<span class=\"a\">x</span><!--y-->"_s
                               << u"<span class=\"a\">x</span><!--y-->"_s;
}

void TestUnhighlight::unhighlightLine()
{
    QFETCH(QString, line);
    QFETCH(QString, expected);
    QCOMPARE(UnhighlightLine(line), expected);
    QCOMPARE(carriesHighlight(line), line != expected);
}

void TestUnhighlight::cleanHighlight_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QString a = u"a.html"_s;
    const QString b = u"b.html"_s;
    QTest::newRow("every line, CR LF")
        << u"<ul>\r\n"_s + litLink(a) + u"\r\n<!-- x -->\r\n"_s + litLink(b) + u"\r\n"_s
        << u"<ul>\r\n"_s + plainLink(a) + u"\r\n<!-- x -->\r\n"_s + plainLink(b) + u"\r\n"_s;
    QTest::newRow("LF line ends") << u"<ul>\n"_s + litLink(a) + u"\n</ul>"_s
                                  << u"<ul>\n"_s + plainLink(a) + u"\n</ul>"_s;
    QTest::newRow("nothing highlighted")
        << u"<!-- x -->\r\n<p>\r\n"_s << u"<!-- x -->\r\n<p>\r\n"_s;
    QTest::newRow("empty") << QString() << QString();
}

void TestUnhighlight::cleanHighlight()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(CleanHighlight(text), expected);
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
    QTest::newRow("pasted with two highlighted lines: stored clean")
        << litLink(a) + u"\r\n"_s + litLink(b) << plainLink(a) + u"\r\n"_s + plainLink(b);
    QTest::newRow("the author's comments stay")
        << u"<!-- nav -->\r\n"_s + litLink(a) << u"<!-- nav -->\r\n"_s + plainLink(a);
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
