#pragma once

#include <QString>
#include <QStringList>

// Engine runs killed with SIGKILL at random moments: afterwards every page must hold its
// old or its new text, and nothing but the pages may lie in the site.
namespace quillet::bench {

struct CrashTrialSetup
{
    QString root;        // the site the engine runs over, all pages in restored form
    QStringList paths;   // its pages, in generation order
    QString listFile;    // the page list for the engine
    QString menuFile;    // the menu text for the engine
    double runSeconds{}; // about how long a whole run takes: kills fall within it
    int trials = 20;
};

struct CrashTrialFigures
{
    int trials = 0;
    int killedMidRun = 0; // the others had finished before the kill
    int badPages = 0;     // neither old nor new text, summed over the trials
    int strayFiles = 0;   // files that are not pages, summed over the trials
};

// Runs the trials, alternating conversion and restore; leaves the site restored.
CrashTrialFigures runCrashTrials(const CrashTrialSetup& setup);

} // namespace quillet::bench
