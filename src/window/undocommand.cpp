#include "window/undocommand.h"

#include "engine/pageundo.h"
#include "project/projectstore.h"
#include "window/mainmenu.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

#include <QAction>
#include <QCoreApplication>
#include <QHash>
#include <QListWidget>

namespace quillet {

namespace {

QString undoTitle()
{
    return QCoreApplication::translate("quillet::UndoCommand", "元に戻す");
}

// The journal keeps the commands' words; the question names them as the window does.
QString commandTitle(const QString& word)
{
    static const QHash<QString, const char*> titles{
        {QStringLiteral("convert"), QT_TRANSLATE_NOOP("quillet::UndoCommand", "変換")},
        {QStringLiteral("restore"), QT_TRANSLATE_NOOP("quillet::UndoCommand", "戻す")},
        {QStringLiteral("align"), QT_TRANSLATE_NOOP("quillet::UndoCommand", "メニューを揃える")},
        {QStringLiteral("comments"),
         QT_TRANSLATE_NOOP("quillet::UndoCommand", "仮のコメントをコメントに直します")},
        {QStringLiteral("save"), QT_TRANSLATE_NOOP("quillet::UndoCommand", "プロジェクトの保存")},
        {QStringLiteral("source"), QT_TRANSLATE_NOOP("quillet::UndoCommand", "HTML表示の保存")},
    };
    const char* title = titles.value(word);
    return title ? QCoreApplication::translate("quillet::UndoCommand", title) : word;
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
        m_parts.dialogs.showMessage({undoTitle(), tr("元に戻せる処理はありません。")});
        return;
    }
    const UserMessage question{
        undoTitle(),
        tr("次の処理の前の内容にページを戻します。\r\n") +
            journalEntryLine(commands.first(), commandTitle(commands.first().command.command))};
    if (!m_parts.dialogs.askOkCancel(question))
        return;
    const UndoResult undone = undoLastCommand(journal, projectFile);
    m_parts.showRunLog(undone.log);
    if (undone.damaged && undone.entry)
        m_parts.dialogs.showMessage(damagedEntryMessage(*undone.entry));
}

} // namespace quillet
