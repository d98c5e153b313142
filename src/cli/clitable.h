#pragma once

#include "cli/cliarguments.h"
#include "cli/console.h"

#include <QList>
#include <QString>
#include <QStringList>

// The one table of quillet-cli's commands and the one of its options. The parser, --help, the
// manual page (and through --help the shell completion) and the dispatch all read them: a
// command is added in one place.
namespace quillet::cli {

using CommandHandler = int (*)(const Invocation& invocation, const QString& projectFile,
                               Console& console);

struct CommandEntry
{
    Command command;
    QString word;
    qsizetype names;        // positional arguments after the word: 0, 1, or 2 and more
    QStringList options;    // the options it takes besides --project-file and --help
    QString usage;          // after "quillet-cli [--project-file FILE] "
    QString description;    // lines after the command's word, indented to line up
    CommandHandler handler; // runs it on the project file; the exit status
};

struct OptionEntry
{
    QString option;      // "--color", or "-h, --help"
    QString value;       // "#RRGGBB", "FILE"; empty for a flag
    QString description; // lines, indented to line up
    // Where the parser puts it; neither for --help and --version, which the parser answers.
    bool Invocation::*flag = nullptr;
    std::optional<QString> Invocation::*text = nullptr;
};

struct ExitStatusEntry
{
    int status;
    QString meaning;
};

// In the order of --help.
const QList<CommandEntry>& commandTable();
const QList<OptionEntry>& optionTable();
const QList<ExitStatusEntry>& exitStatusTable();

// The entry of the command, or of its word; nothing for Help and Version or an unknown word.
const CommandEntry* commandEntry(Command command);
const CommandEntry* commandEntryNamed(const QString& word);

// The entry of an option as given ("-h" and "--help" name one entry), or nothing.
const OptionEntry* optionEntryNamed(const QString& option);

} // namespace quillet::cli
