#include "engine/anchorcase.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;

class TestAnchorCase : public QObject
{
    Q_OBJECT

private slots:
    void lowersLinkTags_data();
    void lowersLinkTags();
};

void TestAnchorCase::lowersLinkTags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("opening and closing tags, attributes kept")
        << u"<LI><A HREF=\"Index.html\">ホーム</A></LI>"_s
        << u"<LI><a HREF=\"Index.html\">ホーム</a></LI>"_s;
    QTest::newRow("other tags starting with A lowered too")
        << u"<AREA><ABBR>x</ABBR>"_s << u"<aREA><aBBR>x</aBBR>"_s;
    QTest::newRow("lower-case text unchanged")
        << u"<a href=\"A.html\">A</a>"_s << u"<a href=\"A.html\">A</a>"_s;
    QTest::newRow("every line") << u"<A>\r\n<A>\r\n</A>"_s << u"<a>\r\n<a>\r\n</a>"_s;
    QTest::newRow("a closing tag alone, after a capital A of the text") << u"A</A>"_s << u"A</a>"_s;
}

void TestAnchorCase::lowersLinkTags()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(applyAnchorCaseRule(text), expected);
    QCOMPARE(applyAnchorCaseRule(expected), expected);
}

QTEST_APPLESS_MAIN(TestAnchorCase)
#include "test_anchorcase.moc"
