#include "cli/clitable.h"

#include "cli/clicommands.h"
#include "cli/cliprojectcommands.h"
#include "cli/cliundo.h"
#include "filelist/tempcomments.h"

namespace quillet::cli {

const QList<CommandEntry>& commandTable()
{
    static const QList<CommandEntry> table{
        {Command::List,
         QStringLiteral("list"),
         0,
         {},
         QStringLiteral("list"),
         QStringLiteral("Print the project names, in the order of the project file."),
         runListCommand},
        {Command::Convert,
         QStringLiteral("convert"),
         1,
         {QStringLiteral("--color"), QStringLiteral("--dry-run"), QStringLiteral("--diff")},
         QStringLiteral("[--color #RRGGBB] convert NAME [--dry-run] [--diff]"),
         QStringLiteral("Save the project, then replace the menu of every page with the\n"
                        "project tag <!--NAME-->."),
         runConvertCommand},
        {Command::Restore,
         QStringLiteral("restore"),
         1,
         {QStringLiteral("--color"), QStringLiteral("--menu-file"), QStringLiteral("--dry-run"),
          QStringLiteral("--diff")},
         QStringLiteral("[--color #RRGGBB] restore NAME [--menu-file FILE]\n"
                        "              [--dry-run] [--diff]"),
         QStringLiteral("Replace the project tag of every page with the menu and highlight\n"
                        "the page's link to itself. The project is saved only with\n"
                        "--menu-file."),
         runRestoreCommand},
        {Command::Comments,
         QStringLiteral("comments"),
         1,
         {QStringLiteral("--dry-run"), QStringLiteral("--diff")},
         QStringLiteral("comments NAME [--dry-run] [--diff]"),
         QStringLiteral("Turn the temporary comment ") + temporaryComment +
             QStringLiteral(" of every page into the\nproject tag."),
         runCommentsCommand},
        {Command::Check,
         QStringLiteral("check"),
         1,
         {QStringLiteral("--json")},
         QStringLiteral("check NAME [--json]"),
         QStringLiteral("Print one line per page: converted (holds the project tag),\n"
                        "restored (holds the menu, its own link highlighted), unmarked (holds\n"
                        "the menu, its own link plain), drifted (holds a copy of the menu that\n"
                        "differs from it; the lines align would replace and a diff follow),\n"
                        "none (none of these) or unreadable; then a summary line.\n"
                        "Exit status 0 when every page is restored or every page is\n"
                        "converted, else 1."),
         runCheckCommand},
        {Command::Align,
         QStringLiteral("align"),
         1,
         {QStringLiteral("--dry-run"), QStringLiteral("--diff")},
         QStringLiteral("align NAME [--dry-run] [--diff]"),
         QStringLiteral("In every page that holds neither the menu nor the project tag, replace\n"
                        "its copy of the menu (between <!--MenuStart--> and <!--MenuEnd-->, or\n"
                        "else the one block of lines sharing at least 60 % of its lines with\n"
                        "the menu) with the menu, its own link highlighted. A page with two\n"
                        "such copies is left alone."),
         runAlignCommand},
        {Command::Undo,
         QStringLiteral("undo"),
         0,
         {QStringLiteral("--list")},
         QStringLiteral("undo [--list]"),
         QStringLiteral("Give the pages back what they held before the last command recorded\n"
                        "for this project file (convert, restore, comments, a save's link\n"
                        "corrections, the window's commands). A page changed since is left\n"
                        "alone and listed (exit status 1). Run again to take back the command\n"
                        "before. The project file is not changed. The journal in the user's\n"
                        "data folder keeps the last 20 commands."),
         runUndo},
        {Command::Add,
         QStringLiteral("add"),
         2,
         {},
         QStringLiteral("add NAME PATH..."),
         QStringLiteral("Add pages; a folder adds the HTML files directly in it. Creates the\n"
                        "project if it does not exist; a project without a menu takes the\n"
                        "first menu of its pages."),
         runAddCommand},
        {Command::Remove,
         QStringLiteral("remove"),
         2,
         {},
         QStringLiteral("remove NAME PATH..."),
         QStringLiteral("Take pages out of the project (the files stay)."),
         runRemoveCommand},
        {Command::Menu,
         QStringLiteral("menu"),
         1,
         {QStringLiteral("--from-file"), QStringLiteral("--from-page"),
          QStringLiteral("--relative-to-site")},
         QStringLiteral("menu NAME [--from-file FILE | --from-page PAGE]\n"
                        "              [--relative-to-site on|off]"),
         QStringLiteral("Store as the menu the contents of a file (--from-file) or the text\n"
                        "between <!--MenuStart--> and <!--MenuEnd--> of a page (--from-page).\n"
                        "--relative-to-site on marks the menu's relative links as written from\n"
                        "the site folder: each page then gets them led up from its own folder."),
         runMenuCommand},
        {Command::Show,
         QStringLiteral("show"),
         1,
         {},
         QStringLiteral("show NAME"),
         QStringLiteral("Print the file list and the menu."),
         runShowCommand},
        {Command::Delete,
         QStringLiteral("delete"),
         1,
         {QStringLiteral("--dry-run")},
         QStringLiteral("delete NAME [--dry-run]"),
         QStringLiteral("Delete the project without asking (the pages are not changed).\n"
                        "With --dry-run, print the change to the project file instead."),
         runDeleteCommand},
    };
    return table;
}

const QList<OptionEntry>& optionTable()
{
    static const QList<OptionEntry> table{
        {QStringLiteral("--project-file"), QStringLiteral("FILE"),
         QStringLiteral("The project file (default: the window's mprj.xml; for an\n"
                        "installed program ~/.local/share/quillet/mprj.xml)."),
         nullptr, &Invocation::projectFile},
        {QStringLiteral("--color"), QStringLiteral("#RRGGBB"),
         QStringLiteral("The colour of the highlighted link (default: tomato)."), nullptr,
         &Invocation::colour},
        {QStringLiteral("--menu-file"), QStringLiteral("FILE"),
         QStringLiteral("restore: store the file's text as the project's menu\n"
                        "first."),
         nullptr, &Invocation::menuFile},
        {QStringLiteral("--from-file"), QStringLiteral("FILE"),
         QStringLiteral("menu: the menu is the text of this file."), nullptr,
         &Invocation::fromFile},
        {QStringLiteral("--from-page"), QStringLiteral("PAGE"),
         QStringLiteral("menu: the menu is the marked block of this page."), nullptr,
         &Invocation::fromPage},
        {QStringLiteral("--relative-to-site"), QStringLiteral("on|off"),
         QStringLiteral("menu: the menu's relative links are written from the site\n"
                        "folder (on) or from each page's folder (off)."),
         nullptr, &Invocation::relativeToSite},
        {QStringLiteral("--dry-run"), QString(),
         QStringLiteral("Write nothing (no page, no project file, no journal);\n"
                        "print the log and exit as the command would."),
         &Invocation::dryRun},
        {QStringLiteral("--diff"), QString(),
         QStringLiteral("For each page that changes, print a unified diff of its\n"
                        "text in UTF-8."),
         &Invocation::diff},
        {QStringLiteral("--json"), QString(),
         QStringLiteral("check: print the result as one JSON document."), &Invocation::json},
        {QStringLiteral("--list"), QString(),
         QStringLiteral("undo: list what can be taken back, newest first."),
         &Invocation::listJournal},
        {QStringLiteral("--version"), QString(), QStringLiteral("Print the version.")},
        {QStringLiteral("-h, --help"), QString(),
         QStringLiteral("Print this help (COMMAND --help: that command alone).")},
    };
    return table;
}

const QList<ExitStatusEntry>& exitStatusTable()
{
    static const QList<ExitStatusEntry> table{
        {0, QStringLiteral("Done.")},
        {1, QStringLiteral("A page could not be read or written (check: the pages do not\n"
                           "agree; undo: a page was left alone).")},
        {2, QStringLiteral("A usage error, or an error message.")},
    };
    return table;
}

const CommandEntry* commandEntry(Command command)
{
    for (const CommandEntry& entry : commandTable()) {
        if (entry.command == command)
            return &entry;
    }
    return nullptr;
}

const CommandEntry* commandEntryNamed(const QString& word)
{
    for (const CommandEntry& entry : commandTable()) {
        if (entry.word == word)
            return &entry;
    }
    return nullptr;
}

const OptionEntry* optionEntryNamed(const QString& option)
{
    for (const OptionEntry& entry : optionTable()) {
        if (entry.option.split(QStringLiteral(", ")).contains(option))
            return &entry;
    }
    return nullptr;
}

} // namespace quillet::cli
