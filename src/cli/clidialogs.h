#pragma once

#include "cli/console.h"
#include "engine/usermessage.h"

#include <QList>

// The messages of the project store's results on a terminal: every message goes to standard
// error and counts as an error.
namespace quillet::cli {

class CliDialogs
{
public:
    explicit CliDialogs(Console& console) : m_console(console) {}

    void showMessage(const UserMessage& message);
    void showMessages(const QList<UserMessage>& messages);

    // Whether any message was shown: the window would have shown an error box.
    bool errorShown() const { return m_errorShown; }

private:
    Console& m_console;
    bool m_errorShown = false;
};

} // namespace quillet::cli
