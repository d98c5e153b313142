#include "cli/cli.h"
#include "cli/cliarguments.h"
#include "cli/clifixtures.h"

#include "appversion.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;
using namespace quillet::cli;
using quillet::fixtures::RecordingConsole;

Q_DECLARE_METATYPE(quillet::cli::Command)

class TestCliArguments : public QObject
{
    Q_OBJECT

private slots:
    void readsCommands_data();
    void readsCommands();
    void refusesUsageErrors_data();
    void refusesUsageErrors();
    void usageErrorExitsWithTwoAndTheUsage();
    void helpExitsWithZero();
    void defaultProjectFileOnlyWithoutTheOption();
    void readsFlagsPathsAndMenuSources();
    void versionExitsWithZero();
    void commandHelpTellsOfThatCommand();
};

void TestCliArguments::readsCommands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("projectFile"); // "-" when absent
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("menuFile"); // "-" when absent

    QTest::newRow("list") << QStringList{u"list"_s} << Command::List << QString() << u"-"_s
                          << QString() << u"-"_s;
    QTest::newRow("project file before the command")
        << QStringList{u"--project-file"_s, u"p.xml"_s, u"list"_s} << Command::List << QString()
        << u"p.xml"_s << QString() << u"-"_s;
    QTest::newRow("project file after the command with =")
        << QStringList{u"comments"_s, u"A"_s, u"--project-file=p.xml"_s} << Command::Comments
        << u"A"_s << u"p.xml"_s << QString() << u"-"_s;
    QTest::newRow("colour upper-cased")
        << QStringList{u"--color"_s, u"#ff80a0"_s, u"convert"_s, u"A"_s} << Command::Convert
        << u"A"_s << u"-"_s << u"#FF80A0"_s << u"-"_s;
    QTest::newRow("restore with menu file after the name")
        << QStringList{u"--color=#00aa00"_s, u"restore"_s, u"サイト"_s, u"--menu-file"_s,
                       u"m.html"_s}
        << Command::Restore << u"サイト"_s << u"-"_s << u"#00AA00"_s << u"m.html"_s;
    QTest::newRow("name beginning with a dash after --")
        << QStringList{u"convert"_s, u"--"_s, u"-x"_s} << Command::Convert << u"-x"_s << u"-"_s
        << QString() << u"-"_s;
    QTest::newRow("empty name") << QStringList{u"convert"_s, QString()} << Command::Convert
                                << QString() << u"-"_s << QString() << u"-"_s;
    QTest::newRow("name with spaces kept as typed")
        << QStringList{u"restore"_s, u" my site "_s} << Command::Restore << u" my site "_s << u"-"_s
        << QString() << u"-"_s;
    QTest::newRow("help wins over the command")
        << QStringList{u"convert"_s, u"A"_s, u"--help"_s} << Command::Help << QString() << u"-"_s
        << QString() << u"-"_s;
    QTest::newRow("short help") << QStringList{u"-h"_s} << Command::Help << QString() << u"-"_s
                                << QString() << u"-"_s;
    QTest::newRow("version before a bad command")
        << QStringList{u"--version"_s, u"nonsense"_s} << Command::Version << QString() << u"-"_s
        << QString() << u"-"_s;
    QTest::newRow("undo") << QStringList{u"undo"_s, u"--project-file=p.xml"_s} << Command::Undo
                          << QString() << u"p.xml"_s << QString() << u"-"_s;
    QTest::newRow("check") << QStringList{u"check"_s, u"A"_s, u"--json"_s} << Command::Check
                           << u"A"_s << u"-"_s << QString() << u"-"_s;
    QTest::newRow("delete") << QStringList{u"delete"_s, u"A"_s, u"--dry-run"_s} << Command::Delete
                            << u"A"_s << u"-"_s << QString() << u"-"_s;
}

void TestCliArguments::readsCommands()
{
    QFETCH(QStringList, arguments);
    const ParsedArguments parsed = parseArguments(arguments);
    QCOMPARE(parsed.usageError, QString());
    const Invocation& invocation = parsed.invocation;
    QTEST(invocation.command, "command");
    QTEST(invocation.name, "name");
    QTEST(invocation.projectFile.value_or(u"-"_s), "projectFile");
    QTEST(invocation.linkColour, "colour");
    QTEST(invocation.menuFile.value_or(u"-"_s), "menuFile");
}

