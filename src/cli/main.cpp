#include "cli/cli.h"
#include "cli/windowprojectfile.h"
#include "engine/batchintent.h"
#include "engine/pagejournal.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The window's name, so that both find the same per-user data folder.
    QCoreApplication::setApplicationName(QStringLiteral("quillet"));
    // Whatever command this is, no name a killed run left beside the pages stays.
    quillet::BatchIntent::removeLeftNames(quillet::defaultJournalFolder());

    quillet::cli::StandardConsole console;
    return quillet::cli::runCli(QCoreApplication::arguments().mid(1), console,
                                quillet::cli::windowProjectFilePath);
}
