#pragma once

#include "cli/console.h"

#include <QFile>
#include <QStringEncoder>
#include <QStringList>
#include <optional>

// Consoles, files and project texts built in code for the command-line tests.
namespace quillet::fixtures {

// Keeps what a command prints instead of writing it to the process's streams.
class RecordingConsole : public cli::Console
{
public:
    QStringList out;
    QStringList errors;

    void writeOut(const QString& line) override { out.append(line); }
    void writeError(const QString& line) override { errors.append(line); }
};

inline QByteArray shiftJis(const QString& text)
{
    QStringEncoder encoder("Shift_JIS");
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        qFatal("fixture text is not Shift_JIS");
    return bytes;
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write fixture %s", qPrintable(path));
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString crlfLines(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

// The lines of one project as the store writes them; elements left out when absent.
inline QStringList projectLines(const QString& name, const std::optional<QStringList>& files,
                                const std::optional<QString>& storedMenu)
{
    QStringList lines{QStringLiteral("<projectname name=\"") + name + QStringLiteral("\">")};
    if (files)
        lines << QStringLiteral("<files>") << *files << QStringLiteral("</files>");
    if (storedMenu)
        lines << QStringLiteral("<orgstring>") << *storedMenu << QStringLiteral("</orgstring>");
    lines << QStringLiteral("</projectname>");
    return lines;
}

// A whole project text: declaration, root, an optional lastfile element, the projects.
inline QString projectText(const QString& lastProject, const QStringList& projects)
{
    QStringList lines{QStringLiteral("<?xml version=\"1.0\" encoding=\"Shift_JIS\" ?>"),
                      QStringLiteral("<root>")};
    if (!lastProject.isEmpty())
        lines << QStringLiteral("<lastfile>") << lastProject << QStringLiteral("</lastfile>");
    lines << projects << QStringLiteral("</root>");
    return crlfLines(lines);
}

} // namespace quillet::fixtures
