#include "cli/cliarguments.h"

#include "cli/clitable.h"
#include "filelist/linkcolour.h"

namespace quillet::cli {

namespace {

const QString projectFileOption = QStringLiteral("--project-file");
const QString helpOption = QStringLiteral("--help");
const QString versionOption = QStringLiteral("--version");
const QString endOfOptions = QStringLiteral("--");

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
        if (const CommandEntry* entry =
                m_positional.isEmpty() ? nullptr : commandEntryNamed(m_positional.first()))
            parsed.invocation.helpTopic = entry->command;
        return parsed;
    }

    void readOption(const QString& argument)
    {
        const qsizetype equals = argument.startsWith(endOfOptions) ? argument.indexOf(u'=') : -1;
        const QString option = equals < 0 ? argument : argument.left(equals);
        const OptionEntry* entry = optionEntryNamed(option);
        if (!entry) {
            m_error = QStringLiteral("不明なオプションです: ") + option;
            return;
        }
        if (entry->value.isEmpty()) {
            if (equals >= 0)
                m_error = option + QStringLiteral(" は値を取りません。");
            else
                setFlag(*entry);
            return;
        }
        std::optional<QString>& slot = m_invocation.*(entry->text);
        if (slot.has_value()) {
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
        slot = value;
        if (option != projectFileOption)
            m_given.append(option);
    }

    void setFlag(const OptionEntry& entry)
    {
        if (entry.option.endsWith(helpOption))
            m_help = true;
        else if (entry.option == versionOption)
            m_version = true;
        else {
            m_invocation.*(entry.flag) = true;
            m_given.append(entry.option);
        }
    }

    void buildInvocation()
    {
        if (m_positional.isEmpty()) {
            m_error = QStringLiteral("コマンドがありません。");
            return;
        }
        const CommandEntry* entry = commandEntryNamed(m_positional.first());
        if (!entry) {
            m_error = QStringLiteral("不明なコマンドです: ") + m_positional.first();
            return;
        }
        m_invocation.command = entry->command;
        if (readNames(*entry) && checkOptions(*entry) && checkColour())
            checkMenuSource();
    }

    bool readNames(const CommandEntry& entry)
    {
        const qsizetype given = m_positional.size() - 1;
        if (given < entry.names) {
            m_error =
                m_positional.first() + (entry.names == 1 || given == 0
                                            ? QStringLiteral(" にはプロジェクト名が必要です。")
                                            : QStringLiteral(" にはページのパスが必要です。"));
            return false;
        }
        if (entry.names < 2 && given > entry.names) {
            m_error = QStringLiteral("余分な引数です: ") + m_positional[entry.names + 1];
            return false;
        }
        if (entry.names >= 1)
            m_invocation.name = m_positional[1];
        m_invocation.paths = m_positional.mid(2);
        return true;
    }

    bool checkOptions(const CommandEntry& entry)
    {
        for (const QString& option : std::as_const(m_given)) {
            if (entry.options.contains(option))
                continue;
            QStringList words;
            for (const CommandEntry& taking : commandTable()) {
                if (taking.options.contains(option))
                    words.append(taking.word);
            }
            m_error = option + QStringLiteral(" は ") + words.join(QStringLiteral(" と ")) +
                      QStringLiteral(" でだけ使えます。");
            return false;
        }
        return true;
    }

    bool checkColour()
    {
        const std::optional<QString>& given = m_invocation.colour;
        if (!given)
            return true;
        const std::optional<QString> colour = parseLinkColour(*given);
        if (!colour) {
            m_error = QStringLiteral("色は # と 16 進数 6 桁で指定してください: ") + *given;
            return false;
        }
        m_invocation.linkColour = *colour;
        return true;
    }

    void checkMenuSource()
    {
        if (m_invocation.command != Command::Menu)
            return;
        const std::optional<QString>& mark = m_invocation.relativeToSite;
        if (mark && *mark != QStringLiteral("on") && *mark != QStringLiteral("off")) {
            m_error =
                QStringLiteral("--relative-to-site には on か off を指定してください: ") + *mark;
            return;
        }
        const int sources =
            int(m_invocation.fromFile.has_value()) + int(m_invocation.fromPage.has_value());
        if (sources == 1 || (!sources && mark))
            return;
        m_error = QStringLiteral("menu には --from-file か --from-page のどちらか一つが必要です。");
    }

    const QStringList& m_arguments;
    qsizetype m_next = 0;
    QStringList m_positional;
    QStringList m_given; // the options given, to check each is allowed with the command
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
