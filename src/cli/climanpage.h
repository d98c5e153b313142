#pragma once

#include <QString>

// quillet-cli's manual page, built from the table that gives --help.
namespace quillet::cli {

// The roff page template with its placeholder lines (@SYNOPSIS@, @COMMANDS@, @OPTIONS@,
// @EXIT_STATUS@) filled from the help table and @PROJECT_VERSION@ from the version.
QString filledManPage(const QString& manTemplate);

} // namespace quillet::cli
