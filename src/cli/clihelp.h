#pragma once

#include "cli/cliarguments.h"

#include <QString>

// The help of quillet-cli, in the language of its messages.
namespace quillet::cli {

// The usage lines, shown after a usage error.
QString usageSynopsis();

// The usage lines and what each command and option does, for --help.
QString helpText();

// The usage and description of one command, for "COMMAND --help".
QString commandHelpText(Command command);

} // namespace quillet::cli
