#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The command line of quillet-cli, read into what to do.
namespace quillet::cli {

enum class Command {
    Help,
    Version,
    List,
    Convert,
    Restore,
    Comments,
    Undo,
    Check,
    Align,
    Add,
    Remove,
    Menu,
    Show,
    Delete,
};

struct Invocation
{
    Command command = Command::Help;
    QString name;                          // the project name (every command but list and undo)
    QStringList paths;                     // add and remove: the pages, as given
    std::optional<QString> projectFile;    // absent: the window's project file
    std::optional<QString> colour;         // --color as given
    QString linkColour;                    // "#RRGGBB" upper-cased; empty: the default colour
    std::optional<QString> menuFile;       // restore only: the menu text to write back
    std::optional<QString> fromFile;       // menu: the menu text from this file
    std::optional<QString> fromPage;       // menu: the menu block of this page
    std::optional<QString> relativeToSite; // menu: "on" or "off", the links' mark
    bool dryRun = false;                   // write nothing, print what would be done
    bool diff = false;                     // print the changes of the pages
    bool json = false;                     // check: one JSON document
    bool listJournal = false;              // undo: list the commands that can be taken back
    std::optional<Command> helpTopic;      // Help: the command named before --help, if any
};

struct ParsedArguments
{
    Invocation invocation;
    QString usageError; // set when the arguments cannot be used; then print the usage
};

// Reads the arguments after the program name. Options may stand before or after the
// command; "--" ends the options, so a project name may begin with "-".
ParsedArguments parseArguments(const QStringList& arguments);

} // namespace quillet::cli
