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
    void onlyInTheMenu_data();
    void onlyInTheMenu();
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
    const QString path = u"/site/"_s + name;
    const SiteLayout layout({path});

    QCOMPARE(FindOwnEntry(plain, site::menuText(), path, layout).state, LinkState::Plain);
    QCOMPARE(HighlightFileLink(plain, site::menuText(), path, tomato, layout), std::optional(lit));
    QCOMPARE(FindOwnEntry(lit, site::menuText(), path, layout).state, LinkState::Highlighted);
    QCOMPARE(HighlightFileLink(lit, site::menuText(), path, tomato, layout), std::nullopt);

    // Far into a long page.
    const QString longPlain = QString(40000, u'本') + u"\r\n"_s + plain;
    QCOMPARE(HighlightFileLink(longPlain, site::menuText(), path, tomato, layout),
             std::optional(QString(40000, u'本') + u"\r\n"_s + lit));
}

void TestOwnEntry::onlyInTheMenu_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("menuText");
    QTest::addColumn<LinkState>("state");
    QTest::addColumn<QString>("expected"); // empty: nothing highlighted

    const QString plainLine = u"<li><a href=\"news.html\">N</a></li>"_s;
    const QString litLine = u"<li><!--<a href=\"news.html\">"_s + site::highlightOpener() + u"N"_s +
                            site::highlightCloser + u"</li>"_s;
    const QString menu = u"<ul>\r\n"_s + plainLine + u"\r\n</ul>"_s;
    const QString banner = u"<p><a href=\"news.html\"><img src=\"n.png\"></a></p>\r\n"_s;
    QTest::newRow("no menu text") << u"<ul>\r\n"_s + plainLine << QString() << LinkState::None
                                  << QString();
    QTest::newRow("menu not in the page: a banner stays a link")
        << banner + u"<ul>\r\n"_s + plainLine << menu << LinkState::None << QString();
    QTest::newRow("banner above the menu") << banner + menu << menu << LinkState::Plain
                                           << banner + u"<ul>\r\n"_s + litLine + u"\r\n</ul>"_s;
    QTest::newRow("already highlighted")
        << u"<ul>\r\n"_s + litLine + u"\r\n</ul>"_s << menu << LinkState::Highlighted << QString();
    QTest::newRow("page editor's capitals")
        << u"<UL>\r\n<LI><A HREF=\"news.html\">N</A></LI>\r\n</UL>"_s
        << u"<UL>\r\n<LI><a HREF=\"news.html\">N</a></LI>\r\n</UL>"_s << LinkState::Plain
        << u"<UL>\r\n<LI><!--<A HREF=\"news.html\">"_s + site::highlightOpener() +
               u"N</span><!--</A>--></LI>\r\n</UL>"_s;
}

void TestOwnEntry::onlyInTheMenu()
{
    QFETCH(QString, text);
    QFETCH(QString, menuText);
    QFETCH(LinkState, state);
    QFETCH(QString, expected);
    const QString path = u"/site/news.html"_s;
    const SiteLayout layout({path});
    QCOMPARE(FindOwnEntry(text, menuText, path, layout).state, state);
    const std::optional<QString> highlighted =
        HighlightFileLink(text, menuText, path, u"tomato"_s, layout);
    QCOMPARE(highlighted.value_or(QString()), expected);
}

QTEST_APPLESS_MAIN(TestOwnEntry)
#include "test_ownentry.moc"
