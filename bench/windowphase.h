#pragma once

#include "childprocess.h"

#include <QString>
#include <QStringList>

// The window's run beside quillet-cli's over the same pages and project file.
namespace quillet::bench {

// Writes a project file holding one project (the last one used) with the pages and menu.
void writeProjectFile(const QString& path, const QString& name, const QStringList& pages,
                      const QString& menuText);

// Both keep their undo journal under dataHome (XDG_DATA_HOME), not the user's.

// Seconds of the window's run (the button's click, offscreen), or < 0 when it failed.
double runWindowPhase(const QString& program, const QString& projectFile, const QString& phase,
                      const QString& dataHome);

// quillet-cli with the arguments on the project file, run to its end or killed after
// killAfterSeconds when that is >= 0.
ChildFigures runCli(const QString& program, const QString& projectFile,
                    const QStringList& arguments, const QString& dataHome,
                    double killAfterSeconds = -1);

// Seconds of the whole quillet-cli process, or < 0 when it failed.
double runCliPhase(const QString& program, const QString& projectFile, const QString& name,
                   const QString& phase, const QString& dataHome);

} // namespace quillet::bench
