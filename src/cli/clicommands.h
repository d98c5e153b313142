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

// The commands that run over a project's pages, and list; each gives the exit status.
int runListCommand(const Invocation& invocation, const QString& projectFile, Console& console);
int runConvertCommand(const Invocation& invocation, const QString& projectFile, Console& console);
int runRestoreCommand(const Invocation& invocation, const QString& projectFile, Console& console);
int runCommentsCommand(const Invocation& invocation, const QString& projectFile, Console& console);
int runCheckCommand(const Invocation& invocation, const QString& projectFile, Console& console);
int runAlignCommand(const Invocation& invocation, const QString& projectFile, Console& console);

} // namespace quillet::cli
