#pragma once

#include "engine/pagefile.h"

#include <QStringList>

// Which dropped paths join the file list.
namespace quillet {

struct DropIntake
{
    QStringList added;   // in drop order, each not yet listed (exact comparison)
    QStringList refused; // paths the project file cannot hold
    QStringList log;     // a line for each dropped folder that cannot be listed
};

// A dropped folder stands for its candidate files (listCandidates), since a folder entry
// could only fail every run. projectFormat is the form the project file is written in.
DropIntake takeDroppedPaths(const QStringList& listed, const QStringList& dropped,
                            const PageFormat& projectFormat);

} // namespace quillet
