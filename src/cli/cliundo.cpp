#include "cli/cliundo.h"

#include "cli/clicommands.h"
#include "engine/pageundo.h"

namespace quillet::cli {

namespace {

const QString nothingToUndo = QStringLiteral("元に戻せる処理はありません。");

int listCommands(const QString& projectFile, Console& console)
{
    const QList<JournalEntry> entries = undoableCommands(defaultJournalFolder(), projectFile);
    if (entries.isEmpty())
        console.writeOut(nothingToUndo);
    for (const JournalEntry& entry : entries)
        console.writeOut(journalEntryLine(entry));
    return exitSuccess;
}

} // namespace

int runUndo(const Invocation& invocation, const QString& projectFile, Console& console)
{
    if (invocation.listJournal)
        return listCommands(projectFile, console);
    const UndoResult undone = undoLastCommand(defaultJournalFolder(), projectFile);
    if (!undone.entry) {
        console.writeMessage({QString(), nothingToUndo});
        return exitError;
    }
    console.writeOut(journalEntryLine(*undone.entry) + QStringLiteral(" を元に戻します。"));
    console.writeOutLines(undone.log);
    if (undone.damaged)
        console.writeMessage(damagedEntryMessage(*undone.entry));
    return undone.pageLeft ? exitPageFailed : exitSuccess;
}

} // namespace quillet::cli
