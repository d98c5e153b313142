#include "scripteddialogs.h"
#include "window/fommain.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// At a scale factor of 2 a 1600 × 1000 screen is 800 × 500 in the window's pixels.
class TestScaleFactor : public QObject
{
    Q_OBJECT

private slots:
    void windowFitsTheScreen();
};

void TestScaleFactor::windowFitsTheScreen()
{
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    quillet::FomMain window(dir.filePath(u"mprj.xml"_s), dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QScreen* screen = window.screen();
    QCOMPARE(screen->devicePixelRatio(), 2.0);
    const QSize available = screen->availableSize();
    QCOMPARE(available, QSize(800, 500));
    QVERIFY(window.frameGeometry().width() <= available.width());
    QVERIFY(window.frameGeometry().height() <= available.height());
    // The layout shrinks that far without its parts overlapping.
    QVERIFY(window.minimumSizeHint().width() <= available.width());
    QVERIFY(window.minimumSizeHint().height() <= available.height());
}

// The screen and the scale factor are set before the application starts.
int main(int argc, char* argv[])
{
    QTemporaryDir dir;
    const QString config = dir.filePath(u"screen.json"_s);
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1600,)"
                   R"( "height": 1000, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestScaleFactor test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_scalefactor.moc"
