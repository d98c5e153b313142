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
    QQueue<bool> answers; // a question without a scripted answer is answered No / Cancel
    QList<quillet::UserMessage> saveQuestions; // asked before unsaved changes are dropped
    QQueue<quillet::SaveAnswer> saveAnswers;   // none scripted: Discard
    QQueue<QStringList> htmlFiles;             // picks of the open dialog; none: cancelled
    QQueue<std::optional<QColor>> colours;     // picks of the colour dialog; none: cancelled
    QStringList htmlFolders;                   // the folder each open dialog started in
    QStringList details;                       // the details shown with each question that had them

    void showMessage(const quillet::UserMessage& message) override { messages.append(message); }
    bool askYesNoCancel(const quillet::UserMessage& question) override
    {
        questions.append(question);
        return answers.isEmpty() ? false : answers.dequeue();
    }
    quillet::SaveAnswer askSaveChanges(const quillet::UserMessage& question) override
    {
        saveQuestions.append(question);
        return saveAnswers.isEmpty() ? quillet::SaveAnswer::Discard : saveAnswers.dequeue();
    }
    bool askOkCancel(const quillet::UserMessage& question) override
    {
        return askYesNoCancel(question);
    }
    bool askOkCancelWithDetails(const quillet::UserMessage& question,
                                const QString& detailText) override
    {
        details.append(detailText);
        return askYesNoCancel(question);
    }
    QStringList askHtmlFiles(const QString& folder) override
    {
        htmlFolders.append(folder);
        return htmlFiles.isEmpty() ? QStringList() : htmlFiles.dequeue();
    }
    std::optional<QColor> askColour(const QColor&) override
    {
        return colours.isEmpty() ? std::nullopt : colours.dequeue();
    }
    bool askYesNo(const quillet::UserMessage& question) override
    {
        return askYesNoCancel(question);
    }
};
