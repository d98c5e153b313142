#pragma once

#include "cli/console.h"

#include <QStringList>
#include <functional>

// quillet-cli as a whole, apart from the process: arguments in, exit status out.
namespace quillet::cli {

// Reads the arguments (without the program name), prints the usage for --help or a usage
// error, else runs the command on the project file given, or on defaultProjectFile().
int runCli(const QStringList& arguments, Console& console,
           const std::function<QString()>& defaultProjectFile);

} // namespace quillet::cli
