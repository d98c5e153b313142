#include "window/windowparts.h"

#include "project/projectstore.h"
#include "window/windowdialogs.h"

#include "window/logview.h"

namespace quillet {

void WindowParts::appendLog(const QStringList& lines) const
{
    log->appendLines(lines);
}

void WindowParts::showRunLog(const QStringList& lines) const
{
    log->replaceLines(lines);
    selectTab(WindowPage::Log);
}

void WindowParts::showMessages(const QList<UserMessage>& messages) const
{
    for (const UserMessage& message : messages)
        dialogs.showMessage(message);
}

bool WindowParts::showJournalFailure(const PageWriter& pages) const
{
    const std::optional<UserMessage> failure = pages.journalFailure();
    if (failure)
        dialogs.showMessage(*failure);
    return failure.has_value();
}

JournalledPages WindowParts::journalledPages(const QString& command) const
{
    return JournalledPages(defaultJournalFolder(), {command, store.filePath(), state.currentName});
}

} // namespace quillet
