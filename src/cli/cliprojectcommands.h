#pragma once

#include "cli/cliarguments.h"
#include "cli/console.h"

namespace quillet::cli {

// add, remove, menu, show and delete: the project commands on the project file. Each one
// that changes it writes it once; every other project keeps its bytes.
int runProjectCommand(const Invocation& invocation, const QString& projectFile, Console& console);

} // namespace quillet::cli
