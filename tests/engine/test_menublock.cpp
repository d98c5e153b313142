#include "engine/menublock.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;

class TestMenuBlock : public QObject
{
    Q_OBJECT

private slots:
    void block_data();
    void block();
};

void TestMenuBlock::block_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("expected");

    QTest::newRow("CR LF around the menu: leading kept, trailing dropped")
        << u"<body>\r\n<!--MenuStart-->\r\n<ul>\r\n<li>案内</li>\r\n</ul>\r\n<!--MenuEnd-->\r\n"_s
        << u"\r\n<ul>\r\n<li>案内</li>\r\n</ul>"_s;
    QTest::newRow("trailing blanks of every kind dropped, leading kept")
        << u"<!--MenuStart--> \t　menu \t　\r\n\n\r<!--MenuEnd-->"_s << u" \t　menu"_s;
    QTest::newRow("only blanks") << u"<!--MenuStart--> \t　\r\n<!--MenuEnd-->"_s << QString();
    QTest::newRow("markers adjacent") << u"<!--MenuStart--><!--MenuEnd-->"_s << QString();
    QTest::newRow("no start marker") << u"menu<!--MenuEnd-->"_s << QString();
    QTest::newRow("no end marker") << u"<!--MenuStart-->menu"_s << QString();
    QTest::newRow("no markers") << u"<p>text</p>"_s << QString();
    QTest::newRow("start marker in other case")
        << u"<!--menustart-->m<!--MenuEnd-->"_s << QString();
    QTest::newRow("end marker in other case") << u"<!--MenuStart-->m<!--MENUEND-->"_s << QString();
    QTest::newRow("start marker with a space")
        << u"<!--MenuStart -->m<!--MenuEnd-->"_s << QString();
    QTest::newRow("two start markers")
        << u"<!--MenuStart-->a<!--MenuStart-->b<!--MenuEnd-->"_s << u"a<!--MenuStart-->b"_s;
    QTest::newRow("two end markers")
        << u"<!--MenuStart-->a<!--MenuEnd-->b<!--MenuEnd-->"_s << u"a"_s;
    QTest::newRow("end before start") << u"<!--MenuEnd-->x<!--MenuStart-->y"_s << QString();
    QTest::newRow("first end before start, another after")
        << u"<!--MenuEnd--><!--MenuStart-->y<!--MenuEnd-->"_s << QString();
    QTest::newRow("beyond 32767 characters")
        << QString(40000, u'x') + u"<!--MenuStart-->m<!--MenuEnd-->"_s << u"m"_s;
}

void TestMenuBlock::block()
{
    QFETCH(QString, page);
    QFETCH(QString, expected);
    QCOMPARE(GetMenuBlock(page), expected);
}

QTEST_APPLESS_MAIN(TestMenuBlock)
#include "test_menublock.moc"
