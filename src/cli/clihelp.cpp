#include "cli/clihelp.h"

#include "cli/clitable.h"

namespace quillet::cli {

QString usagePrefix()
{
    return QStringLiteral("quillet-cli [--project-file FILE] ");
}

namespace {

// The first line after "  " + head (padded to width), the following lines indented under it.
QString hangingLines(const QString& head, qsizetype width, const QString& text)
{
    QStringList lines = text.split(u'\n');
    lines.first() = QStringLiteral("  ") + head.leftJustified(width) + lines.first();
    for (qsizetype i = 1; i < lines.size(); ++i)
        lines[i] = QString(2 + width, u' ') + lines[i];
    return lines.join(u'\n');
}

QString describedCommand(const CommandEntry& help)
{
    return hangingLines(help.word, 10, help.description);
}

QString optionsAndExit()
{
    QStringList lines{QStringLiteral("Options:")};
    for (const OptionEntry& help : optionTable()) {
        const QString head = help.value.isEmpty() ? help.option : help.option + u' ' + help.value;
        lines.append(hangingLines(head, 21, help.description));
    }
    lines.append(QString());
    lines.append(QStringLiteral(
        "The log goes to standard output, messages to standard error, in Japanese."));
    lines.append(QStringLiteral("Exit status:"));
    for (const ExitStatusEntry& help : exitStatusTable())
        lines.append(hangingLines(QString::number(help.status), 3, help.meaning));
    lines.append(QString());
    lines.append(
        QStringLiteral("The files used and an example of the whole cycle: man quillet-cli"));
    return lines.join(u'\n');
}

} // namespace

QString usageSynopsis()
{
    QStringList lines{QStringLiteral("Usage:")};
    for (const CommandEntry& help : commandTable())
        lines.append(QStringLiteral("  ") + usagePrefix() + help.usage);
    lines.append(QStringLiteral("  quillet-cli --version"));
    return lines.join(u'\n');
}

QString helpText()
{
    QStringList described;
    for (const CommandEntry& help : commandTable())
        described.append(describedCommand(help));
    return usageSynopsis() + QStringLiteral("\n\nCommands:\n") + described.join(u'\n') +
           QStringLiteral("\n\n") + optionsAndExit();
}

QString commandHelpText(Command command)
{
    const CommandEntry* help = commandEntry(command);
    if (!help)
        return helpText();
    return QStringLiteral("Usage:\n  ") + usagePrefix() + help->usage + QStringLiteral("\n\n") +
           describedCommand(*help) + QStringLiteral("\n\n") + optionsAndExit();
}

} // namespace quillet::cli
