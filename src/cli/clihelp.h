#pragma once

#include "cli/cliarguments.h"

#include <QString>

// The help of quillet-cli, in English (its log lines and messages stay Japanese), written
// from the command table, which also gives the manual page; shell completion reads --help.
namespace quillet::cli {

// "quillet-cli [--project-file FILE] ", the start of every command's usage.
QString usagePrefix();

// The usage lines, shown after a usage error.
QString usageSynopsis();

// The usage lines and what each command and option does, for --help.
QString helpText();

// The usage and description of one command, for "COMMAND --help".
QString commandHelpText(Command command);

} // namespace quillet::cli
