#pragma once

#include <QString>

namespace quillet {

// The help page: help/menu.html beside the program (a build tree), else in the
// installation's data folder. Empty when neither exists.
QString helpPagePathIn(const QString& programFolder);

// helpPagePathIn the running program's folder.
QString helpPagePath();

} // namespace quillet
