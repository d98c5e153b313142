#include "sitefixture.h"
#include "windowdriver.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace sitefixture;
using namespace Qt::StringLiterals;

// Picking, typing, saving, deleting and clearing projects from the window.
class TestProjectFlow : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void startupLoadsTheLastProject();
    void startupWithoutProjectFileShowsAnEmptyProject();
    void pickingAProjectLoadsIt();
    void pickingTheLoadedNameKeepsChanges();
    void pickingRightAfterStartupReloads();
    void typingANameOnlyRetitlesTheTag();
    void savingANewNameThenOverwritingAsks();
    void savingWithAnEmptyNameIsRefused();
    void deletingTheMiddleOfThreeProjects();
    void deletingAnsweredNoChangesNothing();
    void clearEmptiesTheProject();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString projectFile() const { return path(QStringLiteral("mprj.xml")); }
    QList<Project> threeProjects() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProjectFlow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QList<Project> TestProjectFlow::threeProjects() const
{
    return {{QStringLiteral("A"), {path(QStringLiteral("a1.html"))}, QStringLiteral("<p>A</p>")},
            {QStringLiteral("B"),
             {path(QStringLiteral("b2.html")), path(QStringLiteral("B1.html"))},
             QStringLiteral("<ul>\r\n<li>B</li>\r\n</ul>")},
            {QStringLiteral("C"), {path(QStringLiteral("c1.html"))}, QStringLiteral("<p>C</p>")}};
}