void TestCliArguments::refusesUsageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");

    QTest::newRow("nothing") << QStringList{} << u"コマンドがありません。"_s;
    QTest::newRow("unknown command")
        << QStringList{u"frobnicate"_s} << u"不明なコマンドです: frobnicate"_s;
    QTest::newRow("add without a path")
        << QStringList{u"add"_s, u"A"_s} << u"add にはページのパスが必要です。"_s;
    QTest::newRow("remove without a name")
        << QStringList{u"remove"_s} << u"remove にはプロジェクト名が必要です。"_s;
    QTest::newRow("undo with a name") << QStringList{u"undo"_s, u"A"_s} << u"余分な引数です: A"_s;
    QTest::newRow("menu without a source")
        << QStringList{u"menu"_s, u"A"_s}
        << u"menu には --from-file か --from-page のどちらか一つが必要です。"_s;
    QTest::newRow("menu with two sources")
        << QStringList{u"menu"_s, u"A"_s, u"--from-file=m"_s, u"--from-page=p"_s}
        << u"menu には --from-file か --from-page のどちらか一つが必要です。"_s;
    QTest::newRow("dry run on check")
        << QStringList{u"check"_s, u"A"_s, u"--dry-run"_s}
        << u"--dry-run は convert と restore と comments と align と delete "
           u"でだけ使えます。"_s;
    QTest::newRow("diff on delete")
        << QStringList{u"delete"_s, u"A"_s, u"--diff"_s}
        << u"--diff は convert と restore と comments と align でだけ使えます。"_s;
    QTest::newRow("json on list") << QStringList{u"list"_s, u"--json"_s}
                                  << u"--json は check でだけ使えます。"_s;
    QTest::newRow("list on show") << QStringList{u"show"_s, u"A"_s, u"--list"_s}
                                  << u"--list は undo でだけ使えます。"_s;
    QTest::newRow("flag with a value") << QStringList{u"convert"_s, u"A"_s, u"--dry-run=yes"_s}
                                       << u"--dry-run は値を取りません。"_s;
    QTest::newRow("unknown option")
        << QStringList{u"--colour"_s, u"#FF0000"_s, u"convert"_s, u"A"_s}
        << u"不明なオプションです: --colour"_s;
    QTest::newRow("missing option value")
        << QStringList{u"list"_s, u"--project-file"_s} << u"--project-file には値が必要です。"_s;
    QTest::newRow("empty option value") << QStringList{u"restore"_s, u"A"_s, u"--menu-file="_s}
                                        << u"--menu-file には値が必要です。"_s;
    QTest::newRow("option twice") << QStringList{u"--project-file=a"_s, u"--project-file=b"_s,
                                                 u"list"_s}
                                  << u"--project-file が二度指定されています。"_s;
    QTest::newRow("help with a value")
        << QStringList{u"--help=x"_s} << u"--help は値を取りません。"_s;
    QTest::newRow("version with a value")
        << QStringList{u"--version=2"_s} << u"--version は値を取りません。"_s;
    QTest::newRow("list with a name") << QStringList{u"list"_s, u"A"_s} << u"余分な引数です: A"_s;
    QTest::newRow("convert without a name")
        << QStringList{u"convert"_s} << u"convert にはプロジェクト名が必要です。"_s;
    QTest::newRow("two names") << QStringList{u"restore"_s, u"A"_s, u"B"_s}
                               << u"余分な引数です: B"_s;
    QTest::newRow("colour on list") << QStringList{u"--color=#FF0000"_s, u"list"_s}
                                    << u"--color は convert と restore でだけ使えます。"_s;
    QTest::newRow("colour on comments")
        << QStringList{u"comments"_s, u"A"_s, u"--color"_s, u"#FF0000"_s}
        << u"--color は convert と restore でだけ使えます。"_s;
    QTest::newRow("menu file on convert")
        << QStringList{u"convert"_s, u"A"_s, u"--menu-file"_s, u"m.html"_s}
        << u"--menu-file は restore でだけ使えます。"_s;
    QTest::newRow("menu file on list") << QStringList{u"--menu-file=m.html"_s, u"list"_s}
                                       << u"--menu-file は restore でだけ使えます。"_s;
    for (const QString& colour :
         {u"#12345"_s, u"#1234567"_s, u"123456"_s, u"#GG0000"_s, u"tomato"_s, u"＃123456"_s}) {
        QTest::addRow("colour %s", qPrintable(colour))
            << QStringList{u"convert"_s, u"A"_s, u"--color"_s, colour}
            << u"色は # と 16 進数 6 桁で指定してください: "_s + colour;
    }
}

