#include "project/projecttext.h"
#include "project/storefixtures.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::fixtures;

namespace {

const QStringList projectA = projectLines(u"A"_s, QStringList{u"/s/a.html"_s}, u"menu A"_s);
const QStringList projectB = projectLines(u"B"_s, QStringList{u"/s/b.html"_s}, u"menu B"_s);
const QStringList projectC = projectLines(u"C"_s, QStringList{u"/s/c.html"_s}, u"menu C"_s);

} // namespace

class TestProjectText : public QObject
{
    Q_OBJECT

private slots:
    void listsNames_data();
    void listsNames();
    void keyMatchesTheWholeName();
    void readsElements_data();
    void readsElements();
    void readsLastProject_data();
    void readsLastProject();
    void decodesStoredTexts();
    void replacesElements_data();
    void replacesElements();
    void lastProjectNeedsAPlace();
    void writersKeepToTheRoot_data();
    void writersKeepToTheRoot();
    void removesProjects_data();
    void removesProjects();
};

void TestProjectText::listsNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("file order, duplicates and an empty name")
        << crlfLines(projectB + projectA + projectLines(QString(), QStringList(), QString()) +
                     projectB)
        << QStringList{u"B"_s, u"A"_s, QString(), u"B"_s};
    QTest::newRow("a name with a double quote is cut there")
        << projectKeyLine(u"say \"hi\""_s) << QStringList{u"say "_s};
    QTest::newRow("a key without two quotes ends the list")
        << crlfLines(projectA + QStringList{u"<projectname name=X>"_s}) << QStringList{u"A"_s};
    QTest::newRow("closing tags are no keys") << u"</projectname>"_s << QStringList{};
}

void TestProjectText::listsNames()
{
    QFETCH(QString, text);
    QFETCH(QStringList, names);
    QCOMPARE(projectNamesIn(text), names);
}

void TestProjectText::keyMatchesTheWholeName()
{
    const QString text =
        crlfLines(projectLines(u"AB"_s, QStringList{u"ab"_s}, QString()) + projectA);
    QCOMPARE(projectElementIn(text, projectKeyIn(text, u"A"_s), u"files"_s),
             u"\r\n/s/a.html\r\n"_s);
    QCOMPARE(projectKeyIn(text, u"AB"_s), 1);
    QCOMPARE(projectKeyIn(text, u"B"_s), 0);
}

void TestProjectText::readsElements_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("content");

    const QString key = projectKeyLine(u"A"_s);
    QTest::newRow("in any order") << crlfLines({key, u"<orgstring>"_s, u"m"_s, u"</orgstring>"_s,
                                                u"<files>"_s, u"f"_s, u"</files>"_s,
                                                u"</projectname>"_s})
                                  << u"files"_s << true << u"\r\nf\r\n"_s;
    QTest::newRow("only in the next project")
        << crlfLines(QStringList{key, u"</projectname>"_s} + projectB) << u"files"_s << false
        << QString();
    QTest::newRow("closing tag only after the next key")
        << crlfLines(QStringList{key, u"<files>"_s, u"f"_s, u"</projectname>"_s} + projectB)
        << u"files"_s << false << QString();
    QTest::newRow("closing tag missing")
        << crlfLines({key, u"<orgstring>"_s, u"m"_s}) << u"orgstring"_s << false << QString();
    QTest::newRow("closing tag before the opening one")
        << crlfLines({key, u"</files>"_s, u"<files>"_s}) << u"files"_s << false << QString();
    QTest::newRow("a name starting with a bracket")
        << crlfLines({projectKeyLine(u"><files>"_s), u"<files>"_s, u"f"_s, u"</files>"_s,
                      u"</projectname>"_s})
        << u"files"_s << true << u"\r\nf\r\n"_s;
    QTest::newRow("a name holding the tag")
        << crlfLines({projectKeyLine(u"x<files>y"_s), u"<files>"_s, u"f"_s, u"</files>"_s,
                      u"</projectname>"_s})
        << u"files"_s << true << u"\r\nf\r\n"_s;
    QTest::newRow("capitals are another element")
        << crlfLines({key, u"<Files>"_s, u"f"_s, u"</Files>"_s}) << u"files"_s << false
        << QString();
}

void TestProjectText::readsElements()
{
    QFETCH(QString, text);
    QFETCH(QString, tag);
    QFETCH(bool, present);
    QFETCH(QString, content);
    const std::optional<QString> element = projectElementIn(text, 1, tag);
    QCOMPARE(element.has_value(), present);
    if (present)
        QCOMPARE(*element, content);
}

void TestProjectText::readsLastProject_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("last");

    QTest::newRow("written form") << projectText(u"B"_s, projectA) << u"B"_s;
    QTest::newRow("on one line") << u"<root><lastfile>B</lastfile>"_s << u"B"_s;
    QTest::newRow("none") << crlfLines(projectA) << QString();
    QTest::newRow("not closed") << u"<lastfile>\r\nB\r\n"_s << QString();
    QTest::newRow("closing tag first") << u"</lastfile><lastfile>\r\nB"_s << QString();
    QTest::newRow("only in a stored path")
        << crlfLines(projectLines(u"A"_s, QStringList{u"/<lastfile>B</lastfile>"_s}, u"m"_s))
        << QString();
}

void TestProjectText::readsLastProject()
{
    QFETCH(QString, text);
    QFETCH(QString, last);
    QCOMPARE(lastProjectIn(text), last);
}

