#include "cli/cliarguments.h"

#include "filelist/linkcolour.h"
#include "filelist/tempcomments.h"

namespace quillet::cli {

namespace {

const QString projectFileOption = QStringLiteral("--project-file");
const QString colourOption = QStringLiteral("--color");
const QString menuFileOption = QStringLiteral("--menu-file");
const QString helpOption = QStringLiteral("--help");
const QString versionOption = QStringLiteral("--version");
const QString endOfOptions = QStringLiteral("--");

bool looksLikeOption(const QString& argument)
{
    return argument.size() > 1 && argument.startsWith(u'-');
}

std::optional<Command> commandNamed(const QString& word)
{
    if (word == QStringLiteral("list"))
        return Command::List;
    if (word == QStringLiteral("convert"))
        return Command::Convert;
    if (word == QStringLiteral("restore"))
        return Command::Restore;
    if (word == QStringLiteral("comments"))
        return Command::Comments;
    return std::nullopt;
}

// Reads the arguments left to right; the first problem found is the one reported.
class ArgumentReader
{
public:
    explicit ArgumentReader(const QStringList& arguments) : m_arguments(arguments) {}

    ParsedArguments read()
    {
        bool optionsEnded = false;
        while (m_next < m_arguments.size() && m_error.isEmpty() && !m_answer) {
            const QString argument = m_arguments[m_next++];
            if (optionsEnded || !looksLikeOption(argument))
                m_positional.append(argument);
            else if (argument == endOfOptions)
                optionsEnded = true;
            else
                readOption(argument);
        }
        if (m_answer) {
            Invocation answer;
            answer.command = *m_answer;
            return {answer, QString()};
        }
        if (m_error.isEmpty())
            buildInvocation();
        return {m_invocation, m_error};
    }

private:
    void readOption(const QString& argument)
    {
        const qsizetype equals = argument.startsWith(endOfOptions) ? argument.indexOf(u'=') : -1;
        const QString option = equals < 0 ? argument : argument.left(equals);
        const bool help = option == helpOption || option == QStringLiteral("-h");
        if (help || option == versionOption) {
            if (equals < 0)
                m_answer = help ? Command::Help : Command::Version;
            else
                m_error = option + QStringLiteral(" は値を取りません。");
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
        if (value.isEmpty())
            m_error = option + QStringLiteral(" には値が必要です。");
        else
            *slot = value;
    }

    std::optional<QString>* optionSlot(const QString& option)
    {
        if (option == projectFileOption)
            return &m_projectFile;
        if (option == colourOption)
            return &m_colour;
        if (option == menuFileOption)
            return &m_menuFile;
        return nullptr;
    }

    void buildInvocation()
    {
        if (m_positional.isEmpty()) {
            m_error = QStringLiteral("コマンドがありません。");
            return;
        }
        const std::optional<Command> command = commandNamed(m_positional.first());
        if (!command) {
            m_error = QStringLiteral("不明なコマンドです: ") + m_positional.first();
            return;
        }
        m_invocation.command = *command;
        m_invocation.projectFile = m_projectFile;
        if (readName() && checkColour())
            checkMenuFile();
    }

    bool readName()
    {
        const qsizetype wanted = m_invocation.command == Command::List ? 1 : 2;
        if (m_positional.size() < wanted) {
            m_error = m_positional.first() + QStringLiteral(" にはプロジェクト名が必要です。");
            return false;
        }
        if (m_positional.size() > wanted) {
            m_error = QStringLiteral("余分な引数です: ") + m_positional[wanted];
            return false;
        }
        if (wanted == 2)
            m_invocation.name = m_positional[1];
        return true;
    }

    bool checkColour()
    {
        if (!m_colour)
            return true;
        const Command command = m_invocation.command;
        if (command != Command::Convert && command != Command::Restore) {
            m_error = colourOption + QStringLiteral(" は convert と restore でだけ使えます。");
            return false;
        }
        const std::optional<QString> colour = parseLinkColour(*m_colour);
        if (!colour) {
            m_error = QStringLiteral("色は # と 16 進数 6 桁で指定してください: ") + *m_colour;
            return false;
        }
        m_invocation.linkColour = *colour;
        return true;
    }

    void checkMenuFile()
    {
        if (m_menuFile && m_invocation.command != Command::Restore)
            m_error = menuFileOption + QStringLiteral(" は restore でだけ使えます。");
        else
            m_invocation.menuFile = m_menuFile;
    }

    const QStringList& m_arguments;
    qsizetype m_next = 0;
    QStringList m_positional;
    std::optional<QString> m_projectFile;
    std::optional<QString> m_colour;
    std::optional<QString> m_menuFile;
    std::optional<Command> m_answer; // --help or --version: nothing else is read
    QString m_error;
    Invocation m_invocation;
};

} // namespace

ParsedArguments parseArguments(const QStringList& arguments)
{
    return ArgumentReader(arguments).read();
}

QString usageSynopsis()
{
    return QStringLiteral(
        "使い方:\n"
        "  quillet-cli [--project-file FILE] list\n"
        "  quillet-cli [--project-file FILE] [--color #RRGGBB] convert NAME\n"
        "  quillet-cli [--project-file FILE] [--color #RRGGBB] restore NAME [--menu-file FILE]\n"
        "  quillet-cli [--project-file FILE] comments NAME");
}

QString helpText()
{
    return usageSynopsis() +
           QStringLiteral("\n\n"
                          "コマンド:\n"
                          "  list      プロジェクト名をファイルの順に表示します。\n"
                          "  convert   プロジェクトを保存し、各ページのメニューをプロジェクトタグ "
                          "<!--NAME--> に変換します。\n"
                          "  restore   各ページのプロジェクトタグをメニューに戻し、"
                          "ページ自身へのリンクを強調します。\n"
                          "            --menu-file がなければプロジェクトは保存しません。\n"
                          "  comments  各ページの仮のコメント ") +
           temporaryComment +
           QStringLiteral(" をプロジェクトタグに直します。\n"
                          "\n"
                          "オプション:\n"
                          "  --project-file FILE  プロジェクトファイル (既定: ウィンドウと同じ "
                          "mprj.xml。\n"
                          "                       インストールしたプログラムでは "
                          "~/.local/share/quillet/mprj.xml)\n"
                          "  --color #RRGGBB      強調するリンクの色 (既定: tomato)\n"
                          "  --menu-file FILE     このファイルの内容をメニューとしてプロジェクトに"
                          "保存してから戻します (restore のみ)\n"
                          "  -h, --help           この説明を表示します。\n"
                          "  --version            バージョンを表示します。\n"
                          "\n"
                          "ログは標準出力に、メッセージは標準エラー出力に出ます。\n"
                          "終了コード: 0 成功、1 読み書きできないページがあった、"
                          "2 使い方の誤りまたはエラー。");
}

} // namespace quillet::cli