void TestCliArguments::refusesUsageErrors()
{
    QFETCH(QStringList, arguments);
    QTEST(parseArguments(arguments).usageError, "error");
}

void TestCliArguments::usageErrorExitsWithTwoAndTheUsage()
{
    RecordingConsole console;
    const int status = runCli({u"convert"_s}, console, [] { return u"/nonexistent/mprj.xml"_s; });
    QCOMPARE(status, 2);
    QVERIFY(console.out.isEmpty());
    QCOMPARE(console.errors.value(0), u"quillet-cli: convert にはプロジェクト名が必要です。"_s);
    QVERIFY(console.errors.join(u'\n').contains(u"quillet-cli [--project-file FILE] list"_s));
}

void TestCliArguments::helpExitsWithZero()
{
    RecordingConsole console;
    QCOMPARE(runCli({u"--help"_s}, console, [] { return QString(); }), 0);
    QVERIFY(console.errors.isEmpty());
    const QString help = console.out.join(u'\n');
    QVERIFY(help.contains(u"quillet-cli [--project-file FILE] [--color #RRGGBB] restore NAME "
                          u"[--menu-file FILE]"_s));
    // The help is in English, whatever the language of the log and the messages.
    QVERIFY(std::all_of(help.cbegin(), help.cend(), [](QChar c) { return c.unicode() < 0x80; }));
}

void TestCliArguments::defaultProjectFileOnlyWithoutTheOption()
{
    QTemporaryDir dir;
    int asked = 0;
    const auto defaultFile = [&] {
        ++asked;
        return dir.filePath(u"default.xml"_s);
    };
    RecordingConsole console;
    QCOMPARE(runCli({u"--project-file"_s, dir.filePath(u"given.xml"_s), u"list"_s}, console,
                    defaultFile),
             0);
    QCOMPARE(asked, 0);
    QCOMPARE(runCli({u"list"_s}, console, defaultFile), 0);
    QCOMPARE(asked, 1);
}

void TestCliArguments::readsFlagsPathsAndMenuSources()
{
    const Invocation add =
        parseArguments({u"add"_s, u"サイト"_s, u"a.html"_s, u"site"_s, u"--"_s, u"-b.html"_s})
            .invocation;
    QCOMPARE(add.command, Command::Add);
    QCOMPARE(add.name, u"サイト"_s);
    QCOMPARE(add.paths, (QStringList{u"a.html"_s, u"site"_s, u"-b.html"_s}));

    const Invocation restore =
        parseArguments({u"--dry-run"_s, u"restore"_s, u"A"_s, u"--diff"_s}).invocation;
    QVERIFY(restore.dryRun && restore.diff && !restore.json && !restore.listJournal);

    const Invocation undo = parseArguments({u"undo"_s, u"--list"_s}).invocation;
    QVERIFY(undo.listJournal);

    const Invocation menu =
        parseArguments({u"menu"_s, u"A"_s, u"--from-page"_s, u"p.html"_s}).invocation;
    QCOMPARE(menu.fromPage, std::optional<QString>(u"p.html"_s));
    QCOMPARE(menu.fromFile, std::nullopt);
}

void TestCliArguments::versionExitsWithZero()
{
    RecordingConsole console;
    QCOMPARE(runCli({u"--version"_s}, console, [] { return QString(); }), 0);
    QCOMPARE(console.out,
             QStringList{u"quillet-cli "_s + QString::fromLatin1(quillet::appVersion)});
}

void TestCliArguments::commandHelpTellsOfThatCommand()
{
    RecordingConsole console;
    QCOMPARE(runCli({u"undo"_s, u"--help"_s, u"nonsense"_s}, console, [] { return QString(); }), 0);
    const QString help = console.out.join(u'\n');
    QVERIFY(
        help.startsWith(u"Usage:\n  quillet-cli [--project-file FILE] undo [--list]\n\n  undo "_s));
    QVERIFY(!help.contains(u" restore "_s));
    QVERIFY(help.contains(u"--dry-run"_s)); // the options are told in full
}

QTEST_GUILESS_MAIN(TestCliArguments)
#include "test_cliarguments.moc"
