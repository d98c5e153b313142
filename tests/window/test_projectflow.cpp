#include "project/projectmessages.h"
#include "project/projectstore.h"
#include "sitefixture.h"
#include "windowdriver.h"

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
    void pickingLoadsOnlyAnotherName();
    void pickingRightAfterStartupReloads();
    void typingANameOnlyRetitlesTheTag();
    void savingANewNameThenOverwritingAsks();
    void deletingTheMiddleOfThreeProjects();
    void clearEmptiesTheProject();
    void closingAsksToSaveChanges_data();
    void closingAsksToSaveChanges();
    void pickingAnotherProjectAsksToSaveChanges();
    void anotherProgramsProjectStaysAndIsListed();
    void projectChangedByAnotherProgramAsksFirst_data();
    void projectChangedByAnotherProgramAsksFirst();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    QString projectFile() const { return path(u"mprj.xml"_s); }
    QList<Project> threeProjects() const;
    void writeThreeProjects()
    {
        writeText(projectFile(), projectFileText(threeProjects(), u"B"_s));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

const QString menuOfB = u"<ul>\n<li>B</li>\n</ul>"_s;

void TestProjectFlow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QList<Project> TestProjectFlow::threeProjects() const
{
    return {{u"A"_s, {path(u"a1.html"_s)}, u"<p>A</p>"_s},
            {u"B"_s, {path(u"b2.html"_s), path(u"B1.html"_s)}, u"<ul>\r\n<li>B</li>\r\n</ul>"_s},
            {u"C"_s, {path(u"c1.html"_s)}, u"<p>C</p>"_s}};
}

void TestProjectFlow::startupLoadsTheLastProject()
{
    writeThreeProjects();
    WindowDriver driver(projectFile());

    QCOMPARE(driver.projectNames(), QStringList({u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(driver.names()->currentText(), u"B"_s);
    QCOMPARE(driver.fileListEntries(), QStringList({path(u"B1.html"_s), path(u"b2.html"_s)}));
    QCOMPARE(driver.menuText()->toPlainText(), menuOfB);
    QCOMPARE(driver.tag()->text(), u"<!--B-->"_s);
    QVERIFY(driver.control("Picture1")->isHidden());
    QVERIFY(driver.dialogs.messages.isEmpty());
}

void TestProjectFlow::startupWithoutProjectFileShowsAnEmptyProject()
{
    WindowDriver driver(projectFile());

    QVERIFY(driver.projectNames().isEmpty());
    QVERIFY(driver.fileListEntries().isEmpty());
    QVERIFY(!driver.control("Picture1")->isHidden());
    QVERIFY(driver.dialogs.messages.isEmpty());
}

void TestProjectFlow::pickingLoadsOnlyAnotherName()
{
    writeThreeProjects();
    WindowDriver driver(projectFile());

    driver.pickProject(u"A"_s);
    QCOMPARE(driver.fileListEntries(), QStringList{path(u"a1.html"_s)});
    QCOMPARE(driver.menuText()->toPlainText(), u"<p>A</p>"_s);
    QCOMPARE(driver.tag()->text(), u"<!--A-->"_s);

    driver.typeMenuText({u"<p>more</p>"_s});
    driver.pickProject(u"A"_s);
    QCOMPARE(driver.menuText()->toPlainText(), u"<p>A</p>\n<p>more</p>"_s);

    driver.pickProject(u"B"_s);
    QCOMPARE(driver.menuText()->toPlainText(), menuOfB);
}

void TestProjectFlow::pickingRightAfterStartupReloads()
{
    writeThreeProjects();
    WindowDriver driver(projectFile());
    driver.typeMenuText({u"<p>more</p>"_s});

    driver.pickProject(u"B"_s);

    QCOMPARE(driver.menuText()->toPlainText(), menuOfB);
}

// The name box neither loads nor completes what is typed.
void TestProjectFlow::typingANameOnlyRetitlesTheTag()
{
    writeText(projectFile(),
              projectFileText({{u"site2"_s, {path(u"x.html"_s)}, u"<p>x</p>"_s}}, u"site2"_s));
    WindowDriver driver(projectFile());

    driver.typeProjectName(u"site"_s);

    QCOMPARE(driver.names()->currentText(), u"site"_s);
    QCOMPARE(driver.tag()->text(), u"<!--site-->"_s);
    QCOMPARE(driver.fileListEntries(), QStringList{path(u"x.html"_s)});
}

void TestProjectFlow::savingANewNameThenOverwritingAsks()
{
    writeThreeProjects();
    QList<Project> expected = threeProjects();
    WindowDriver driver(projectFile());

    driver.typeProjectName(QString());
    driver.choose("mpsave");
    QCOMPARE(driver.dialogs.messages.size(), 1);
    QCOMPARE(driver.dialogs.messages[0].title, u"プロジェクト名が有りません。"_s);
    QCOMPARE(driver.dialogs.messages[0].text, u"プロジェクト名を入力して下さい。"_s);
    QCOMPARE(readText(projectFile()), projectFileText(expected, u"B"_s));

    driver.typeProjectName(u"新しい"_s);
    driver.choose("mpsave");
    QVERIFY(driver.dialogs.questions.isEmpty());
    expected.append({u"新しい"_s, driver.fileListEntries(), expected[1].menuText});
    QCOMPARE(readText(projectFile()), projectFileText(expected, u"新しい"_s));

    driver.typeMenuText({u"<p>edited</p>"_s});
    driver.dialogs.answers << false << true;
    driver.choose("mpsave");
    QCOMPARE(driver.dialogs.questions.size(), 1);
    QCOMPARE(driver.dialogs.questions[0].title, u"プロジェクトの更新"_s);
    QCOMPARE(driver.dialogs.questions[0].text, u"プロジェクトの書き換えを行います。"_s);
    QCOMPARE(readText(projectFile()), projectFileText(expected, u"新しい"_s));

    driver.choose("mpsave");
    expected.last().menuText += u"\r\n<p>edited</p>"_s;
    QCOMPARE(readText(projectFile()), projectFileText(expected, u"新しい"_s));
}

void TestProjectFlow::deletingTheMiddleOfThreeProjects()
{
    writeThreeProjects();
    const QList<Project> projects = threeProjects();
    WindowDriver driver(projectFile());
    driver.dialogs.answers << false << true;

    driver.choose("mperase");
    QCOMPARE(readText(projectFile()), projectFileText(projects, u"B"_s));

    driver.choose("mperase");
    QCOMPARE(driver.dialogs.questions.size(), 2);
    QVERIFY(driver.dialogs.questions[1].title.isEmpty());
    QCOMPARE(driver.dialogs.questions[1].text, u"プロジェクト「B」を削除しますか?"_s);
    QCOMPARE(readText(projectFile()), projectFileText({projects[0], projects[2]}, u"B"_s));

    QVERIFY(driver.waitForReload());
    QCOMPARE(driver.projectNames(), QStringList({u"A"_s, u"C"_s}));
    QCOMPARE(driver.names()->currentText(), u"B"_s);
    QVERIFY(driver.fileListEntries().isEmpty());
    QCOMPARE(driver.menuText()->toPlainText(), menuOfB);
    QVERIFY(!driver.control("Picture1")->isHidden());
}

void TestProjectFlow::clearEmptiesTheProject()
{
    writeThreeProjects();
    WindowDriver driver(projectFile());

    driver.click("CmdClear");

    QVERIFY(driver.names()->currentText().isEmpty());
    QVERIFY(driver.tag()->text().isEmpty());
    QVERIFY(driver.menuText()->toPlainText().isEmpty());
    QVERIFY(driver.sourceView()->toPlainText().isEmpty());
    QVERIFY(driver.fileListEntries().isEmpty());
    QCOMPARE(driver.projectNames(), QStringList({u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(readText(projectFile()), projectFileText(threeProjects(), u"B"_s));
}

void TestProjectFlow::closingAsksToSaveChanges_data()
{
    QTest::addColumn<quillet::SaveAnswer>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QString>("storedMenu");
    const QString stored = u"<ul>\r\n<li>B</li>\r\n</ul>"_s;
    const QString edited = stored + u"\r\n<p>new</p>"_s;
    QTest::newRow("yes") << quillet::SaveAnswer::Save << true << edited;
    QTest::newRow("no") << quillet::SaveAnswer::Discard << true << stored;
    QTest::newRow("cancel") << quillet::SaveAnswer::Cancel << false << stored;
}

void TestProjectFlow::closingAsksToSaveChanges()
{
    QFETCH(quillet::SaveAnswer, answer);
    QFETCH(bool, closed);
    QFETCH(QString, storedMenu);
    writeThreeProjects();
    WindowDriver driver(projectFile());
    driver.typeMenuText({u"<p>new</p>"_s});
    driver.dialogs.saveAnswers << answer;
    QCOMPARE(driver.window().close(), closed);
    QCOMPARE(driver.dialogs.saveQuestions,
             QList<quillet::UserMessage>{quillet::saveChangesQuestion()});
    QVERIFY(driver.dialogs.questions.isEmpty());
    quillet::ProjectStore reader(projectFile());
    reader.LoadProjectList();
    QCOMPARE(reader.LoadMenuText(u"B"_s), storedMenu);
}

// Cancel keeps the shown project and its edits; Yes saves them under the shown name.
void TestProjectFlow::pickingAnotherProjectAsksToSaveChanges()
{
    writeThreeProjects();
    WindowDriver driver(projectFile());
    driver.typeMenuText({u"<p>new</p>"_s});

    driver.dialogs.saveAnswers << quillet::SaveAnswer::Cancel;
    driver.pickProject(u"A"_s);
    QCOMPARE(driver.names()->currentText(), u"B"_s);
    QCOMPARE(driver.menuText()->toPlainText(), menuOfB + u"\n<p>new</p>"_s);

    driver.dialogs.saveAnswers << quillet::SaveAnswer::Save;
    driver.pickProject(u"A"_s);
    QCOMPARE(driver.menuText()->toPlainText(), u"<p>A</p>"_s);
    QCOMPARE(driver.dialogs.saveQuestions.size(), 2);
    quillet::ProjectStore reader(projectFile());
    reader.LoadProjectList();
    QCOMPARE(reader.LoadMenuText(u"B"_s), u"<ul>\r\n<li>B</li>\r\n</ul>\r\n<p>new</p>"_s);

    driver.pickProject(u"C"_s);
    QCOMPARE(driver.dialogs.saveQuestions.size(), 2);
}

// With the window open, another program (the command line, a second window) stores a
// project: the window lists it and its own save keeps it.
void TestProjectFlow::anotherProgramsProjectStaysAndIsListed()
{
    writeThreeProjects();
    WindowDriver driver(projectFile());
    quillet::ProjectStore other(projectFile());
    other.LoadProjectList();
    const QStringList otherFiles{path(u"x.html"_s)};
    QCOMPARE(other.StoreProject(u"CLIサイト"_s, otherFiles, std::nullopt).result,
             quillet::EditOutcome::Result::Written);
    QTRY_COMPARE(driver.projectNames(), QStringList({u"A"_s, u"B"_s, u"C"_s, u"CLIサイト"_s}));
    QCOMPARE(driver.names()->currentText(), u"B"_s);

    driver.dialogs.answers << true;
    driver.choose("mpsave");
    QCOMPARE(driver.dialogs.questions, QList<quillet::UserMessage>{quillet::overwriteQuestion()});
    quillet::ProjectStore reader(projectFile());
    QCOMPARE(reader.LoadProjectList().names, driver.projectNames());
    QCOMPARE(reader.LoadFileList(u"CLIサイト"_s).files, otherFiles);
    QVERIFY(driver.dialogs.messages.isEmpty());
}

void TestProjectFlow::projectChangedByAnotherProgramAsksFirst_data()
{
    QTest::addColumn<bool>("answer");
    QTest::newRow("yes: the window's project") << true;
    QTest::newRow("no: the other program's project") << false;
}

void TestProjectFlow::projectChangedByAnotherProgramAsksFirst()
{
    QFETCH(bool, answer);
    writeThreeProjects();
    WindowDriver driver(projectFile());
    quillet::ProjectStore other(projectFile());
    other.LoadProjectList();
    other.LoadFileList(u"B"_s);
    const QStringList otherFiles{path(u"other.html"_s)};
    QCOMPARE(other.StoreProject(u"B"_s, otherFiles, std::nullopt).result,
             quillet::EditOutcome::Result::Written);

    driver.dialogs.answers << answer;
    driver.choose("mpsave");
    QCOMPARE(driver.dialogs.questions,
             QList<quillet::UserMessage>{quillet::changedOnDiskQuestion(u"B"_s)});
    quillet::ProjectStore reader(projectFile());
    reader.LoadProjectList();
    QCOMPARE(reader.LoadFileList(u"B"_s).files, answer ? driver.fileListEntries() : otherFiles);
}

QTEST_MAIN(TestProjectFlow)
#include "test_projectflow.moc"
