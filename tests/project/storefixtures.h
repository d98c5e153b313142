#pragma once

#include "common/testfiles.h"
#include "project/projectstore.h"

#include <QList>

// Files and dialog answers built in code for the project store tests.
namespace quillet::fixtures {

// Records every message and answers the questions from a script (No once it runs out).
class ScriptedDialogs
{
public:
    QList<UserMessage> messages;
    QList<UserMessage> questions;
    QList<bool> answers;

    void showMessages(const QList<UserMessage>& shown) { messages += shown; }
    bool askYesNoCancel(const UserMessage& question)
    {
        questions.append(question);
        return !answers.isEmpty() && answers.takeFirst();
    }
};

// The store's operations as the window talks them through: its question asked and answered,
// its messages shown.
inline ProjectList loadTalking(ProjectStore& store, ScriptedDialogs& dialogs)
{
    const ProjectList list = store.LoadProjectList();
    dialogs.showMessages(list.messages);
    return list;
}

inline SaveOutcome saveTalking(ProjectStore& store, SaveRequest request, ScriptedDialogs& dialogs,
                               PageWriter& pages)
{
    SaveOutcome outcome = store.SaveProject(request, pages);
    if (outcome.result == SaveOutcome::Result::NeedsAnswer) {
        request.overwrite =
            dialogs.askYesNoCancel(*outcome.question) ? OverwriteAnswer::Yes : OverwriteAnswer::No;
        outcome = store.SaveProject(request, pages);
    }
    dialogs.showMessages(outcome.messages);
    return outcome;
}

inline DeleteOutcome deleteTalking(ProjectStore& store, const QString& name,
                                   ScriptedDialogs& dialogs)
{
    const DeleteOutcome outcome = store.DeleteProject(name);
    dialogs.showMessages(outcome.messages);
    return outcome;
}

} // namespace quillet::fixtures
