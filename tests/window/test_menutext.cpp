#include "engine/linebreaks.h"
#include "sitefixture.h"
#include "window/crlftextedit.h"
#include "windowdriver.h"

#include <QTemporaryDir>
#include <QTest>

using namespace sitefixture;
using namespace Qt::StringLiterals;

// The menu text box: CR LF at its boundary, anchor tags kept in lower case.
class TestMenuText : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void crlfRoundTrip_data();
    void crlfRoundTrip();
    void shiftReturnIsALineBreakToo();
    void typedAnchorsAreLoweredAtOnce();
    void undoNeverBringsBackAnUpperCaseAnchor();
    void loadedMenuTextIsLowered();

private:
    QString projectFile() const { return m_dir->filePath(u"mprj.xml"_s); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestMenuText::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestMenuText::crlfRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");

    QTest::newRow("one line") << u"<ul>"_s << 1;
    QTest::newRow("three lines") << u"<ul>\r\n<li>x</li>\r\n</ul>"_s << 3;
    QTest::newRow("empty lines kept") << u"\r\n\r\n<ul>\r\n\r\n</ul>\r\n"_s << 6;
    QTest::newRow("no-break space kept") << u"<li>a\u00a0b</li>\r\n</ul>"_s << 2;
    QTest::newRow("Japanese") << u"<li>案内</li>\r\n<li>地図</li>"_s << 2;
}

void TestMenuText::crlfRoundTrip()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    quillet::CrLfTextEdit box;

    box.setText(text);

    QCOMPARE(box.blockCount(), lines);
    QVERIFY(!box.toPlainText().contains(u'\r'));
    QCOMPARE(box.text(), text);
    box.selectAll();
    QCOMPARE(box.selectedText(), text);
    QCOMPARE(quillet::toCrLf(quillet::fromCrLf(text)), text);
}

void TestMenuText::shiftReturnIsALineBreakToo()
{
    quillet::CrLfTextEdit box;
    QTest::keyClicks(&box, u"<ul>"_s);
    QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(&box, u"</ul>"_s);

    QCOMPARE(box.text(), u"<ul>\r\n</ul>"_s);
}

void TestMenuText::typedAnchorsAreLoweredAtOnce()
{
    WindowDriver driver(projectFile());
    driver.clickTab(2);

    driver.typeMenuText({u"<A HREF=\"X.html\">LINK</A>"_s, u"<AREA SHAPE=\"rect\">"_s});

    QCOMPARE(driver.menuText()->toPlainText(),
             u"<a HREF=\"X.html\">LINK</a>\n<aREA SHAPE=\"rect\">"_s);
    QCOMPARE(driver.menuText()->textCursor().position(),
             int(driver.menuText()->toPlainText().size()));
}

void TestMenuText::undoNeverBringsBackAnUpperCaseAnchor()
{
    WindowDriver driver(projectFile());
    driver.clickTab(2);
    driver.typeMenuText({u"x <A"_s});

    QTest::keyClick(driver.menuText(), Qt::Key_Z, Qt::ControlModifier);

    QVERIFY(!driver.menuText()->toPlainText().contains(u"<A"_s));
}

void TestMenuText::loadedMenuTextIsLowered()
{
    const QString page = m_dir->filePath(u"a.html"_s);
    writeText(page, pageText(u"a"_s, siteMenu()));
    writeText(projectFile(),
              projectFileText({{u"site"_s, {page}, u"<A href=\"a.html\">A</A>\r\n<B>b</B>"_s}},
                              u"site"_s));

    WindowDriver driver(projectFile());

    QCOMPARE(driver.menuText()->toPlainText(), u"<a href=\"a.html\">A</a>\n<B>b</B>"_s);
}

QTEST_MAIN(TestMenuText)
#include "test_menutext.moc"
