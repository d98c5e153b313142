#include "common/programrun.h"
#include "common/testfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet::fixtures;

// The bash completion of quillet-cli, loaded by bash-completion in a real bash, completing
// from the real program in the build tree.

namespace {

// Prints what Tab offers after the line given, through the function the script registered.
const QString offeredScript = uR"(
source "$BASH_COMPLETION_SCRIPT" && source "$QUILLET_COMPLETION" || exit 2
registered=$(complete -p quillet-cli) || exit 2
function=${registered##* -F }
function=${function%% *}
COMP_LINE=$1
COMP_POINT=${#1}
read -ra COMP_WORDS <<<"$1"
[[ $1 == *' ' ]] && COMP_WORDS+=('')
COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
"$function" quillet-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
printf '%s\n' "${COMPREPLY[@]}"
)"_s;

} // namespace

class TestCliCompletion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void completes_data();
    void completes();

private:
    QTemporaryDir m_site;
};

void TestCliCompletion::initTestCase()
{
    const QString projectFile = m_site.filePath(u"mprj.xml"_s);
    writeBytes(m_site.filePath(u"page.html"_s), "<html></html>");
    for (const QString& name : {u"site"_s, u"サイト"_s, u"two words"_s}) {
        const Finished added =
            runProgram(QStringLiteral(QUILLET_CLI_PATH),
                       {u"--project-file"_s, projectFile, u"add"_s, name, u"page.html"_s},
                       QProcessEnvironment::systemEnvironment(), m_site.path());
        QVERIFY2(added.exitCode == 0, qPrintable(added.errors));
    }
}

void TestCliCompletion::completes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("offered");

    QTest::newRow("a command") << u"quillet-cli res"_s << QStringList{u"restore"_s};
    QTest::newRow("an option of the command")
        << u"quillet-cli restore site --m"_s << QStringList{u"--menu-file"_s};
    QTest::newRow("only the options of the command")
        << u"quillet-cli check site --"_s
        << QStringList{u"--help"_s, u"--json"_s, u"--project-file"_s};
    QTest::newRow("a project name") << u"quillet-cli --project-file mprj.xml convert "_s
                                    << QStringList{u"site"_s, u"two\\ words"_s, u"サイト"_s};
    QTest::newRow("a project name, the project file after the command")
        << u"quillet-cli show --project-file=mprj.xml サ"_s << QStringList{u"サイト"_s};
    QTest::newRow("a page to add")
        << u"quillet-cli --project-file mprj.xml add site pa"_s << QStringList{u"page.html"_s};
    QTest::newRow("the menu file")
        << u"quillet-cli restore site --menu-file pa"_s << QStringList{u"page.html"_s};
}

void TestCliCompletion::completes()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, offered);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"PATH"_s, QFileInfo(QStringLiteral(QUILLET_CLI_PATH)).path() + u':' +
                                      environment.value(u"PATH"_s));
    environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    environment.insert(u"BASH_COMPLETION_SCRIPT"_s, QStringLiteral(BASH_COMPLETION_SCRIPT));
    environment.insert(u"QUILLET_COMPLETION"_s, QStringLiteral(QUILLET_COMPLETION));
    const Finished completed =
        runProgram(QStringLiteral(BASH_PROGRAM),
                   {u"--norc"_s, u"--noprofile"_s, u"-c"_s, offeredScript, u"bash"_s, typed},
                   environment, m_site.path());
    QCOMPARE(completed.errors, QString());
    QCOMPARE(completed.exitCode, 0);
    QStringList lines = completed.out.split(u'\n', Qt::SkipEmptyParts);
    lines.sort();
    QCOMPARE(lines, offered);
}

QTEST_GUILESS_MAIN(TestCliCompletion)
#include "test_clicompletion.moc"
