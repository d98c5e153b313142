#pragma once

#include "cli/console.h"
#include "common/testfiles.h"

#include <QStringList>

// Consoles, files and project texts built in code for the command-line tests.
namespace quillet::fixtures {

// Keeps what a command prints instead of writing it to the process's streams.
class RecordingConsole : public cli::Console
{
public:
    QStringList out;
    QStringList errors;

    void writeOut(const QString& line) override { out.append(line); }
    void writeError(const QString& line) override { errors.append(line); }
};

} // namespace quillet::fixtures
