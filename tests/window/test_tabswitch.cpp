#include "sitefixture.h"
#include "windowdriver.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace sitefixture;
using namespace Qt::StringLiterals;

// What each tab shows, and what the menu tab fills in.
class TestTabSwitch : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void visibilityAfterTabClicks_data();
    void visibilityAfterTabClicks();
    void menuTabTakesTheMenuOfAnOnlyFile_data();
    void menuTabTakesTheMenuOfAnOnlyFile();
    void welcomePictureFollowsTheList();
    void anyWindowSizeKeepsThePagesUnderTheBand();
    void fitsA1600By1000ScreenAtScaleTwoAndSavesWithCtrlS();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString projectFile() const { return path(u"mprj.xml"_s); }
    void writeProject(const QStringList& pageNames, const QString& menuText = QString());

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestTabSwitch::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestTabSwitch::writeProject(const QStringList& pageNames, const QString& menuText)
{
    QStringList pages;
    for (const QString& name : pageNames) {
        pages.append(path(name));
        writeText(pages.last(), pageText(name, siteMenu()));
    }
    writeText(projectFile(), projectFileText({{u"site"_s, pages, menuText}}, u"site"_s));
}

void TestTabSwitch::visibilityAfterTabClicks_data()
{
    QTest::addColumn<bool>("withFiles");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("frameShown");
    QTest::addColumn<bool>("projectPanel");
    QTest::addColumn<bool>("previewToolbar");
    QTest::addColumn<bool>("setMenuTextEnabled");

    QTest::newRow("files after log")
        << true << QList<int>{5, 1} << u"Frm0"_s << true << false << false;
    QTest::newRow("menu") << true << QList<int>{2} << u"Frm1"_s << true << false << true;
    QTest::newRow("html, a file is chosen")
        << true << QList<int>{5, 3} << u"Frm3"_s << false << true << true;
    QTest::newRow("html, nothing to choose after log")
        << false << QList<int>{5, 3} << u"Frm3"_s << false << false << false;
    QTest::newRow("html, nothing to choose after files")
        << false << QList<int>{3} << u"Frm3"_s << true << false << true;
    QTest::newRow("web after html")
        << true << QList<int>{3, 4} << u"Frm6"_s << false << true << false;
    QTest::newRow("html after web")
        << true << QList<int>{3, 4, 3} << u"Frm3"_s << false << true << true;
    QTest::newRow("web, nothing to choose")
        << false << QList<int>{4} << u"Frm6"_s << true << false << true;
    QTest::newRow("log") << true << QList<int>{5} << u"Frm5"_s << false << false << false;
}

void TestTabSwitch::visibilityAfterTabClicks()
{
    QFETCH(bool, withFiles);
    QFETCH(QList<int>, clicks);
    QFETCH(QString, frameShown);
    QFETCH(bool, projectPanel);
    QFETCH(bool, previewToolbar);
    QFETCH(bool, setMenuTextEnabled);
    if (withFiles)
        writeProject({u"a.html"_s, u"b.html"_s});
    WindowDriver driver(projectFile());

    for (int tab : std::as_const(clicks))
        driver.clickTab(tab);

    QCOMPARE(driver.tabs()->currentIndex(), clicks.last() - 1);
    for (const char* frame : {"Frm0", "Frm1", "Frm3", "Frm5", "Frm6"})
        QCOMPARE(driver.control(frame)->isVisible(), frameShown == QLatin1String(frame));
    QCOMPARE(driver.control("FrmProject")->isVisible(), projectPanel);
    QCOMPARE(driver.control("FrmHtml")->isVisible(), previewToolbar);
    QCOMPARE(driver.control<QPushButton>("CmdComInsert")->isEnabled(), setMenuTextEnabled);
}

void TestTabSwitch::menuTabTakesTheMenuOfAnOnlyFile_data()
{
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<QString>("menuText");
    // The block keeps the line break after the start marker.
    QTest::newRow("one file") << QStringList{u"a.html"_s}
                              << u"\n"_s + QString(siteMenu()).replace(u"\r\n"_s, u"\n"_s);
    QTest::newRow("two files") << QStringList{u"a.html"_s, u"b.html"_s} << QString();
}

void TestTabSwitch::menuTabTakesTheMenuOfAnOnlyFile()
{
    QFETCH(QStringList, pages);
    QFETCH(QString, menuText);
    writeProject(pages);
    WindowDriver driver(projectFile());
    QVERIFY(driver.menuText()->toPlainText().isEmpty());

    driver.clickTab(2);

    QCOMPARE(driver.menuText()->toPlainText(), menuText);
}

void TestTabSwitch::welcomePictureFollowsTheList()
{
    writeProject({u"a.html"_s});
    WindowDriver driver(projectFile());
    QWidget* picture = driver.control("Picture1");
    QVERIFY(picture->isHidden());

    // A picture left over entries would hide them: it shows exactly while the list is empty.
    driver.click("CmdClear");
    QVERIFY(picture->isVisible());
    driver.clickTab(2);
    driver.clickTab(1);
    QVERIFY(picture->isVisible());
}

void TestTabSwitch::anyWindowSizeKeepsThePagesUnderTheBand()
{
    writeProject({u"a.html"_s});
    WindowDriver driver(projectFile());
    QWidget* panel = driver.control("FrmProject");
    QWidget* page = driver.control("Frm0");

    for (const QSize size : {QSize(10, 53), QSize(1, 1), QSize(400, 300), QSize(3000, 2000)}) {
        driver.window().resize(size);
        QCoreApplication::processEvents();
        const QPoint panelBottom = panel->mapTo(&driver.window(), panel->rect().bottomLeft());
        const QPoint pageTop = page->mapTo(&driver.window(), QPoint(0, 0));
        QVERIFY2(pageTop.y() > panelBottom.y(), qPrintable(QString::number(size.width())));
        QVERIFY(page->width() > 0 && page->height() > 0);
    }
}

// 1600 by 1000 device pixels at a scale factor of 2, less a panel's height.
void TestTabSwitch::fitsA1600By1000ScreenAtScaleTwoAndSavesWithCtrlS()
{
    // A page deep in the site widens the preview's chooser.
    writeProject({QString(120, u'p') + u".html"_s});
    WindowDriver driver(projectFile());
    driver.clickTab(3);
    const QSize minimum = driver.window().minimumSizeHint();
    QVERIFY2(minimum.width() <= 800 && minimum.height() <= 450,
             qPrintable(u"%1 x %2"_s.arg(minimum.width()).arg(minimum.height())));
    const QSize available = driver.window().screen()->availableSize();
    QCOMPARE(driver.window().minimumSize().boundedTo(available), driver.window().minimumSize());
    QCOMPARE(driver.control<QAction>("mpsave")->shortcut(), QKeySequence(QKeySequence::Save));
}

QTEST_MAIN(TestTabSwitch)
#include "test_tabswitch.moc"
