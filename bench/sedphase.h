#pragma once

#include <QString>
#include <QStringList>

// GNU sed doing the same one substitution over the same pages, for comparison.
namespace quillet::bench {

struct SedScripts
{
    QString convert; // the menu between the markers becomes the tag on a line of its own
    QString restore; // the tag becomes the menu (sed cannot highlight each page's entry)
};

SedScripts writeSedScripts(const QString& folder, const QString& menuText, const QString& tag);

// Seconds for `sed -z -i` with the script over every path, or a negative value on failure.
double runSed(const QString& script, const QStringList& paths);

} // namespace quillet::bench
