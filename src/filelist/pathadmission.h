#pragma once

#include "engine/pagefile.h"
#include "engine/usermessage.h"

#include <QStringList>

// Paths enter the file list only when the project file can keep them: a path it cannot
// hold would be lost or corrupt the project at the next save.
namespace quillet {

// Whether the project file, written in format, can hold the path as one entry.
bool projectFileCanHold(const QString& path, const PageFormat& format);

struct PathAdmission
{
    QStringList admitted; // in the order given
    QStringList refused;
};

PathAdmission admitPaths(const QStringList& paths, const PageFormat& format);

// Names the refused paths, one a line.
UserMessage refusedPathsMessage(const QStringList& refused);

} // namespace quillet
