#include "cli/clidialogs.h"

namespace quillet::cli {

void CliDialogs::showMessage(const UserMessage& message)
{
    m_errorShown = true;
    m_console.writeMessage(message);
}

bool CliDialogs::askYesNoCancel(const UserMessage& question)
{
    m_console.writeMessage(question);
    return true;
}

} // namespace quillet::cli
