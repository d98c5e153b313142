#pragma once

#include "engine/pagejournal.h"

#include <QStringList>
#include <optional>

// Taking back the last journalled command of a project file, page by page.
namespace quillet {

struct UndoResult
{
    std::optional<JournalEntry> entry; // the command taken back; absent when there was none
    QStringList log;                   // one line per page
    bool pageLeft = false;             // a page could not be given its previous bytes
};

// Every page that still holds exactly what the command wrote gets its previous bytes back; a
// page changed since is left alone. The entry is removed unless a write failed, so that a
// second undo takes back the command before (or retries the failed pages).
UndoResult undoLastCommand(const QString& journalFolder, const QString& projectFile);

} // namespace quillet
