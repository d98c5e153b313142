#pragma once

#include "cli/cliarguments.h"
#include "cli/console.h"

// The commands of quillet-cli on a project file, doing what the window does.
namespace quillet::cli {

enum ExitStatus : int {
    exitSuccess = 0,
    exitPageFailed = 1, // a page could not be read or written
    exitError = 2,      // a usage error, or the window would have shown an error box
};

// Runs the command (not Help) on the project file; the exit status.
int runCommand(const Invocation& invocation, const QString& projectFile, Console& console);

} // namespace quillet::cli
