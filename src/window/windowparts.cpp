#include "window/windowparts.h"

#include "project/projectstore.h"

#include <QListWidget>

namespace quillet {

void WindowParts::appendLog(const QStringList& lines) const
{
    LstLog->addItems(lines);
}

JournalledPages WindowParts::journalledPages(const QString& command) const
{
    return JournalledPages(defaultJournalFolder(), {command, store.filePath(), state.currentName});
}

} // namespace quillet
