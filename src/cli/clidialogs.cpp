#include "cli/clidialogs.h"

namespace quillet::cli {

void CliDialogs::showMessage(const UserMessage& message)
{
    m_errorShown = true;
    m_console.writeMessage(message);
}

void CliDialogs::showMessages(const QList<UserMessage>& messages)
{
    for (const UserMessage& message : messages)
        showMessage(message);
}

} // namespace quillet::cli
