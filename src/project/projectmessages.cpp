#include "project/projectmessages.h"

namespace quillet {

namespace {

const QString writeErrorTitle = QStringLiteral("XML書き込みエラー");
const QString deletionErrorTitle = QStringLiteral("プロジェクト消去エラー");
const QString malformedText = QStringLiteral("プロジェクトファイルの形式が正しくありません。");

} // namespace

std::optional<UserMessage> checkSaveName(const QString& name)
{
    if (!name.isEmpty())
        return std::nullopt;
    return UserMessage{QStringLiteral("プロジェクト名が有りません。"),
                       QStringLiteral("プロジェクト名を入力して下さい。")};
}

UserMessage deleteQuestion(const QString& name)
{
    return {{}, QStringLiteral("プロジェクト「") + name + QStringLiteral("」を削除しますか?")};
}

UserMessage saveChangesQuestion()
{
    return {QString(), QStringLiteral("変更を保存しますか?")};
}

UserMessage overwriteQuestion()
{
    return {QStringLiteral("プロジェクトの更新"),
            QStringLiteral("プロジェクトの書き換えを行います。")};
}

UserMessage changedOnDiskQuestion(const QString& name)
{
    return {QStringLiteral("プロジェクトの更新"),
            QStringLiteral("プロジェクト「") + name +
                QStringLiteral("」は読み込んだ後で他のプログラムが変更しました。"
                               "\r\nこのウィンドウの内容で書き換えますか?")};
}

UserMessage noFilesToSaveMessage()
{
    return {QStringLiteral("プロジェクト保存エラー"),
            QStringLiteral("プロジェクトの保存には少なくても１つのファイルが必要です。")};
}

UserMessage lastProjectNotWrittenMessage()
{
    return {writeErrorTitle, QStringLiteral("最後のファイルが書き込めませんでした。")};
}

UserMessage malformedForSaveMessage()
{
    return {writeErrorTitle, malformedText};
}

UserMessage malformedForDeletionMessage()
{
    return {deletionErrorTitle, malformedText};
}

UserMessage projectNotFoundMessage()
{
    return {deletionErrorTitle, QStringLiteral("プロジェクトが見つかりませんでした。")};
}

UserMessage projectChangedMessage(const QString& name)
{
    return {writeErrorTitle, QStringLiteral("プロジェクト「") + name +
                                 QStringLiteral("」は他のプログラムが変更しました。"
                                                "もう一度実行して下さい。")};
}

UserMessage projectFileUnreadableMessage(const QString& error)
{
    return {QStringLiteral("XML読み込みエラー"),
            QStringLiteral("プロジェクトファイルを読み込めませんでした。\r\n") + error};
}

UserMessage projectFileDamagedMessage(qsizetype line)
{
    return {QStringLiteral("XML読み込みエラー"),
            QStringLiteral("プロジェクトファイルが壊れています。%1 行目で読み込みを止めました。")
                .arg(line)};
}

UserMessage projectFileUnwritableMessage(const QString& error)
{
    return {writeErrorTitle,
            QStringLiteral("プロジェクトファイルを書き込めませんでした。\r\n") + error};
}

UserMessage projectFileLockedMessage(const QString& lockFile)
{
    return {writeErrorTitle,
            QStringLiteral("他のプログラムがプロジェクトファイルを使用中です。\r\n") + lockFile};
}

} // namespace quillet
