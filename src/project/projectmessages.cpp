#include "project/projectmessages.h"

#include <QCoreApplication>

namespace quillet {

namespace {

QString writeErrorTitle()
{
    return QCoreApplication::translate("ProjectMessages", "XML書き込みエラー");
}
QString deletionErrorTitle()
{
    return QCoreApplication::translate("ProjectMessages", "プロジェクト消去エラー");
}
QString malformedText()
{
    return QCoreApplication::translate("ProjectMessages",
                                       "プロジェクトファイルの形式が正しくありません。");
}

} // namespace

std::optional<UserMessage> checkSaveName(const QString& name)
{
    if (!name.isEmpty())
        return std::nullopt;
    return UserMessage{
        QCoreApplication::translate("ProjectMessages", "プロジェクト名が有りません。"),
        QCoreApplication::translate("ProjectMessages", "プロジェクト名を入力して下さい。")};
}

UserMessage deleteQuestion(const QString& name)
{
    return {{},
            QCoreApplication::translate("ProjectMessages", "プロジェクト「%1」を削除しますか?")
                .arg(name)};
}

UserMessage saveChangesQuestion()
{
    return {QString(), QCoreApplication::translate("ProjectMessages", "変更を保存しますか?")};
}

UserMessage overwriteQuestion()
{
    return {QCoreApplication::translate("ProjectMessages", "プロジェクトの更新"),
            QCoreApplication::translate("ProjectMessages", "プロジェクトの書き換えを行います。")};
}

UserMessage changedOnDiskQuestion(const QString& name)
{
    return {QCoreApplication::translate("ProjectMessages", "プロジェクトの更新"),
            QCoreApplication::translate(
                "ProjectMessages",
                "プロジェクト「%1」は読み込んだ後で他のプログラムが変更しました。"
                "\r\nこのウィンドウの内容で書き換えますか?")
                .arg(name)};
}

UserMessage noFilesToSaveMessage()
{
    return {QCoreApplication::translate("ProjectMessages", "プロジェクト保存エラー"),
            QCoreApplication::translate(
                "ProjectMessages", "プロジェクトの保存には少なくても１つのファイルが必要です。")};
}

UserMessage lastProjectNotWrittenMessage()
{
    return {writeErrorTitle(), QCoreApplication::translate(
                                   "ProjectMessages", "最後のファイルが書き込めませんでした。")};
}

UserMessage malformedForSaveMessage()
{
    return {writeErrorTitle(), malformedText()};
}

UserMessage malformedForDeletionMessage()
{
    return {deletionErrorTitle(), malformedText()};
}

UserMessage projectNotFoundMessage()
{
    return {deletionErrorTitle(),
            QCoreApplication::translate("ProjectMessages", "プロジェクトが見つかりませんでした。")};
}

UserMessage projectChangedMessage(const QString& name)
{
    return {writeErrorTitle(),
            QCoreApplication::translate(
                "ProjectMessages",
                "プロジェクト「%1」は他のプログラムが変更しました。もう一度実行して下さい。")
                .arg(name)};
}

UserMessage projectFileUnreadableMessage(const QString& error)
{
    return {QCoreApplication::translate("ProjectMessages", "XML読み込みエラー"),
            QCoreApplication::translate("ProjectMessages",
                                        "プロジェクトファイルを読み込めませんでした。\r\n") +
                error};
}

UserMessage projectFileDamagedMessage(qsizetype line)
{
    return {QCoreApplication::translate("ProjectMessages", "XML読み込みエラー"),
            QCoreApplication::translate(
                "ProjectMessages",
                "プロジェクトファイルが壊れています。%1 行目で読み込みを止めました。")
                .arg(line)};
}

UserMessage projectFileUnwritableMessage(const QString& error)
{
    return {writeErrorTitle(),
            QCoreApplication::translate("ProjectMessages",
                                        "プロジェクトファイルを書き込めませんでした。\r\n") +
                error};
}

UserMessage projectFileLockedMessage(const QString& lockFile)
{
    return {writeErrorTitle(),
            QCoreApplication::translate("ProjectMessages",
                                        "他のプログラムがプロジェクトファイルを使用中です。\r\n") +
                lockFile};
}

} // namespace quillet
