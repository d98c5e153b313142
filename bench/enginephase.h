#pragma once

#include <QString>
#include <QStringList>

// One engine run (conversion, restore or alignment) over a list of pages, in a process of its own
// so that its peak memory is its alone.
namespace quillet::bench {

struct EngineFigures
{
    bool ok = false;
    QString error;
    double seconds = 0;    // the run itself, without start-up and reading the list
    qint64 baseKb = 0;     // peak resident memory before the run
    qint64 peakKb = 0;     // peak resident memory after it
    qint64 logKb = 0;      // about what the returned log lines take, one per page
    qsizetype changed = 0; // pages the run wrote
};

// In the child: runs the phase named in arguments and prints its figures.
int enginePhaseMain(const QStringList& arguments);

// In the driver: starts the child and reads its figures. preload, when not empty, is put
// in LD_PRELOAD (to time the run without fsync); journalFolder, when not empty, holds the
// run's undo journal (without it the pages are replaced unjournalled).
EngineFigures runEnginePhase(const QString& phase, const QString& listFile, const QString& menuFile,
                             const QString& preload = {}, const QString& journalFolder = {});

} // namespace quillet::bench
