#pragma once

#include "cli/console.h"
#include "project/storedialogs.h"

// The project store's questions and messages on a terminal: every message goes to standard
// error and counts as an error; every question is answered Yes, since nobody is there to
// answer (the commands that would ask, a save outside a conversion, are not offered).
namespace quillet::cli {

class CliDialogs : public StoreDialogs
{
public:
    explicit CliDialogs(Console& console) : m_console(console) {}

    void showMessage(const UserMessage& message) override;
    bool askYesNoCancel(const UserMessage& question) override;

    // Whether any message was shown: the window would have shown an error box.
    bool errorShown() const { return m_errorShown; }

private:
    Console& m_console;
    bool m_errorShown = false;
};

} // namespace quillet::cli
