#pragma once

#include <QStringList>

// The least any durable replacement of every page costs: read each page, write its bytes to
// a new file in the same folder, one syncfs, rename each over its page.
namespace quillet::bench {

// Seconds for the paths, which keep their bytes; fatal on any failure.
double runFloor(const QStringList& paths);

} // namespace quillet::bench