void TestProjectText::decodesStoredTexts()
{
    QCOMPARE(menuTextFromStored(u"\r\n\r\n&lt;ul&gt;&amp;lt;\r\n\r\n"_s),
             u"\r\n<ul>&amp;lt;\r\n"_s);
    QCOMPARE(menuTextFromStored(u"&amp;lt;"_s), u"&amp;lt;"_s);
    QCOMPARE(fileListFromStored(u"\r\n/a\r\n\r\n   \r\n  /b c\r\nx\ry\n\r\n"_s),
             (QStringList{u"/a"_s, u"  /b c"_s, u"xy"_s}));
}

void TestProjectText::replacesElements_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("after");

    const QString key = projectKeyLine(u"A"_s);
    QTest::newRow("existing element, the next project untouched")
        << crlfLines(projectA + projectB) << u"files"_s << true
        << crlfLines(projectLines(u"A"_s, QStringList{u"N1"_s, u"N2"_s}, u"menu A"_s) + projectB);
    QTest::newRow("missing element added before its own end, not taken from the next")
        << crlfLines(QStringList{key, u"</projectname>"_s} + projectB) << u"files"_s << true
        << crlfLines(QStringList{key, u"<files>"_s, u"N1"_s, u"N2"_s, u"</files>"_s,
                                 u"</projectname>"_s} +
                     projectB);
    QTest::newRow("files element inside the orgstring element")
        << crlfLines({key, u"<orgstring>"_s, u"<files>"_s, u"f"_s, u"</files>"_s, u"</orgstring>"_s,
                      u"</projectname>"_s})
        << u"files"_s << false << QString();
    QTest::newRow("closing tag without opening tag")
        << crlfLines({key, u"</files>"_s, u"</projectname>"_s}) << u"files"_s << false << QString();
}

void TestProjectText::replacesElements()
{
    QFETCH(QString, before);
    QFETCH(QString, tag);
    QFETCH(bool, written);
    QFETCH(QString, after);
    QString text = before;
    QCOMPARE(ReplaceElement(text, 1, tag, u"N1\r\nN2"_s), written);
    QCOMPARE(text, written ? after : before);
}

void TestProjectText::lastProjectNeedsAPlace()
{
    QString text = u"no root here"_s;
    QVERIFY(SetLastProject(text, u"A"_s));
    QCOMPARE(text, u"no root here"_s);
}

// Tags that stand in a stored path or around a project by hand must not move the writers.
void TestProjectText::writersKeepToTheRoot_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("addsProject"); // else records the last project
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("after");

    const QStringList rootInPath = projectLines(u"A"_s, QStringList{u"/s/</root>.html"_s}, u"m"_s);
    const QStringList emptyB{projectKeyLine(u"B"_s), u"<files>"_s,      u"</files>"_s,
                             u"<orgstring>"_s,       u"</orgstring>"_s, u"</projectname>"_s};
    QTest::newRow("new project after a path holding </root>")
        << projectText(u"A"_s, rootInPath) << true << true
        << projectText(u"A"_s, rootInPath + emptyB);
    const QStringList openInPath = projectLines(u"A"_s, QStringList{u"/s/<root>.html"_s}, u"m"_s);
    QTest::newRow("last project after the first <root> only")
        << projectText(QString(), openInPath) << false << true << projectText(u"B"_s, openInPath);
    const QStringList lastInPath =
        projectLines(u"A"_s, QStringList{u"/s/<lastfile>x</lastfile>.html"_s}, u"m"_s);
    QTest::newRow("last project not into a path holding a lastfile element")
        << projectText(QString(), lastInPath) << false << true << projectText(u"B"_s, lastInPath);
    const QString aroundA = crlfLines(QStringList{u"<root>"_s, u"<lastfile>"_s, u"A"_s} + projectA +
                                      QStringList{u"</lastfile>"_s, u"</root>"_s});
    QTest::newRow("lastfile element around a project") << aroundA << false << false << aroundA;
}

void TestProjectText::writersKeepToTheRoot()
{
    QFETCH(QString, before);
    QFETCH(bool, addsProject);
    QFETCH(bool, written);
    QFETCH(QString, after);
    QString text = before;
    QCOMPARE(addsProject ? addProject(text, u"B"_s) : SetLastProject(text, u"B"_s), written);
    QCOMPARE(text, after);
}

void TestProjectText::removesProjects_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QString>("after");

    const QStringList blankLineMenu =
        projectLines(u"M"_s, QStringList{u"/m"_s}, u"one\r\n\r\ntwo"_s);
    QTest::newRow("middle of three") << projectText(u"B"_s, projectA + projectB + projectC)
                                     << u"B"_s << true << projectText(u"B"_s, projectA + projectC);
    QTest::newRow("the only one") << projectText(u"A"_s, projectA) << u"A"_s << true
                                  << projectText(u"A"_s, QStringList());
    QTest::newRow("blank lines of other menus stay")
        << projectText(u"A"_s, blankLineMenu + projectA) << u"A"_s << true
        << projectText(u"A"_s, blankLineMenu);
    QTest::newRow("no end of its own, the next project would go too")
        << crlfLines(QStringList{projectKeyLine(u"A"_s), u"<files>"_s} + projectB) << u"A"_s
        << false << QString();
}

void TestProjectText::removesProjects()
{
    QFETCH(QString, before);
    QFETCH(QString, name);
    QFETCH(bool, removed);
    QFETCH(QString, after);
    QString text = before;
    QCOMPARE(removeProject(text, projectKeyIn(text, name)), removed);
    QCOMPARE(text, removed ? after : before);
}

QTEST_GUILESS_MAIN(TestProjectText)
#include "test_projecttext.moc"
