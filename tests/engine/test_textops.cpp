#include "engine/textops.h"

#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;
using namespace quillet;

namespace {

// Long enough that every position in it is beyond 16 bits.
const QString longText = QString(40000, u'x') + u"\r\n<a href=\"key\">"_s;

// The text with the line around p replaced by edit(line): what lineAround's span is for.
QString editLineAround(const QString& text, qsizetype p,
                       const std::function<QString(const QString&)>& edit)
{
    const LineSpan span = quillet::lineAround(text, p);
    QString result = text;
    result.replace(span.start, span.length, edit(text.mid(span.start, span.length)));
    return result;
}

} // namespace

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
    QTest::newRow("starting at from") << u"abcabc"_s << u"bc"_s << qsizetype(5) << qsizetype(5);
    QTest::newRow("not found") << u"abc"_s << u"x"_s << qsizetype(1) << qsizetype(0);
    QTest::newRow("case-sensitive") << u"<A href"_s << u"<a"_s << qsizetype(1) << qsizetype(0);
    QTest::newRow("empty s found at from") << u"abc"_s << QString() << qsizetype(1) << qsizetype(1);
    QTest::newRow("from beyond the end") << u"abc"_s << u"a"_s << qsizetype(10) << qsizetype(0);
    QTest::newRow("beyond 16 bits") << longText << u"key"_s << qsizetype(1) << qsizetype(40012);
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
    QTest::newRow("must end by p") << u"x<ab"_s << u"<a"_s << qsizetype(2) << qsizetype(0);
    QTest::newRow("ending at p") << u"x<ab"_s << u"<a"_s << qsizetype(3) << qsizetype(2);
    QTest::newRow("p beyond the end") << u"x<ab"_s << u"<a"_s << qsizetype(99) << qsizetype(2);
    QTest::newRow("beyond 16 bits") << longText << u"<a"_s << qsizetype(40012) << qsizetype(40003);
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
    QTest::newRow("case-sensitive") << u"aA"_s << u"a"_s << u"b"_s << u"bA"_s;
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
    QTest::newRow("first line") << crlf << qsizetype(2) << qsizetype(0) << u"one"_s;
    QTest::newRow("middle line") << crlf << qsizetype(7) << qsizetype(5) << u"two"_s;
    QTest::newRow("p on the CR") << crlf << qsizetype(4) << qsizetype(0) << u"one"_s;
    QTest::newRow("p on the LF opens the next line")
        << crlf << qsizetype(5) << qsizetype(5) << u"two"_s;
    QTest::newRow("last line without a break")
        << crlf << qsizetype(12) << qsizetype(10) << u"three"_s;
    QTest::newRow("LF line ends") << u"one\ntwo\nthree"_s << qsizetype(6) << qsizetype(4)
                                  << u"two"_s;
    QTest::newRow("empty line") << u"a\r\n\r\nb"_s << qsizetype(4) << qsizetype(3) << QString();
    QTest::newRow("beyond 16 bits")
        << longText << qsizetype(40012) << qsizetype(40002) << u"<a href=\"key\">"_s;
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
    const auto mark = [](const QString& old) -> QString {
        return u"["_s + old + u"]"_s;
    };
    QCOMPARE(editLineAround(text, p, mark),
             QString(text).insert(start + line.size(), u']').insert(start, u'['));
}

QTEST_APPLESS_MAIN(TestTextOps)
#include "test_textops.moc"
