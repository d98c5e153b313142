#include "sitefixture.h"
#include "windowdriver.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace sitefixture;
using namespace Qt::StringLiterals;

// Grabs the window after start-up with a sample project, for people to look at.
class TestStartupScreenshot : public QObject
{
    Q_OBJECT

private slots:
    void grabsTheWindowAfterStartup();
    void grabsTheWelcomeOfAnEmptyProject();
};

void TestStartupScreenshot::grabsTheWindowAfterStartup()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QStringList pages;
    for (const QString& name : {u"a.html"_s, u"b.html"_s, u"c.html"_s}) {
        pages.append(dir.filePath(name));
        writeText(pages.last(), pageText(name, siteMenu()));
    }
    const QString projectFile = dir.filePath(u"mprj.xml"_s);
    writeText(projectFile, projectFileText({{u"サンプル"_s, pages, siteMenu()}}, u"サンプル"_s));

    WindowDriver driver(projectFile);
    const QString png = QCoreApplication::applicationDirPath() + u"/quillet-startup.png"_s;
    QVERIFY(driver.window().grab().save(png));
    driver.clickTab(2);
    QVERIFY(driver.window().grab().save(QCoreApplication::applicationDirPath() +
                                        u"/quillet-menu-tab.png"_s));
    qInfo("window grabbed to %s", qPrintable(png));
}

void TestStartupScreenshot::grabsTheWelcomeOfAnEmptyProject()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    WindowDriver driver(dir.filePath(u"mprj.xml"_s));
    QVERIFY(driver.window().grab().save(QCoreApplication::applicationDirPath() +
                                        u"/quillet-welcome.png"_s));
}

QTEST_MAIN(TestStartupScreenshot)
#include "test_startupscreenshot.moc"
