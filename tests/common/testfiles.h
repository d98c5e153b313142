#pragma once

#include <QByteArray>
#include <QFile>
#include <QStringEncoder>
#include <QStringList>
#include <optional>

// Files and project texts built in code, shared by the tests of every folder.
namespace quillet::fixtures {

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

// Lines joined with CR LF, as every project text and page holds them.
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
