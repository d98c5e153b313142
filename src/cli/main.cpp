#include "cli/cli.h"
#include "cli/windowprojectfile.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The window's name, so that both find the same per-user data folder.
    QCoreApplication::setApplicationName(QStringLiteral("quillet"));

    quillet::cli::StandardConsole console;
    return quillet::cli::runCli(QCoreApplication::arguments().mid(1), console,
                                quillet::cli::windowProjectFilePath);
}
