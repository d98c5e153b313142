#pragma once

#include "common/testfiles.h"
#include "project/storedialogs.h"

#include <QList>

// Files and dialog answers built in code for the project store tests.
namespace quillet::fixtures {

// Records every message and answers the questions from a script (No once it runs out).
class ScriptedDialogs : public StoreDialogs
{
public:
    QList<UserMessage> messages;
    QList<UserMessage> questions;
    QList<bool> answers;

    void showMessage(const UserMessage& message) override { messages.append(message); }
    bool askYesNoCancel(const UserMessage& question) override
    {
        questions.append(question);
        return !answers.isEmpty() && answers.takeFirst();
    }
};

} // namespace quillet::fixtures
