#pragma once

#include "cli/cliarguments.h"

#include <QList>
#include <QString>

// The help of quillet-cli, in English (its log lines and messages stay Japanese). One table
// gives --help and the manual page, and shell completion reads --help: a command added to
// the table is documented and completed everywhere.
namespace quillet::cli {

struct CommandHelp
{
    Command command;
    QString word;
    QString usage;       // after "quillet-cli [--project-file FILE] "
    QString description; // lines after the command's word, indented to line up
};

struct OptionHelp
{
    QString option;      // "--color", or "-h, --help"
    QString value;       // "#RRGGBB", "FILE"; empty for a flag
    QString description; // lines, indented to line up
};

struct ExitStatusHelp
{
    int status;
    QString meaning;
};

const QList<CommandHelp>& commandHelps();
const QList<OptionHelp>& optionHelps();
const QList<ExitStatusHelp>& exitStatusHelps();

// "quillet-cli [--project-file FILE] ", the start of every command's usage.
QString usagePrefix();

// The usage lines, shown after a usage error.
QString usageSynopsis();

// The usage lines and what each command and option does, for --help.
QString helpText();

// The usage and description of one command, for "COMMAND --help".
QString commandHelpText(Command command);

} // namespace quillet::cli
