#pragma once

#include <QProcess>
#include <QStringList>

// Another program run to its end, as a terminal would run it.
namespace quillet::fixtures {

struct Finished
{
    int exitCode = -1;
    QString out;
    QString errors;
};

inline Finished
runProgram(const QString& program, const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
           const QString& folder = QString())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, QString(), program + QStringLiteral(": ") + process.errorString()};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The lines of one section of a text, from the line after its heading to the first line
// that starts a new section: an empty line in a help text, an unindented one in a manual.
inline QStringList sectionLines(const QString& text, const QString& heading, bool manualPage)
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

} // namespace quillet::fixtures
