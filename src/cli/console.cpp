#include "cli/console.h"

#include <cstdio>

namespace quillet::cli {

namespace {

void writeLine(std::FILE* stream, const QString& line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void Console::writeOutLines(const QStringList& lines)
{
    for (const QString& line : lines)
        writeOut(line);
}

void Console::writeMessage(const UserMessage& message)
{
    const QString title = message.title.isEmpty() ? applicationTitle : message.title;
    // Box texts break lines with CR LF; a terminal wants plain line feeds.
    writeError(title + QStringLiteral(": ") +
               QString(message.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void StandardConsole::writeOut(const QString& line)
{
    writeLine(stdout, line);
}

// Many lines at a time rather than one write each, but never the whole log of a large site
// joined in memory at once.
void StandardConsole::writeOutLines(const QStringList& lines)
{
    constexpr qsizetype linesAtATime = 4096;
    for (qsizetype first = 0; first < lines.size(); first += linesAtATime)
        writeLine(stdout, lines.mid(first, linesAtATime).join(u'\n'));
}

void StandardConsole::writeError(const QString& line)
{
    writeLine(stderr, line);
}

} // namespace quillet::cli
