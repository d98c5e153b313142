#include "cli/cli.h"

#include "cli/cliarguments.h"
#include "cli/clicommands.h"
#include "cli/clihelp.h"
#include "cli/clitable.h"

#include "appversion.h"

namespace quillet::cli {

int runCli(const QStringList& arguments, Console& console,
           const std::function<QString()>& defaultProjectFile)
{
    const ParsedArguments parsed = parseArguments(arguments);
    if (!parsed.usageError.isEmpty()) {
        console.writeError(applicationTitle + QStringLiteral(": ") + parsed.usageError);
        console.writeError(usageSynopsis());
        console.writeError(QStringLiteral("詳しくは quillet-cli --help を見てください。"));
        return exitError;
    }
    const Invocation& invocation = parsed.invocation;
    if (invocation.command == Command::Help) {
        console.writeOut(invocation.helpTopic ? commandHelpText(*invocation.helpTopic)
                                              : helpText());
        return exitSuccess;
    }
    if (invocation.command == Command::Version) {
        console.writeOut(QStringLiteral("quillet-cli ") + QLatin1StringView(appVersion));
        return exitSuccess;
    }
    // Finding the default probes the program folder, so only when it is needed.
    const QString projectFile =
        invocation.projectFile ? *invocation.projectFile : defaultProjectFile();
    return commandEntry(invocation.command)->handler(invocation, projectFile, console);
}

} // namespace quillet::cli
