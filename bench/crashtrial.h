#pragma once

#include <QString>
#include <QStringList>

// quillet-cli runs killed with SIGKILL at random moments, conversion, restore and alignment in
// turn: afterwards every page must hold its old or its new text; after the next command
// (check) nothing but the pages may lie in the site; and undo must take back every page the
// killed run replaced.
namespace quillet::bench {

struct CrashTrialSetup
{
    QString root;          // the site, all pages in restored form
    QStringList sitePages; // every page under root
    QStringList paths;     // the pages of the trials, in generation order
    QString cliProgram;    // quillet-cli
    QString projectFile;   // a project listing the pages, with the menu
    QString dataHome;      // where quillet-cli keeps its journal
    double runSeconds{};   // about how long a whole run takes: kills fall within it
    int trials = 50;
};

struct CrashTrialFigures
{
    int trials = 0;
    int killedMidRun = 0; // the others had finished before the kill
    int badPages = 0;     // neither old nor new text, summed over the trials
    int strayFiles = 0;   // files that are not pages after the next command, summed
    int undone = 0;       // trials whose killed run had begun its journal entry
    int notTakenBack = 0; // pages undo did not give their old text, summed
};

// Runs the trials; leaves the site restored.
CrashTrialFigures runCrashTrials(const CrashTrialSetup& setup);

} // namespace quillet::bench
