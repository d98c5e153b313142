#pragma once

#include "cli/cliarguments.h"
#include "cli/console.h"

namespace quillet::cli {

// add, remove, menu, show and delete: the project commands on the project file. Each one
// that changes it writes it once; every other project keeps its bytes.
int runAddCommand(const Invocation& invocation, const QString& projectFile, Console& console);
int runRemoveCommand(const Invocation& invocation, const QString& projectFile, Console& console);
int runMenuCommand(const Invocation& invocation, const QString& projectFile, Console& console);
int runShowCommand(const Invocation& invocation, const QString& projectFile, Console& console);
int runDeleteCommand(const Invocation& invocation, const QString& projectFile, Console& console);

} // namespace quillet::cli
