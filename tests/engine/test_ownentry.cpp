#include "common/realsite.h"
#include "engine/ownentry.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
namespace site = quillet::fixtures::realsite;

Q_DECLARE_METATYPE(quillet::LinkState)

class TestOwnEntry : public QObject
{
    Q_OBJECT

private slots:
    void ownEntryOfARealPage_data();
    void ownEntryOfARealPage();
    void fallbackWithoutTheMenu_data();
    void fallbackWithoutTheMenu();
};

void TestOwnEntry::ownEntryOfARealPage_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : site::pageNames)
        QTest::newRow(qPrintable(name)) << name;
}

// The entry in the menu is marked, never the logo, breadcrumb or "#top" line above it.
void TestOwnEntry::ownEntryOfARealPage()
{
    QFETCH(QString, name);
    const QString plain = site::pageText(name, site::menuText());
    const QString lit = site::pageText(name, site::menuText(name));
    const QString tomato = u"tomato"_s;

    QCOMPARE(FindOwnEntry(plain, site::menuText(), name).state, LinkState::Plain);
    QCOMPARE(HighlightFileLink(plain, site::menuText(), name, tomato), std::optional(lit));
    QCOMPARE(FindOwnEntry(lit, site::menuText(), name).state, LinkState::Highlighted);
    QCOMPARE(HighlightFileLink(lit, site::menuText(), name, tomato), std::nullopt);

    // Far into a long page.
    const QString longPlain = QString(40000, u'本') + u"\r\n"_s + plain;
    QCOMPARE(HighlightFileLink(longPlain, site::menuText(), name, tomato),
             std::optional(QString(40000, u'本') + u"\r\n"_s + lit));
}

void TestOwnEntry::fallbackWithoutTheMenu_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("menuText");
    QTest::addColumn<LinkState>("state");
    QTest::addColumn<QString>("expected"); // empty: nothing highlighted

    const QString name = u"news.html"_s;
    const QString plainLine = u"<li><a href=\"news.html\">N</a></li>"_s;
    const QString litLine = u"<li><!--<a href=\"news.html\">"_s + site::highlightOpener() + u"N"_s +
                            site::highlightCloser + u"</li>"_s;
    const QString otherMenu = u"<ul>\r\n<li><a href=\"x.html\">X</a></li>\r\n</ul>"_s;
    QTest::newRow("no menu text: first mention on a link line")
        << u"<ul>\r\n"_s + plainLine << QString() << LinkState::Plain << u"<ul>\r\n"_s + litLine;
    QTest::newRow("menu not in the page")
        << u"<ul>\r\n"_s + plainLine << otherMenu << LinkState::Plain << u"<ul>\r\n"_s + litLine;
    QTest::newRow("already highlighted")
        << u"<ul>\r\n"_s + litLine << QString() << LinkState::Highlighted << QString();
    QTest::newRow("#top line first: never touched")
        << u"<p>\r\n<p><a href=\"#top\">top</a> news.html</p>\r\n"_s + plainLine << QString()
        << LinkState::Plain << QString();
    QTest::newRow("first mention outside a link line")
        << u"<title>news.html</title>\r\n"_s + plainLine << QString() << LinkState::None
        << QString();
}

void TestOwnEntry::fallbackWithoutTheMenu()
{
    QFETCH(QString, text);
    QFETCH(QString, menuText);
    QFETCH(LinkState, state);
    QFETCH(QString, expected);
    const QString name = u"news.html"_s;
    QCOMPARE(FindOwnEntry(text, menuText, name).state, state);
    const std::optional<QString> highlighted = HighlightFileLink(text, menuText, name, u"tomato"_s);
    QCOMPARE(highlighted.value_or(QString()), expected);
}

QTEST_APPLESS_MAIN(TestOwnEntry)
#include "test_ownentry.moc"
