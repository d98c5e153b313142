#include "window/undocommand.h"

#include "engine/pageundo.h"
#include "project/projectstore.h"
#include "window/mainmenu.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

#include <QAction>
#include <QHash>
#include <QListWidget>

namespace quillet {

namespace {

const QString undoTitle = QStringLiteral("元に戻す");

// The journal keeps the commands' words; the question names them as the window does.
QString commandTitle(const QString& word)
{
    static const QHash<QString, QString> titles{
        {QStringLiteral("convert"), QStringLiteral("変換")},
        {QStringLiteral("restore"), QStringLiteral("戻す")},
        {QStringLiteral("align"), QStringLiteral("メニューを揃える")},
        {QStringLiteral("comments"), QStringLiteral("仮のコメントをコメントに直します")},
        {QStringLiteral("save"), QStringLiteral("プロジェクトの保存")},
        {QStringLiteral("source"), QStringLiteral("HTML表示の保存")},
    };
    return titles.value(word, word);
}

} // namespace

UndoCommand::UndoCommand(WindowParts& parts, const MainMenu& menu, QObject* parent)
    : QObject(parent), m_parts(parts)
{
    connect(menu.mundo, &QAction::triggered, this, &UndoCommand::mundo_Click);
}

void UndoCommand::mundo_Click()
{
    const QString journal = defaultJournalFolder();
    const QString projectFile = m_parts.store.filePath();
    const QList<JournalEntry> commands = undoableCommands(journal, projectFile);
    if (commands.isEmpty()) {
        m_parts.dialogs.showMessage({undoTitle, QStringLiteral("元に戻せる処理はありません。")});
        return;
    }
    const UserMessage question{
        undoTitle,
        QStringLiteral("次の処理の前の内容にページを戻します。\r\n") +
            journalEntryLine(commands.first(), commandTitle(commands.first().command.command))};
    if (!m_parts.dialogs.askOkCancel(question))
        return;
    const UndoResult undone = undoLastCommand(journal, projectFile);
    m_parts.showRunLog(undone.log);
    if (undone.damaged && undone.entry)
        m_parts.dialogs.showMessage(damagedEntryMessage(*undone.entry));
}

} // namespace quillet
