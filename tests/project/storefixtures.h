#pragma once

#include "project/storedialogs.h"

#include <QFile>
#include <QList>
#include <QStringEncoder>

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

inline QByteArray shiftJisBytes(const QString& text)
{
    QStringEncoder encoder("Shift_JIS");
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        qFatal("fixture text is not Shift_JIS");
    return bytes;
}

inline void writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write fixture %s", qPrintable(path));
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Lines joined with CR LF, as every project text holds them.
inline QString crlfLines(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace quillet::fixtures
