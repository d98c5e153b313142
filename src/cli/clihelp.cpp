#include "cli/clihelp.h"

#include "filelist/tempcomments.h"

namespace quillet::cli {

const QList<CommandHelp>& commandHelps()
{
    static const QList<CommandHelp> helps{
        {Command::List, QStringLiteral("list"), QStringLiteral("list"),
         QStringLiteral("Print the project names, in the order of the project file.")},
        {Command::Convert, QStringLiteral("convert"),
         QStringLiteral("[--color #RRGGBB] convert NAME [--dry-run] [--diff]"),
         QStringLiteral("Save the project, then replace the menu of every page with the\n"
                        "project tag <!--NAME-->.")},
        {Command::Restore, QStringLiteral("restore"),
         QStringLiteral("[--color #RRGGBB] restore NAME [--menu-file FILE]\n"
                        "              [--dry-run] [--diff]"),
         QStringLiteral("Replace the project tag of every page with the menu and highlight\n"
                        "the page's link to itself. The project is saved only with\n"
                        "--menu-file.")},
        {Command::Comments, QStringLiteral("comments"),
         QStringLiteral("comments NAME [--dry-run] [--diff]"),
         QStringLiteral("Turn the temporary comment ") + temporaryComment +
             QStringLiteral(" of every page into the\nproject tag.")},
        {Command::Check, QStringLiteral("check"), QStringLiteral("check NAME [--json]"),
         QStringLiteral("Print one line per page: converted (holds the project tag),\n"
                        "restored (holds the menu, its own link highlighted), unmarked (holds\n"
                        "the menu, its own link plain), drifted (holds a copy of the menu that\n"
                        "differs from it; the lines align would replace and a diff follow),\n"
                        "none (none of these) or unreadable; then a summary line.\n"
                        "Exit status 0 when every page is restored or every page is\n"
                        "converted, else 1.")},
        {Command::Align, QStringLiteral("align"), QStringLiteral("align NAME [--dry-run] [--diff]"),
         QStringLiteral("In every page that holds neither the menu nor the project tag, replace\n"
                        "its copy of the menu (between <!--MenuStart--> and <!--MenuEnd-->, or\n"
                        "else the one block of lines sharing at least 60 % of its lines with\n"
                        "the menu) with the menu, its own link highlighted. A page with two\n"
                        "such copies is left alone.")},
        {Command::Undo, QStringLiteral("undo"), QStringLiteral("undo [--list]"),
         QStringLiteral("Give the pages back what they held before the last command recorded\n"
                        "for this project file (convert, restore, comments, a save's link\n"
                        "corrections, the window's commands). A page changed since is left\n"
                        "alone and listed (exit status 1). Run again to take back the command\n"
                        "before. The project file is not changed. The journal in the user's\n"
                        "data folder keeps the last 20 commands.")},
        {Command::Add, QStringLiteral("add"), QStringLiteral("add NAME PATH..."),
         QStringLiteral("Add pages; a folder adds the HTML files directly in it. Creates the\n"
                        "project if it does not exist; a project without a menu takes the\n"
                        "first menu of its pages.")},
        {Command::Remove, QStringLiteral("remove"), QStringLiteral("remove NAME PATH..."),
         QStringLiteral("Take pages out of the project (the files stay).")},
        {Command::Menu, QStringLiteral("menu"),
         QStringLiteral("menu NAME (--from-file FILE | --from-page PAGE)"),
         QStringLiteral("Store as the menu the contents of a file (--from-file) or the text\n"
                        "between <!--MenuStart--> and <!--MenuEnd--> of a page (--from-page).")},
        {Command::Show, QStringLiteral("show"), QStringLiteral("show NAME"),
         QStringLiteral("Print the file list and the menu.")},
        {Command::Delete, QStringLiteral("delete"), QStringLiteral("delete NAME [--dry-run]"),
         QStringLiteral("Delete the project without asking (the pages are not changed).\n"
                        "With --dry-run, print the change to the project file instead.")},
    };
    return helps;
}

const QList<OptionHelp>& optionHelps()
{
    static const QList<OptionHelp> helps{
        {QStringLiteral("--project-file"), QStringLiteral("FILE"),
         QStringLiteral("The project file (default: the window's mprj.xml; for an\n"
                        "installed program ~/.local/share/quillet/mprj.xml).")},
        {QStringLiteral("--color"), QStringLiteral("#RRGGBB"),
         QStringLiteral("The colour of the highlighted link (default: tomato).")},
        {QStringLiteral("--menu-file"), QStringLiteral("FILE"),
         QStringLiteral("restore: store the file's text as the project's menu\n"
                        "first.")},
        {QStringLiteral("--from-file"), QStringLiteral("FILE"),
         QStringLiteral("menu: the menu is the text of this file.")},
        {QStringLiteral("--from-page"), QStringLiteral("PAGE"),
         QStringLiteral("menu: the menu is the marked block of this page.")},
        {QStringLiteral("--dry-run"), QString(),
         QStringLiteral("Write nothing (no page, no project file, no journal);\n"
                        "print the log and exit as the command would.")},
        {QStringLiteral("--diff"), QString(),
         QStringLiteral("For each page that changes, print a unified diff of its\n"
                        "text in UTF-8.")},
        {QStringLiteral("--json"), QString(),
         QStringLiteral("check: print the result as one JSON document.")},
        {QStringLiteral("--list"), QString(),
         QStringLiteral("undo: list what can be taken back, newest first.")},
        {QStringLiteral("--version"), QString(), QStringLiteral("Print the version.")},
        {QStringLiteral("-h, --help"), QString(),
         QStringLiteral("Print this help (COMMAND --help: that command alone).")},
    };
    return helps;
}

const QList<ExitStatusHelp>& exitStatusHelps()
{
    static const QList<ExitStatusHelp> helps{
        {0, QStringLiteral("Done.")},
        {1, QStringLiteral("A page could not be read or written (check: the pages do not\n"
                           "agree; undo: a page was left alone).")},
        {2, QStringLiteral("A usage error, or an error message.")},
    };
    return helps;
}

QString usagePrefix()
{
    return QStringLiteral("quillet-cli [--project-file FILE] ");
}

namespace {

const CommandHelp* helpOf(Command command)
{
    for (const CommandHelp& help : commandHelps()) {
        if (help.command == command)
            return &help;
    }
    return nullptr;
}

// The first line after "  " + head (padded to width), the following lines indented under it.
QString hangingLines(const QString& head, qsizetype width, const QString& text)
{
    QStringList lines = text.split(u'\n');
    lines.first() = QStringLiteral("  ") + head.leftJustified(width) + lines.first();
    for (qsizetype i = 1; i < lines.size(); ++i)
        lines[i] = QString(2 + width, u' ') + lines[i];
    return lines.join(u'\n');
}

QString describedCommand(const CommandHelp& help)
{
    return hangingLines(help.word, 10, help.description);
}

QString optionsAndExit()
{
    QStringList lines{QStringLiteral("Options:")};
    for (const OptionHelp& help : optionHelps()) {
        const QString head = help.value.isEmpty() ? help.option : help.option + u' ' + help.value;
        lines.append(hangingLines(head, 21, help.description));
    }
    lines.append(QString());
    lines.append(QStringLiteral(
        "The log goes to standard output, messages to standard error, in Japanese."));
    lines.append(QStringLiteral("Exit status:"));
    for (const ExitStatusHelp& help : exitStatusHelps())
        lines.append(hangingLines(QString::number(help.status), 3, help.meaning));
    lines.append(QString());
    lines.append(
        QStringLiteral("The files used and an example of the whole cycle: man quillet-cli"));
    return lines.join(u'\n');
}

} // namespace

QString usageSynopsis()
{
    QStringList lines{QStringLiteral("Usage:")};
    for (const CommandHelp& help : commandHelps())
        lines.append(QStringLiteral("  ") + usagePrefix() + help.usage);
    lines.append(QStringLiteral("  quillet-cli --version"));
    return lines.join(u'\n');
}

QString helpText()
{
    QStringList described;
    for (const CommandHelp& help : commandHelps())
        described.append(describedCommand(help));
    return usageSynopsis() + QStringLiteral("\n\nCommands:\n") + described.join(u'\n') +
           QStringLiteral("\n\n") + optionsAndExit();
}

QString commandHelpText(Command command)
{
    const CommandHelp* help = helpOf(command);
    if (!help)
        return helpText();
    return QStringLiteral("Usage:\n  ") + usagePrefix() + help->usage + QStringLiteral("\n\n") +
           describedCommand(*help) + QStringLiteral("\n\n") + optionsAndExit();
}

} // namespace quillet::cli