void TestProjectFlow::startupLoadsTheLastProject()
{
    writeText(projectFile(), projectFileText(threeProjects(), QStringLiteral("B")));
    WindowDriver driver(projectFile());

    QCOMPARE(driver.projectNames(), QStringList({u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(driver.names()->currentText(), QStringLiteral("B"));
    QCOMPARE(driver.fileListEntries(),
             QStringList({path(QStringLiteral("B1.html")), path(QStringLiteral("b2.html"))}));
    QCOMPARE(driver.menuText()->toPlainText(), QStringLiteral("<ul>\n<li>B</li>\n</ul>"));
    QCOMPARE(driver.tag()->text(), QStringLiteral("<!--B-->"));
    QVERIFY(driver.control<QWidget>("Picture1")->isHidden());
    QVERIFY(driver.dialogs.messages.isEmpty());
}

void TestProjectFlow::startupWithoutProjectFileShowsAnEmptyProject()
{
    WindowDriver driver(projectFile());

    QVERIFY(driver.projectNames().isEmpty());
    QVERIFY(driver.fileListEntries().isEmpty());
    QVERIFY(!driver.control<QWidget>("Picture1")->isHidden());
    QVERIFY(driver.dialogs.messages.isEmpty());
}

void TestProjectFlow::pickingAProjectLoadsIt()
{
    writeText(projectFile(), projectFileText(threeProjects(), QStringLiteral("B")));
    WindowDriver driver(projectFile());

    driver.pickProject(QStringLiteral("A"));

    QCOMPARE(driver.names()->currentText(), QStringLiteral("A"));
    QCOMPARE(driver.fileListEntries(), QStringList{path(QStringLiteral("a1.html"))});
    QCOMPARE(driver.menuText()->toPlainText(), QStringLiteral("<p>A</p>"));
    QCOMPARE(driver.tag()->text(), QStringLiteral("<!--A-->"));
    QVERIFY(driver.control<QWidget>("Picture1")->isHidden());
}

void TestProjectFlow::pickingTheLoadedNameKeepsChanges()
{
    writeText(projectFile(), projectFileText(threeProjects(), QStringLiteral("B")));
    WindowDriver driver(projectFile());
    driver.pickProject(QStringLiteral("A"));
    driver.typeMenuText({QStringLiteral("<p>more</p>")});

    driver.pickProject(QStringLiteral("A"));

    QCOMPARE(driver.menuText()->toPlainText(), QStringLiteral("<p>A</p>\n<p>more</p>"));
}

void TestProjectFlow::pickingRightAfterStartupReloads()
{
    writeText(projectFile(), projectFileText(threeProjects(), QStringLiteral("B")));
    WindowDriver driver(projectFile());
    driver.typeMenuText({QStringLiteral("<p>more</p>")});

    driver.pickProject(QStringLiteral("B"));

    QCOMPARE(driver.menuText()->toPlainText(), QStringLiteral("<ul>\n<li>B</li>\n</ul>"));
}

void TestProjectFlow::typingANameOnlyRetitlesTheTag()
{
    writeText(projectFile(), projectFileText(threeProjects(), QStringLiteral("B")));
    WindowDriver driver(projectFile());

    driver.typeProjectName(QStringLiteral("A"));

    QCOMPARE(driver.tag()->text(), QStringLiteral("<!--A-->"));
    QCOMPARE(driver.fileList()->count(), 2); // still B's
    QCOMPARE(driver.projectNames(), QStringList({u"A"_s, u"B"_s, u"C"_s}));
}

void TestProjectFlow::savingANewNameThenOverwritingAsks()
{
    writeText(projectFile(), projectFileText(threeProjects(), QStringLiteral("B")));
    WindowDriver driver(projectFile());
    driver.typeProjectName(QStringLiteral("新しい"));

    driver.choose("mpsave");

    QVERIFY(driver.dialogs.questions.isEmpty());
    QList<Project> expected = threeProjects();
    expected.append({QStringLiteral("新しい"), driver.fileListEntries(), expected[1].menuText});
    QCOMPARE(readText(projectFile()), projectFileText(expected, QStringLiteral("新しい")));

    driver.typeMenuText({QStringLiteral("<p>edited</p>")});
    driver.dialogs.answers.enqueue(false);
    driver.choose("mpsave");
    QCOMPARE(driver.dialogs.questions.size(), 1);
    QCOMPARE(driver.dialogs.questions[0].title, QStringLiteral("プロジェクトの更新"));
    QCOMPARE(driver.dialogs.questions[0].text,
             QStringLiteral("プロジェクトの書き換えを行います。"));
    QCOMPARE(readText(projectFile()), projectFileText(expected, QStringLiteral("新しい")));

    driver.dialogs.answers.enqueue(true);
    driver.choose("mpsave");
    expected.last().menuText += QStringLiteral("\r\n<p>edited</p>");
    QCOMPARE(readText(projectFile()), projectFileText(expected, QStringLiteral("新しい")));
    QVERIFY(driver.dialogs.messages.isEmpty());
}

void TestProjectFlow::savingWithAnEmptyNameIsRefused()
{
    writeText(projectFile(), projectFileText(threeProjects(), QStringLiteral("B")));
    const QString before = readText(projectFile());
    WindowDriver driver(projectFile());
    driver.typeProjectName(QString());

    driver.choose("mpsave");

    QCOMPARE(driver.dialogs.messages.size(), 1);
    QCOMPARE(driver.dialogs.messages[0].title, QStringLiteral("プロジェクト名が有りません。"));
    QCOMPARE(driver.dialogs.messages[0].text, QStringLiteral("プロジェクト名を入力して下さい。"));
    QCOMPARE(readText(projectFile()), before);
}

void TestProjectFlow::deletingTheMiddleOfThreeProjects()
{
    const QList<Project> projects = threeProjects();
    writeText(projectFile(), projectFileText(projects, QStringLiteral("B")));
    WindowDriver driver(projectFile());
    driver.dialogs.answers.enqueue(true);

    driver.choose("mperase");

    QCOMPARE(driver.dialogs.questions.size(), 1);
    QVERIFY(driver.dialogs.questions[0].title.isEmpty());
    QCOMPARE(driver.dialogs.questions[0].text, QStringLiteral("プロジェクト「B」を削除しますか?"));
    QCOMPARE(readText(projectFile()),
             projectFileText({projects[0], projects[2]}, QStringLiteral("B")));

    QVERIFY(driver.waitForReload());
    QCOMPARE(driver.projectNames(), QStringList({u"A"_s, u"C"_s}));
    QCOMPARE(driver.names()->currentText(), QStringLiteral("B"));
    QVERIFY(driver.fileListEntries().isEmpty());
    QCOMPARE(driver.menuText()->toPlainText(), QStringLiteral("<ul>\n<li>B</li>\n</ul>"));
    QVERIFY(!driver.control<QWidget>("Picture1")->isHidden());
}

void TestProjectFlow::deletingAnsweredNoChangesNothing()
{
    writeText(projectFile(), projectFileText(threeProjects(), QStringLiteral("B")));
    const QString before = readText(projectFile());
    WindowDriver driver(projectFile());
    driver.dialogs.answers.enqueue(false);

    driver.choose("mperase");

    QCOMPARE(readText(projectFile()), before);
    QCOMPARE(driver.fileList()->count(), 2);
}

void TestProjectFlow::clearEmptiesTheProject()
{
    writeText(projectFile(), projectFileText(threeProjects(), QStringLiteral("B")));
    const QString before = readText(projectFile());
    WindowDriver driver(projectFile());

    driver.click("CmdClear");

    QVERIFY(driver.names()->currentText().isEmpty());
    QVERIFY(driver.tag()->text().isEmpty());
    QVERIFY(driver.menuText()->toPlainText().isEmpty());
    QVERIFY(driver.sourceView()->toPlainText().isEmpty());
    QVERIFY(driver.fileListEntries().isEmpty());
    QCOMPARE(driver.projectNames(), QStringList({u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(readText(projectFile()), before);
}

QTEST_MAIN(TestProjectFlow)
#include "test_projectflow.moc"
