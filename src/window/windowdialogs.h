#pragma once

#include "engine/usermessage.h"

#include <QColor>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

// Every question and message of the window goes through this interface: real dialogs in
// the program, scripted answers in the tests.
namespace quillet {

// The window's own name, the title of its dialogs.
inline QString applicationTitle()
{
    return QCoreApplication::translate("quillet::WindowDialogs", "クイレット");
}

// The three answers to the question before unsaved changes are dropped.
enum class SaveAnswer { Save, Discard, Cancel };

// The messages and questions the window turns the store's results into, and its own file
// and colour dialogs.
class WindowDialogs
{
public:
    virtual ~WindowDialogs() = default;

    // A message box with an OK button. An empty title means the application's title.
    virtual void showMessage(const UserMessage& message) = 0;
    // A question with Yes, No and Cancel; true only when the answer is Yes.
    virtual bool askYesNoCancel(const UserMessage& question) = 0;
    // A question with Yes (save), No (discard) and Cancel.
    virtual SaveAnswer askSaveChanges(const UserMessage& question) = 0;
    // A question with OK and Cancel; true only when the answer is OK.
    virtual bool askOkCancel(const UserMessage& question) = 0;
    // The same with a long text the user may open to read (a diff, say).
    virtual bool askOkCancelWithDetails(const UserMessage& question, const QString& details) = 0;
    // The HTML files the user picks (several at once), or none when the dialog is cancelled.
    virtual QStringList askHtmlFiles(const QString& folder) = 0;
    // The colour the user picks, or nothing when the dialog is cancelled.
    virtual std::optional<QColor> askColour(const QColor& initial) = 0;
    // A question with Yes and No; true only when the answer is Yes.
    virtual bool askYesNo(const UserMessage& question) = 0;
};

} // namespace quillet
