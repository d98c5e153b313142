#include "cli/clihelp.h"

#include "filelist/tempcomments.h"

#include <QList>

namespace quillet::cli {

namespace {

struct CommandHelp
{
    Command command;
    QString word;
    QString usage;       // after "quillet-cli [--project-file FILE] "
    QString description; // lines after the command's word, indented to line up
};

const QString projectFileUsage = QStringLiteral("quillet-cli [--project-file FILE] ");

const QList<CommandHelp>& commandHelps()
{
    static const QList<CommandHelp> helps{
        {Command::List, QStringLiteral("list"), QStringLiteral("list"),
         QStringLiteral("プロジェクト名をファイルの順に表示します。")},
        {Command::Convert, QStringLiteral("convert"),
         QStringLiteral("[--color #RRGGBB] convert NAME [--dry-run] [--diff]"),
         QStringLiteral("プロジェクトを保存し、各ページのメニューをプロジェクトタグ <!--NAME--> "
                        "に変換します。")},
        {Command::Restore, QStringLiteral("restore"),
         QStringLiteral("[--color #RRGGBB] restore NAME [--menu-file FILE]\n"
                        "              [--dry-run] [--diff]"),
         QStringLiteral("各ページのプロジェクトタグをメニューに戻し、ページ自身へのリンクを"
                        "強調します。\n"
                        "--menu-file がなければプロジェクトは保存しません。")},
        {Command::Comments, QStringLiteral("comments"),
         QStringLiteral("comments NAME [--dry-run] [--diff]"),
         QStringLiteral("各ページの仮のコメント ") + temporaryComment +
             QStringLiteral(" をプロジェクトタグに直します。")},
        {Command::Check, QStringLiteral("check"), QStringLiteral("check NAME [--json]"),
         QStringLiteral(
             "各ページの状態を 1 行ずつ表示します: converted (プロジェクトタグあり)、\n"
             "restored (メニューあり、自身のリンクを強調)、unmarked (メニューあり、強調なし)、\n"
             "drifted (メニューと違う写しがある。align が置き換える行と差分を続けて表示)、\n"
             "none (どれでもない)、unreadable (読み込めない)。最後に集計の行。\n"
             "全ページが restored か、全ページが converted なら終了コード 0、そうでなければ 1。")},
        {Command::Align, QStringLiteral("align"), QStringLiteral("align NAME [--dry-run] [--diff]"),
         QStringLiteral(
             "メニューもプロジェクトタグも持たないページで、メニューの写し (<!--MenuStart--> と\n"
             "<!--MenuEnd--> の間、なければメニューと 6 割以上同じ行の一続き) をメニューに\n"
             "置き換え、自身のリンクを強調します。写しが二つ以上あるページはそのままです。")},
        {Command::Undo, QStringLiteral("undo"), QStringLiteral("undo [--list]"),
         QStringLiteral(
             "このプロジェクトファイルで最後に記録された処理 (convert、restore、comments、\n"
             "保存時のリンク修正、ウィンドウでの処理) の前の内容にページを戻します。\n"
             "処理の後に変更されたページはそのままにして表示します (終了コード 1)。\n"
             "もう一度実行すると、その前の処理を戻します。プロジェクトファイルは変えません。\n"
             "記録は利用者のデータフォルダに最後の 20 件まで残ります。")},
        {Command::Add, QStringLiteral("add"), QStringLiteral("add NAME PATH..."),
         QStringLiteral("ページを追加します。フォルダなら直下の HTML ファイルを追加します。\n"
                        "プロジェクトがなければ作ります。メニューがなければ、ページの最初の"
                        "メニューを取ります。")},
        {Command::Remove, QStringLiteral("remove"), QStringLiteral("remove NAME PATH..."),
         QStringLiteral("ページをプロジェクトから外します (ファイルは消しません)。")},
        {Command::Menu, QStringLiteral("menu"),
         QStringLiteral("menu NAME (--from-file FILE | --from-page PAGE)"),
         QStringLiteral("ファイルの内容 (--from-file) か、ページの <!--MenuStart--> と "
                        "<!--MenuEnd--> の\n"
                        "間 (--from-page) をメニューとして保存します。")},
        {Command::Show, QStringLiteral("show"), QStringLiteral("show NAME"),
         QStringLiteral("ファイルの一覧とメニューを表示します。")},
        {Command::Delete, QStringLiteral("delete"), QStringLiteral("delete NAME [--dry-run]"),
         QStringLiteral("プロジェクトを削除します (確認はしません。ページは変えません)。\n"
                        "--dry-run では、プロジェクトファイルの変わる所を表示します。")},
    };
    return helps;
}

const CommandHelp* helpOf(Command command)
{
    for (const CommandHelp& help : commandHelps()) {
        if (help.command == command)
            return &help;
    }
    return nullptr;
}

// "  word      first line" and the following lines indented under the first.
QString describedCommand(const CommandHelp& help)
{
    QStringList lines = help.description.split(u'\n');
    lines.first() = QStringLiteral("  ") + help.word.leftJustified(10) + lines.first();
    for (qsizetype i = 1; i < lines.size(); ++i)
        lines[i] = QString(12, u' ') + lines[i];
    return lines.join(u'\n');
}

QString optionsAndExit()
{
    return QStringLiteral(
        "オプション:\n"
        "  --project-file FILE  プロジェクトファイル (既定: ウィンドウと同じ mprj.xml。\n"
        "                       インストールしたプログラムでは "
        "~/.local/share/quillet/mprj.xml)\n"
        "  --color #RRGGBB      強調するリンクの色 (既定: tomato)\n"
        "  --menu-file FILE     このファイルの内容をメニューとしてプロジェクトに"
        "保存してから戻します (restore のみ)\n"
        "  --dry-run            何も書き込まずに、出るはずのログと終了コードを返します。\n"
        "  --diff               変わるページごとに、内容の差分 (unified diff、UTF-8) を"
        "表示します。\n"
        "  --json               check の結果を一つの JSON で表示します。\n"
        "  --list               undo で戻せる処理を新しい順に表示します。\n"
        "  --version            バージョンを表示します。\n"
        "  -h, --help           この説明を表示します (COMMAND --help はそのコマンドだけ)。\n"
        "\n"
        "ログは標準出力に、メッセージは標準エラー出力に出ます。\n"
        "終了コード: 0 成功、1 読み書きできないページがあった (check: 一致していない、"
        "undo: 戻せないページがあった)、\n"
        "2 使い方の誤りまたはエラー。");
}

} // namespace

QString usageSynopsis()
{
    QStringList lines{QStringLiteral("使い方:")};
    for (const CommandHelp& help : commandHelps())
        lines.append(QStringLiteral("  ") + projectFileUsage + help.usage);
    lines.append(QStringLiteral("  quillet-cli --version"));
    return lines.join(u'\n');
}

QString helpText()
{
    QStringList described;
    for (const CommandHelp& help : commandHelps())
        described.append(describedCommand(help));
    return usageSynopsis() + QStringLiteral("\n\nコマンド:\n") + described.join(u'\n') +
           QStringLiteral("\n\n") + optionsAndExit();
}

QString commandHelpText(Command command)
{
    const CommandHelp* help = helpOf(command);
    if (!help)
        return helpText();
    return QStringLiteral("使い方:\n  ") + projectFileUsage + help->usage + QStringLiteral("\n\n") +
           describedCommand(*help) + QStringLiteral("\n\n") + optionsAndExit();
}

} // namespace quillet::cli
