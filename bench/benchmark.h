#pragma once

#include <QString>

namespace quillet::bench {

struct BenchmarkConfig
{
    int pages = 10000;
    int smallPages = 2500; // a second, smaller run shows whether peak memory grows with pages
    int repetitions = 5;
    int crashTrials = 50;      // runs killed at random moments
    bool windowRuns = true;    // the window's runs beside quillet-cli's
    QString folder;            // where the temporary site goes; the system's temp folder if empty
    QString noFsyncLibrary;    // LD_PRELOAD library that turns fsync into nothing, if built
    QString windowProgram;     // the offscreen window runner
    QString cliProgram;        // quillet-cli
    bool keep = false;         // leave the pages, lists and scripts behind (for profiling)
    bool fileListOnly = false; // only the file list commands beside the conversion run
    bool alignOnly = false;    // only the alignment of drifted menus beside the conversion run
};

int runBenchmark(const BenchmarkConfig& config);

} // namespace quillet::bench
