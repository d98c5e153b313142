#include "window/undocommand.h"

#include "engine/pageundo.h"
#include "project/projectstore.h"
#include "window/mainmenu.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

#include <QAction>
#include <QListWidget>

namespace quillet {

namespace {

const QString undoTitle = QStringLiteral("元に戻す");

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
    const UserMessage question{undoTitle,
                               QStringLiteral("次の処理の前の内容にページを戻します。\r\n") +
                                   journalEntryLine(commands.first())};
    if (!m_parts.dialogs.askOkCancel(question))
        return;
    const UndoResult undone = undoLastCommand(journal, projectFile);
    m_parts.showRunLog(undone.log);
    if (undone.damaged && undone.entry)
        m_parts.dialogs.showMessage(damagedEntryMessage(*undone.entry));
}

} // namespace quillet
