#pragma once

#include "cli/console.h"
#include "engine/pagecheck.h"

#include <QList>

// The report of quillet-cli check: one line (or JSON object) per page and a summary.
namespace quillet::cli {

struct CheckedPage
{
    QString path;
    PageCheck check;
};

// Whether the site is in step: every page restored, or every page converted.
bool isInStep(const QList<CheckedPage>& pages);

// Prints the report, as text or as one JSON document; the exit status (0 in step, else 1).
int reportCheck(const QString& project, const QList<CheckedPage>& pages, bool json,
                Console& console);

} // namespace quillet::cli
