#include "engine/textops.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;

class TestTextOps : public QObject
{
    Q_OBJECT

private slots:
    void find_data();
    void find();
    void findBack_data();
    void findBack();
    void replaceAll_data();
    void replaceAll();
    void lineAround_data();
    void lineAround();
    void editLineAroundTouchesOnlyThatLine();
    void positionsBeyond16Bits();
};

void TestTextOps::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("s");
    QTest::addColumn<qsizetype>("from");
    QTest::addColumn<qsizetype>("expected");

    QTest::newRow("first occurrence") << u"abcabc"_s << u"bc"_s << qsizetype(1) << qsizetype(2);
    QTest::newRow("from skips earlier ones")
        << u"abcabc"_s << u"bc"_s << qsizetype(3) << qsizetype(5);
    QTest::newRow("occurrence starting at from")
        << u"abcabc"_s << u"bc"_s << qsizetype(5) << qsizetype(5);
    QTest::newRow("not found") << u"abc"_s << u"x"_s << qsizetype(1) << qsizetype(0);
    QTest::newRow("case-sensitive") << u"<A href"_s << u"<a"_s << qsizetype(1) << qsizetype(0);
    QTest::newRow("empty s at 1") << u"abc"_s << QString() << qsizetype(1) << qsizetype(1);
    QTest::newRow("empty s at from") << u"abc"_s << QString() << qsizetype(3) << qsizetype(3);
    QTest::newRow("from beyond the end") << u"abc"_s << u"a"_s << qsizetype(10) << qsizetype(0);
    QTest::newRow("in empty text") << QString() << u"a"_s << qsizetype(1) << qsizetype(0);
    QTest::newRow("Japanese") << u"日本語の本"_s << u"本"_s << qsizetype(3) << qsizetype(5);
}

void TestTextOps::find()
{
    QFETCH(QString, text);
    QFETCH(QString, s);
    QFETCH(qsizetype, from);
    QFETCH(qsizetype, expected);
    QCOMPARE(quillet::find(text, s, from), expected);
}

void TestTextOps::findBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("s");
    QTest::addColumn<qsizetype>("p");
    QTest::addColumn<qsizetype>("expected");

    QTest::newRow("LF at p") << u"a\nb\nc"_s << u"\n"_s << qsizetype(4) << qsizetype(4);
    QTest::newRow("LF before p") << u"a\nb\nc"_s << u"\n"_s << qsizetype(3) << qsizetype(2);
    QTest::newRow("none at or before p") << u"abc\n"_s << u"\n"_s << qsizetype(3) << qsizetype(0);
    QTest::newRow("two characters must end by p")
        << u"x<ab"_s << u"<a"_s << qsizetype(2) << qsizetype(0);
    QTest::newRow("two characters ending at p")
        << u"x<ab"_s << u"<a"_s << qsizetype(3) << qsizetype(2);
    QTest::newRow("last of several") << u"<a<a<a"_s << u"<a"_s << qsizetype(5) << qsizetype(3);
    QTest::newRow("p beyond the end") << u"x<ab"_s << u"<a"_s << qsizetype(99) << qsizetype(2);
    QTest::newRow("case-sensitive") << u"<A"_s << u"<a"_s << qsizetype(2) << qsizetype(0);
}

void TestTextOps::findBack()
{
    QFETCH(QString, text);
    QFETCH(QString, s);
    QFETCH(qsizetype, p);
    QFETCH(qsizetype, expected);
    QCOMPARE(quillet::findBack(text, s, p), expected);
}

void TestTextOps::replaceAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("r");
    QTest::addColumn<QString>("expected");

    QTest::newRow("every occurrence") << u"a-b-c"_s << u"-"_s << u"+"_s << u"a+b+c"_s;
    QTest::newRow("left to right without overlap") << u"aaa"_s << u"aa"_s << u"b"_s << u"ba"_s;
    QTest::newRow("empty s changes nothing") << u"abc"_s << QString() << u"x"_s << u"abc"_s;
    QTest::newRow("replacement holding s") << u"ab"_s << u"a"_s << u"aa"_s << u"aab"_s;
    QTest::newRow("case-sensitive") << u"aA"_s << u"a"_s << u"b"_s << u"bA"_s;
    QTest::newRow("to nothing") << u"<!--x-->"_s << u"<!--"_s << QString() << u"x-->"_s;
}

void TestTextOps::replaceAll()
{
    QFETCH(QString, text);
    QFETCH(QString, s);
    QFETCH(QString, r);
    QFETCH(QString, expected);
    QCOMPARE(quillet::replaceAll(text, s, r), expected);
}

void TestTextOps::lineAround_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qsizetype>("p");
    QTest::addColumn<qsizetype>("start");
    QTest::addColumn<QString>("line");

    const QString crlf = u"one\r\ntwo\r\nthree"_s;
    QTest::newRow("first line starts at the text")
        << crlf << qsizetype(2) << qsizetype(0) << u"one"_s;
    QTest::newRow("middle line") << crlf << qsizetype(7) << qsizetype(5) << u"two"_s;
    QTest::newRow("p on the CR") << crlf << qsizetype(4) << qsizetype(0) << u"one"_s;
    QTest::newRow("p on the LF opens the next line")
        << crlf << qsizetype(5) << qsizetype(5) << u"two"_s;
    QTest::newRow("last line without a break")
        << crlf << qsizetype(12) << qsizetype(10) << u"three"_s;
    QTest::newRow("LF line ends") << u"one\ntwo\nthree"_s << qsizetype(6) << qsizetype(4)
                                  << u"two"_s;
    QTest::newRow("empty line") << u"a\r\n\r\nb"_s << qsizetype(4) << qsizetype(3) << QString();
}

void TestTextOps::lineAround()
{
    QFETCH(QString, text);
    QFETCH(qsizetype, p);
    QFETCH(qsizetype, start);
    QFETCH(QString, line);
    const LineSpan span = quillet::lineAround(text, p);
    QCOMPARE(span.start, start);
    QCOMPARE(text.mid(span.start, span.length), line);
}

void TestTextOps::editLineAroundTouchesOnlyThatLine()
{
    const QString text = u"one\r\ntwo\r\nthree"_s;
    const auto upper = [](const QString& line) -> QString {
        return line.toUpper() + u"!"_s;
    };
    QCOMPARE(editLineAround(text, 7, upper), u"one\r\nTWO!\r\nthree"_s);
    QCOMPARE(editLineAround(text, 1, upper), u"ONE!\r\ntwo\r\nthree"_s);
}

void TestTextOps::positionsBeyond16Bits()
{
    const QString text = QString(40000, u'x') + u"\r\n<a href=\"key\">"_s;
    const qsizetype key = quillet::find(text, u"key"_s, 1);
    QCOMPARE(key, qsizetype(40012));
    QCOMPARE(quillet::findBack(text, u"\n"_s, key), qsizetype(40002));
    QCOMPARE(quillet::findBack(text, u"<a"_s, key), qsizetype(40003));
    const LineSpan span = quillet::lineAround(text, key);
    QCOMPARE(span.start, qsizetype(40002));
    QCOMPARE(span.length, qsizetype(14));
}

QTEST_APPLESS_MAIN(TestTextOps)
#include "test_textops.moc"
