#pragma once

#include "window/windowdialogs.h"

#include <QList>
#include <QQueue>

// Answers the window's questions from a script and records everything it was shown.
class ScriptedDialogs : public quillet::WindowDialogs
{
public:
    QList<quillet::UserMessage> messages;
    QList<quillet::UserMessage> questions;
    QQueue<bool> answers; // a question without a scripted answer is answered No

    void showMessage(const quillet::UserMessage& message) override { messages.append(message); }
    bool askYesNoCancel(const quillet::UserMessage& question) override
    {
        questions.append(question);
        return answers.isEmpty() ? false : answers.dequeue();
    }
    QString askHtmlFile(const QString&) override { return {}; }
    std::optional<QColor> askColour(const QColor&) override { return std::nullopt; }
};
