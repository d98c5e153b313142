#include "common/programrun.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet::fixtures;

// The manual pages as man shows them, and quillet-cli(1) beside the real quillet-cli --help.

namespace {

// The lines of one section of a text, from the line after its heading to the first line
// that starts a new section: an empty line in a help text, an unindented one in a manual.
QStringList sectionLines(const QString& text, const QString& heading, bool manualPage)
{
    const QStringList lines = text.split(u'\n');
    const qsizetype start = lines.indexOf(heading);
    if (start < 0)
        return {};
    QStringList section;
    for (qsizetype i = start + 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (manualPage ? !line.isEmpty() && !line.startsWith(u' ') : line.isEmpty())
            break;
        section.append(line);
    }
    return section;
}

QString manualPage(const QString& name)
{
    return QStringLiteral(QUILLET_MAN_DIR "/") + name + u".1"_s;
}

Finished shownByMan(const QString& name)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    environment.insert(u"MANWIDTH"_s, u"80"_s);
    environment.insert(u"MANPAGER"_s, u"cat"_s);
    return runProgram(QStringLiteral(MAN_PROGRAM), {u"--warnings"_s, u"-l"_s, manualPage(name)},
                      environment);
}

// The first word of each entry of a section: "  list      Print..." in a help, "       list"
// in a manual page.
QStringList entryWords(const QStringList& section, qsizetype indent)
{
    // A word alone at the indent: "on|off]" of a wrapped usage is none.
    const QRegularExpression entry(u"^ {%1}([-a-z]+)(?:\\s|$)"_s.arg(indent));
    QStringList words;
    for (const QString& line : section) {
        const QRegularExpressionMatch match = entry.match(line);
        if (match.hasMatch())
            words.append(match.captured(1));
    }
    return words;
}

} // namespace

class TestCliManPage : public QObject
{
    Q_OBJECT

private slots:
    void rendersWithoutWarnings_data();
    void rendersWithoutWarnings();
    void tellsOfEveryCommandAndOptionOfTheHelp_data();
    void tellsOfEveryCommandAndOptionOfTheHelp();
};

void TestCliManPage::rendersWithoutWarnings_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("window") << u"quillet"_s;
    QTest::newRow("command line") << u"quillet-cli"_s;
}

void TestCliManPage::rendersWithoutWarnings()
{
    QFETCH(QString, name);
    const Finished shown = shownByMan(name);
    QCOMPARE(shown.errors, QString());
    QCOMPARE(shown.exitCode, 0);
    QVERIFY(shown.out.startsWith(name.toUpper() + u"(1)"_s));
    for (const QString& heading : {u"SYNOPSIS"_s, u"DESCRIPTION"_s, u"FILES"_s})
        QVERIFY2(!sectionLines(shown.out, heading, true).isEmpty(), qPrintable(heading));
}

void TestCliManPage::tellsOfEveryCommandAndOptionOfTheHelp_data()
{
    QTest::addColumn<QString>("helpSection");
    QTest::addColumn<QString>("manualSection");
    QTest::newRow("commands") << u"Commands:"_s << u"COMMANDS"_s;
    QTest::newRow("options") << u"Options:"_s << u"OPTIONS"_s;
}

void TestCliManPage::tellsOfEveryCommandAndOptionOfTheHelp()
{
    QFETCH(QString, helpSection);
    QFETCH(QString, manualSection);
    const Finished help = runProgram(QStringLiteral(QUILLET_CLI_PATH), {u"--help"_s});
    QCOMPARE(help.exitCode, 0);
    const QStringList helpWords = entryWords(sectionLines(help.out, helpSection, false), 2);
    QVERIFY(helpWords.size() > 5);
    const QStringList manualWords =
        entryWords(sectionLines(shownByMan(u"quillet-cli"_s).out, manualSection, true), 7);
    QCOMPARE(manualWords, helpWords);
}

QTEST_GUILESS_MAIN(TestCliManPage)
#include "test_climanpage.moc"
