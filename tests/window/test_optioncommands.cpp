#include "sitefixture.h"
#include "windowdriver.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace sitefixture;
using namespace Qt::StringLiterals;

// The Option menu: temporary comments into project tags, and the link colour.
class TestOptionCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void commentsTwice();
    void commentsNeedAProjectName();
    void theChosenColourHighlights_data();
    void theChosenColourHighlights();
    void aCancelledColourKeepsTheColour();

private:
    QString path(const QString& name) const
    {
        return QDir::toNativeSeparators(m_dir->filePath(name));
    }
    QString projectFile() const { return path(u"mprj.xml"_s); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestOptionCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestOptionCommands::commentsTwice()
{
    const QString a = path(u"a.html"_s);
    const QString b = path(u"b.html"_s);
    writeText(a, pageText(u"a"_s, QString()) + u"<!--??\?-->x<!--??\?-->"_s);
    writeText(b, pageText(u"b"_s, QString()));
    writeText(projectFile(), projectFileText({{u"ProjectA"_s, {a, b}, siteMenu()}}, u"ProjectA"_s));
    WindowDriver driver(projectFile());
    const QStringList before = driver.logLines();

    driver.choose("mpcomment");
    driver.choose("mpcomment");

    const QString converted = u"のファイルの仮コメントをコメントに変換しました。"_s;
    const QString none = u"のファイルには仮コメントは有りませんでした。"_s;
    QCOMPARE(driver.logLines(), before + QStringList({u"a.html"_s + converted, u"b.html"_s + none,
                                                      u"a.html"_s + none, u"b.html"_s + none}));
    QVERIFY(readText(a).endsWith(u"<!--ProjectA-->x<!--ProjectA-->"_s));
    QCOMPARE(driver.tabs()->currentIndex(), 4);
}

void TestOptionCommands::commentsNeedAProjectName()
{
    WindowDriver driver(projectFile());
    driver.choose("mpcomment");
    QCOMPARE(driver.dialogs.messages.size(), 1);
    QCOMPARE(driver.dialogs.messages[0].title, u"プロジェクト名エラー"_s);
    QCOMPARE(driver.tabs()->currentIndex(), 0);
}

void TestOptionCommands::theChosenColourHighlights_data()
{
    QTest::addColumn<QColor>("chosen");
    QTest::addColumn<QString>("style");
    QTest::newRow("black") << QColor(0, 0, 0) << u"#000000"_s;
    QTest::newRow("pure red") << QColor(255, 0, 0) << u"#FF0000"_s;
    QTest::newRow("pure blue") << QColor(0, 0, 255) << u"#0000FF"_s;
    QTest::newRow("orange") << QColor(255, 128, 0) << u"#FF8000"_s;
    QTest::newRow("white") << QColor(255, 255, 255) << u"#FFFFFF"_s;
}

// The restore run and the save's link correction both write the chosen colour.
void TestOptionCommands::theChosenColourHighlights()
{
    QFETCH(QColor, chosen);
    QFETCH(QString, style);
    const QString a = path(u"a.html"_s);
    const QString b = path(u"b.html"_s);
    writeText(a, pageText(u"a"_s, u"<!--site-->"_s));
    writeText(b, pageText(u"b"_s, siteMenu()));
    writeText(projectFile(), projectFileText({{u"site"_s, {a, b}, siteMenu()}}, u"site"_s));
    WindowDriver driver(projectFile());
    driver.dialogs.colours.enqueue(chosen);
    driver.choose("mcolor");

    driver.choose("mpsave");
    driver.click("CmdDecode");

    const QString colour = u"color:"_s + style + u"\">"_s;
    QVERIFY(readText(a).contains(colour + u"トップ"_s));
    QVERIFY(readText(b).contains(colour + u"案内"_s));
}

void TestOptionCommands::aCancelledColourKeepsTheColour()
{
    const QString a = path(u"a.html"_s);
    writeText(a, pageText(u"a"_s, u"<!--site-->"_s));
    writeText(projectFile(), projectFileText({{u"site"_s, {a}, siteMenu()}}, u"site"_s));
    WindowDriver driver(projectFile());
    driver.choose("mcolor"); // cancelled before any choice: the default colour stays
    driver.click("CmdDecode");
    QVERIFY(readText(a).contains(u"color:tomato\">トップ"_s));

    writeText(a, pageText(u"a"_s, u"<!--site-->"_s));
    driver.dialogs.colours.enqueue(QColor(255, 128, 0));
    driver.choose("mcolor");
    driver.choose("mcolor");
    driver.click("CmdDecode");
    QVERIFY(readText(a).contains(u"color:#FF8000\">トップ"_s));
}

QTEST_MAIN(TestOptionCommands)
#include "test_optioncommands.moc"
