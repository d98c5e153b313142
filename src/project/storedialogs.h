#pragma once

#include "engine/usermessage.h"

namespace quillet {

// The questions and messages of the project commands. The window answers with message
// boxes, the command line on the terminal, tests by script.
class StoreDialogs
{
public:
    virtual ~StoreDialogs() = default;

    // A message box with an OK button. An empty title means the application's title.
    virtual void showMessage(const UserMessage& message) = 0;

    // A question with Yes, No and Cancel; true only when the answer is Yes.
    virtual bool askYesNoCancel(const UserMessage& question) = 0;
};

} // namespace quillet
