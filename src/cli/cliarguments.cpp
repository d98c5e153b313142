#include "cli/cliarguments.h"

#include "filelist/linkcolour.h"

namespace quillet::cli {

namespace {

const QString projectFileOption = QStringLiteral("--project-file");
const QString colourOption = QStringLiteral("--color");
const QString menuFileOption = QStringLiteral("--menu-file");
const QString fromFileOption = QStringLiteral("--from-file");
const QString fromPageOption = QStringLiteral("--from-page");
const QString helpOption = QStringLiteral("--help");
const QString versionOption = QStringLiteral("--version");
const QString endOfOptions = QStringLiteral("--");

struct CommandRule
{
    const char16_t* word;
    Command command;
    qsizetype names; // positional arguments after the command word: 0, 1, or 2 and more
};

const CommandRule commandRules[] = {
    {u"list", Command::List, 0},       {u"convert", Command::Convert, 1},
    {u"restore", Command::Restore, 1}, {u"comments", Command::Comments, 1},
    {u"undo", Command::Undo, 0},       {u"check", Command::Check, 1},
    {u"add", Command::Add, 2},         {u"remove", Command::Remove, 2},
    {u"menu", Command::Menu, 1},       {u"show", Command::Show, 1},
    {u"delete", Command::Delete, 1},   {u"align", Command::Align, 1},
};

// The commands an option may be given with.
struct OptionRule
{
    const char16_t* option;
    QList<Command> commands;
};

const QList<OptionRule>& optionRules()
{
    static const QList<OptionRule> rules{
        {u"--color", {Command::Convert, Command::Restore}},
        {u"--menu-file", {Command::Restore}},
        {u"--from-file", {Command::Menu}},
        {u"--from-page", {Command::Menu}},
        {u"--dry-run",
         {Command::Convert, Command::Restore, Command::Comments, Command::Align, Command::Delete}},
        {u"--diff", {Command::Convert, Command::Restore, Command::Comments, Command::Align}},
        {u"--json", {Command::Check}},
        {u"--list", {Command::Undo}},
    };
    return rules;
}

QString commandWord(Command command)
{
    for (const CommandRule& rule : commandRules) {
        if (rule.command == command)
            return QString::fromUtf16(rule.word);
    }
    return {};
}

ParsedArguments versionInvocation()
{
    ParsedArguments parsed;
    parsed.invocation.command = Command::Version;
    return parsed;
}

bool looksLikeOption(const QString& argument)
{
    return argument.size() > 1 && argument.startsWith(u'-');
}

const CommandRule* commandNamed(const QString& word)
{
    for (const CommandRule& rule : commandRules) {
        if (word == QString::fromUtf16(rule.word))
            return &rule;
    }
    return nullptr;
}

// Reads the arguments left to right; the first problem found is the one reported.
class ArgumentReader
{
public:
    explicit ArgumentReader(const QStringList& arguments) : m_arguments(arguments) {}

    ParsedArguments read()
    {
        bool optionsEnded = false;
        // --help and --version answer at once: nothing after them is read.
        while (m_next < m_arguments.size() && m_error.isEmpty() && !m_help && !m_version) {
            const QString argument = m_arguments[m_next++];
            if (optionsEnded || !looksLikeOption(argument))
                m_positional.append(argument);
            else if (argument == endOfOptions)
                optionsEnded = true;
            else
                readOption(argument);
        }
        if (m_help)
            return helpInvocation();
        if (m_version)
            return versionInvocation();
        if (m_error.isEmpty())
            buildInvocation();
        return {m_invocation, m_error};
    }

private:
    // "quillet-cli restore --help" tells of restore alone.
    ParsedArguments helpInvocation() const
    {
        ParsedArguments parsed;
        if (const CommandRule* rule =
                m_positional.isEmpty() ? nullptr : commandNamed(m_positional.first()))
            parsed.invocation.helpTopic = rule->command;
        return parsed;
    }

