#pragma once

#include "cli/cliarguments.h"
#include "cli/console.h"

namespace quillet::cli {

// undo: takes back the last journalled command of the project file (exit 0, or 1 when a page
// was left as it was), or with --list shows the commands that can be taken back.
int runUndo(const Invocation& invocation, const QString& projectFile, Console& console);

} // namespace quillet::cli
