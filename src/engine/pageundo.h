#pragma once

#include "engine/pagejournal.h"
#include "engine/usermessage.h"

#include <QStringList>
#include <optional>

// Taking back the last journalled command of a project file, page by page.
namespace quillet {

struct UndoResult
{
    std::optional<JournalEntry> entry; // the command taken back; absent when there was none
    QStringList log;                   // one line per page
    bool pageLeft = false;             // a page could not be given its previous bytes
    bool damaged = false; // the entry is damaged: some pages may not be named in the log
};

// Every page that still holds exactly what the command wrote gets its previous bytes back; a
// page changed since is left alone. The pages are written in batches, as a run writes them.
// The entry is removed unless a write failed or the entry is damaged, so that a second undo
// takes back the command before (or retries the pages left).
UndoResult undoLastCommand(const QString& journalFolder, const QString& projectFile);

// The journalled commands of the project file, newest first (the next one undo takes back).
QList<JournalEntry> undoableCommands(const QString& journalFolder, const QString& projectFile);

// Said when undo found the entry damaged, naming the entry's file; it is kept.
UserMessage damagedEntryMessage(const JournalEntry& entry);

// One line saying what an entry is: local time, command, project and number of pages.
QString journalEntryLine(const JournalEntry& entry);
// The same with the command named as the caller's user knows it.
QString journalEntryLine(const JournalEntry& entry, const QString& commandName);

} // namespace quillet