    void readOption(const QString& argument)
    {
        const qsizetype equals = argument.startsWith(endOfOptions) ? argument.indexOf(u'=') : -1;
        const QString option = equals < 0 ? argument : argument.left(equals);
        if (bool* flag = flagSlot(option)) {
            if (equals >= 0)
                m_error = option + QStringLiteral(" は値を取りません。");
            else
                *flag = true;
            if (flag != &m_help && flag != &m_version)
                m_given.append(option);
            return;
        }
        std::optional<QString>* slot = optionSlot(option);
        if (!slot) {
            m_error = QStringLiteral("不明なオプションです: ") + option;
            return;
        }
        if (slot->has_value()) {
            m_error = option + QStringLiteral(" が二度指定されています。");
            return;
        }
        const QString value = equals >= 0                   ? argument.mid(equals + 1)
                              : m_next < m_arguments.size() ? m_arguments[m_next++]
                                                            : QString();
        if (value.isEmpty()) {
            m_error = option + QStringLiteral(" には値が必要です。");
            return;
        }
        *slot = value;
        if (option != projectFileOption)
            m_given.append(option);
    }

    bool* flagSlot(const QString& option)
    {
        if (option == helpOption || option == QStringLiteral("-h"))
            return &m_help;
        if (option == versionOption)
            return &m_version;
        if (option == QStringLiteral("--dry-run"))
            return &m_invocation.dryRun;
        if (option == QStringLiteral("--diff"))
            return &m_invocation.diff;
        if (option == QStringLiteral("--json"))
            return &m_invocation.json;
        if (option == QStringLiteral("--list"))
            return &m_invocation.listJournal;
        return nullptr;
    }

    std::optional<QString>* optionSlot(const QString& option)
    {
        if (option == projectFileOption)
            return &m_projectFile;
        if (option == colourOption)
            return &m_colour;
        if (option == menuFileOption)
            return &m_invocation.menuFile;
        if (option == fromFileOption)
            return &m_invocation.fromFile;
        if (option == fromPageOption)
            return &m_invocation.fromPage;
        return nullptr;
    }

    void buildInvocation()
    {
        if (m_positional.isEmpty()) {
            m_error = QStringLiteral("コマンドがありません。");
            return;
        }
        const CommandRule* rule = commandNamed(m_positional.first());
        if (!rule) {
            m_error = QStringLiteral("不明なコマンドです: ") + m_positional.first();
            return;
        }
        m_invocation.command = rule->command;
        m_invocation.projectFile = m_projectFile;
        if (readNames(*rule) && checkOptions() && checkColour())
            checkMenuSource();
    }

    bool readNames(const CommandRule& rule)
    {
        const qsizetype given = m_positional.size() - 1;
        if (given < rule.names) {
            m_error =
                m_positional.first() + (rule.names == 1 || given == 0
                                            ? QStringLiteral(" にはプロジェクト名が必要です。")
                                            : QStringLiteral(" にはページのパスが必要です。"));
            return false;
        }
        if (rule.names < 2 && given > rule.names) {
            m_error = QStringLiteral("余分な引数です: ") + m_positional[rule.names + 1];
            return false;
        }
        if (rule.names >= 1)
            m_invocation.name = m_positional[1];
        m_invocation.paths = m_positional.mid(2);
        return true;
    }

    bool checkOptions()
    {
        for (const QString& option : std::as_const(m_given)) {
            for (const OptionRule& rule : optionRules()) {
                if (option != QString::fromUtf16(rule.option) ||
                    rule.commands.contains(m_invocation.command))
                    continue;
                QStringList words;
                for (Command command : rule.commands)
                    words.append(commandWord(command));
                m_error = option + QStringLiteral(" は ") + words.join(QStringLiteral(" と ")) +
                          QStringLiteral(" でだけ使えます。");
                return false;
            }
        }
        return true;
    }

    bool checkColour()
    {
        if (!m_colour)
            return true;
        const std::optional<QString> colour = parseLinkColour(*m_colour);
        if (!colour) {
            m_error = QStringLiteral("色は # と 16 進数 6 桁で指定してください: ") + *m_colour;
            return false;
        }
        m_invocation.linkColour = *colour;
        return true;
    }

    void checkMenuSource()
    {
        if (m_invocation.command != Command::Menu ||
            m_invocation.fromFile.has_value() != m_invocation.fromPage.has_value())
            return;
        m_error = QStringLiteral("menu には --from-file か --from-page のどちらか一つが必要です。");
    }

    const QStringList& m_arguments;
    qsizetype m_next = 0;
    QStringList m_positional;
    QStringList m_given; // the options given, to check each is allowed with the command
    std::optional<QString> m_projectFile;
    std::optional<QString> m_colour;
    bool m_help = false;
    bool m_version = false;
    QString m_error;
    Invocation m_invocation;
};

} // namespace

ParsedArguments parseArguments(const QStringList& arguments)
{
    return ArgumentReader(arguments).read();
}

} // namespace quillet::cli
