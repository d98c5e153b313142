#pragma once

#include <QString>
#include <QStringList>

// The file list commands over the generated pages, each in a process of its own like the
// engine runs: a drop of one page onto the listed pages, and the two candidate searches
// over the pages' folders.
namespace quillet::bench {

struct FileListFigures
{
    bool ok = false;
    QString error;
    double seconds = 0;
    qsizetype found = 0; // drop: pages added; searches: candidates found
};

// In the child: runs the phase named in arguments and prints its figures.
int fileListPhaseMain(const QStringList& arguments);

// In the driver. phase "drop": listFile holds the listed pages, argument the dropped page.
// "before" and "after": listFile holds the folders, argument the menu file or the tag.
FileListFigures runFileListPhase(const QString& phase, const QString& listFile,
                                 const QString& argument);

} // namespace quillet::bench
