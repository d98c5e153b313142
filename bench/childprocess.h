#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// A program run to its end (or killed) with its own peak memory, which QProcess cannot tell.
namespace quillet::bench {

struct ChildFigures
{
    bool started = false;
    bool exited = false; // ended by itself, not by a signal
    int exitCode = -1;
    double seconds = 0;
    qint64 peakKb = 0; // its largest resident set (VmHWM), as last read before it ended
};

// Runs the program with its output thrown away; killAfterSeconds >= 0 kills it with SIGKILL
// after that long.
ChildFigures runChild(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment, double killAfterSeconds = -1);

} // namespace quillet::bench
