#pragma once

#include "engine/usermessage.h"

#include <QString>
#include <QStringList>

// Where quillet-cli writes: the log to standard output, messages to standard error.
namespace quillet::cli {

class Console
{
public:
    virtual ~Console() = default;

    // One line of standard output (a log line, a project name, the usage after --help).
    virtual void writeOut(const QString& line) = 0;
    // One line of standard error.
    virtual void writeError(const QString& line) = 0;

    virtual void writeOutLines(const QStringList& lines);
    // A message the window shows in a box, as "title: text".
    void writeMessage(const UserMessage& message);
};

// The process's own streams, in UTF-8.
class StandardConsole : public Console
{
public:
    void writeOut(const QString& line) override;
    void writeError(const QString& line) override;
    // At once: a run's log has a line for every page.
    void writeOutLines(const QStringList& lines) override;
};

// The title printed for a message without a title of its own.
inline const QString applicationTitle = QStringLiteral("quillet-cli");

} // namespace quillet::cli
