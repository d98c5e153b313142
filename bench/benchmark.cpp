#include "benchmark.h"

#include "benchsite.h"
#include "crashtrial.h"
#include "enginephase.h"
#include "filelistphase.h"
#include "floorphase.h"
#include "sedphase.h"
#include "windowphase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <unistd.h>

namespace quillet::bench {

namespace {

struct Timings
{
    std::vector<double> engine;
    std::vector<double> sed;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

QStringList pagePaths(const QString& root, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths.append(pagePath(root, i));
    return paths;
}

QString writeText(const QString& path, const QString& text)
{
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Pages of the two trees whose bytes differ.
int differingPages(const QStringList& left, const QStringList& right)
{
    int differing = 0;
    for (qsizetype i = 0; i < left.size(); ++i)
        differing += fileBytes(left[i]) != fileBytes(right[i]);
    return differing;
}

int pagesNotOriginal(const QStringList& paths)
{
    int differing = 0;
    for (qsizetype i = 0; i < paths.size(); ++i)
        differing += fileBytes(paths[i]) != pageBytes(int(i));
    return differing;
}

// Each phase starts with no dirty pages left by the one before: on ext4 an fsync would
// otherwise also wait for sed's unsynced writes.
void settleDisk()
{
    ::sync();
}

// journal: the folder of the run's undo journal, emptied first; empty for a run without one.
EngineFigures engineOrDie(const QString& phase, const QString& list, const QString& menu,
                          qsizetype expected, const QString& preload = {},
                          const QString& journal = {})
{
    if (!journal.isEmpty())
        QDir(journal).removeRecursively();
    settleDisk();
    const EngineFigures figures = runEnginePhase(phase, list, menu, preload, journal);
    if (!figures.ok)
        qFatal("%s", qPrintable(figures.error));
    if (figures.changed != expected)
        qFatal("engine %s changed %lld pages of %lld", qPrintable(phase),
               static_cast<long long>(figures.changed), static_cast<long long>(expected));
    return figures;
}

double sedOrDie(const QString& script, const QStringList& paths)
{
    settleDisk();
    const double seconds = runSed(script, paths);
    if (seconds < 0)
        qFatal("sed failed on %s", qPrintable(script));
    return seconds;
}

// The speed ratio of each round's pair, which the machine's drift between rounds leaves alone.
double medianPairRatio(const Timings& timings)
{
    std::vector<double> ratios;
    for (size_t r = 0; r < timings.engine.size(); ++r)
        ratios.push_back(timings.sed[r] / timings.engine[r]);
    return median(ratios);
}

void printRate(const char* what, const Timings& timings, int pages)
{
    const double engine = pages / median(timings.engine);
    const double sed = pages / median(timings.sed);
    std::printf("%-10s engine %8.0f pages/s   sed %8.0f pages/s   engine/sed %.2f (round by round "
                "%.2f)\n",
                what, engine, sed, engine / sed, medianPairRatio(timings));
}

double megabytes(qint64 kb)
{
    return kb / 1024.0;
}

void printMemory(int pages, const char* phase, const EngineFigures& figures)
{
    const qint64 growth = figures.peakKb - figures.baseKb;
    std::printf("  %6d  %-8s %8.1f %8.1f %8.1f %8.1f %10.1f\n", pages, phase,
                megabytes(figures.baseKb), megabytes(figures.peakKb), megabytes(growth),
                megabytes(figures.logKb), megabytes(growth - figures.logKb));
}

FileListFigures fileListOrDie(const QString& phase, const QString& list, const QString& argument,
                              qsizetype expected)
{
    settleDisk();
    const FileListFigures figures = runFileListPhase(phase, list, argument);
    if (!figures.ok)
        qFatal("%s", qPrintable(figures.error));
    if (figures.found != expected)
        qFatal("file list %s found %lld pages of %lld", qPrintable(phase),
               static_cast<long long>(figures.found), static_cast<long long>(expected));
    return figures;
}

QStringList foldersOf(const QStringList& paths)
{
    QStringList folders;
    for (const QString& path : paths)
        folders.append(QFileInfo(path).path());
    folders.removeDuplicates();
    return folders;
}

void printBeside(const char* what, const std::vector<double>& seconds, double conversion)
{
    std::printf("%-32s %8.3f s   %5.2f x that conversion run\n", what, median(seconds),
                median(seconds) / conversion);
}

// A drop of one page onto the list of all pages, and both candidate searches over the
// pages' folders, each beside a conversion run over the same pages in the same round.
// Every page is read at most once per command, so each should stay below 1.5 times the
// conversion, which also writes every page.
void runFileListRounds(const BenchmarkConfig& config, const QTemporaryDir& work,
                       const QStringList& enginePaths, const QString& list, const QString& menu)
{
    const QString dropped = work.filePath(QStringLiteral("drop/index.html"));
    QDir().mkpath(QFileInfo(dropped).path());
    QFile page(dropped);
    if (!page.open(QIODevice::WriteOnly) || page.write(pageBytes(0)) < 0)
        qFatal("cannot write %s", qPrintable(dropped));
    page.close();
    const QString folders =
        writeText(work.filePath(QStringLiteral("folders.txt")), foldersOf(enginePaths).join(u'\n'));
    const qsizetype pages = enginePaths.size();

    std::vector<double> drop;
    std::vector<double> before;
    std::vector<double> after;
    std::vector<double> convert;
    const int rounds = std::min(config.repetitions, 3);
    for (int r = 1; r <= rounds; ++r) {
        drop.push_back(fileListOrDie(QStringLiteral("drop"), list, dropped, 1).seconds);
        before.push_back(fileListOrDie(QStringLiteral("before"), folders, menu, pages).seconds);
        convert.push_back(engineOrDie(QStringLiteral("convert"), list, menu, pages).seconds);
        after.push_back(fileListOrDie(QStringLiteral("after"), folders, siteTag, pages).seconds);
        engineOrDie(QStringLiteral("restore"), list, menu, pages);
        std::printf("File list round %d: drop %.2f s, before-conversion search %.2f s, "
                    "conversion %.2f s, after-conversion search %.2f s\n",
                    r, drop.back(), before.back(), convert.back(), after.back());
        std::fflush(stdout);
    }
    const double conversion = median(convert);
    std::printf("\nFile list commands, medians over %d rounds, %lld pages in %lld folders:\n",
                rounds, static_cast<long long>(pages),
                static_cast<long long>(foldersOf(enginePaths).size()));
    std::printf("%-32s %8.3f s\n", "conversion run", conversion);
    printBeside("drop of one page onto the list", drop, conversion);
    printBeside("before-conversion search", before, conversion);
    printBeside("after-conversion search", after, conversion);

    // fsync takes most of the conversion's time on many disks: compare without it too.
    if (config.noFsyncLibrary.isEmpty() || !QFileInfo::exists(config.noFsyncLibrary))
        return;
    const double unsynced =
        engineOrDie(QStringLiteral("convert"), list, menu, pages, config.noFsyncLibrary).seconds;
    engineOrDie(QStringLiteral("restore"), list, menu, pages, config.noFsyncLibrary);
    std::printf("\n%-32s %8.3f s\n", "conversion run without fsync", unsynced);
    printBeside("drop of one page onto the list", drop, unsynced);
    printBeside("before-conversion search", before, unsynced);
    printBeside("after-conversion search", after, unsynced);
}

// Every page's menu drifted in one line, with its markers or without them. Setting up, not
// timed.
void driftMenus(const QStringList& paths, bool marked)
{
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QByteArray bytes = driftedPageBytes(int(i), marked);
        QFile page(paths[i]);
        if (!page.open(QIODevice::WriteOnly | QIODevice::Truncate) || page.write(bytes) < 0)
            qFatal("cannot write %s", qPrintable(paths[i]));
    }
}

// The alignment of every page's drifted menu, found between the markers and found without
// them, beside a conversion run over the same pages in the same round. Each page is read
// once and written once, as by the conversion: the aim is at most 1.5 times its time.
void runAlignRounds(const BenchmarkConfig& config, const QString& engineRoot,
                    const QStringList& enginePaths, const QString& list, const QString& menu)
{
    std::vector<double> marked;
    std::vector<double> unmarked;
    std::vector<double> convert;
    const qsizetype pages = enginePaths.size();
    const int rounds = std::min(config.repetitions, 3);
    for (int r = 1; r <= rounds; ++r) {
        driftMenus(enginePaths, true);
        marked.push_back(engineOrDie(QStringLiteral("align"), list, menu, pages).seconds);
        convert.push_back(engineOrDie(QStringLiteral("convert"), list, menu, pages).seconds);
        driftMenus(enginePaths, false);
        unmarked.push_back(engineOrDie(QStringLiteral("align"), list, menu, pages).seconds);
        std::printf("Align round %d: align (marked) %.2f s, conversion %.2f s, "
                    "align (unmarked) %.2f s\n",
                    r, marked.back(), convert.back(), unmarked.back());
        std::fflush(stdout);
    }
    const double conversion = median(convert);
    std::printf("\nAlignment of drifted menus, medians over %d rounds, %lld pages:\n", rounds,
                static_cast<long long>(pages));
    std::printf("%-32s %8.3f s\n", "conversion run", conversion);
    printBeside("align, copies between markers", marked, conversion);
    printBeside("align, copies without markers", unmarked, conversion);
    // The pages lost their markers: give them back as generated.
    writeSite({engineRoot}, int(pages));
}

// The window and quillet-cli keep their undo journal beside the project file.
QString dataHome(const QString& projectFile)
{
    return QFileInfo(projectFile).absolutePath() + QStringLiteral("/data");
}

double windowOrDie(const BenchmarkConfig& config, const QString& projectFile, const QString& phase)
{
    settleDisk();
    const double seconds =
        runWindowPhase(config.windowProgram, projectFile, phase, dataHome(projectFile));
    if (seconds < 0)
        qFatal("the window's %s failed", qPrintable(phase));
    return seconds;
}

double cliOrDie(const BenchmarkConfig& config, const QString& projectFile, const QString& phase)
{
    settleDisk();
    const double seconds =
        runCliPhase(config.cliProgram, projectFile, siteName, phase, dataHome(projectFile));
    if (seconds < 0)
        qFatal("quillet-cli %s failed", qPrintable(phase));
    return seconds;
}

// The same runs from the window and from quillet-cli, alternating; "engine" is the window.
void compareWindowWithCli(const BenchmarkConfig& config, const QString& projectFile)
{
    Timings convert;
    Timings restore;
    for (int r = 1; r <= config.repetitions; ++r) {
        convert.sed.push_back(cliOrDie(config, projectFile, QStringLiteral("convert")));
        restore.sed.push_back(cliOrDie(config, projectFile, QStringLiteral("restore")));
        convert.engine.push_back(windowOrDie(config, projectFile, QStringLiteral("convert")));
        restore.engine.push_back(windowOrDie(config, projectFile, QStringLiteral("restore")));
        std::printf("Round %d: convert window %.2f s, cli %.2f s; restore window %.2f s, cli "
                    "%.2f s\n",
                    r, convert.engine.back(), convert.sed.back(), restore.engine.back(),
                    restore.sed.back());
        std::fflush(stdout);
    }
    std::printf("Medians (window: the click until the log is filled; cli: the whole process):\n");
    for (const auto& [what, timings] : {std::pair{"convert", &convert}, {"restore", &restore}}) {
        const double window = median(timings->engine);
        const double cli = median(timings->sed);
        std::printf("%-10s window %6.2f s   cli %6.2f s   window/cli %.2f (round by round %.2f)\n",
                    what, window, cli, window / cli, 1 / medianPairRatio(*timings));
    }
}

// quillet-cli's whole process (its project file lists the pages) with its journal, emptied
// first as the engine's is.
ChildFigures cliRun(const BenchmarkConfig& config, const QString& projectFile, const QString& phase)
{
    QDir(dataHome(projectFile)).removeRecursively();
    settleDisk();
    const ChildFigures figures =
        runCli(config.cliProgram, projectFile, {phase, siteName}, dataHome(projectFile));
    if (!figures.exited || figures.exitCode != 0)
        qFatal("quillet-cli %s failed", qPrintable(phase));
    return figures;
}

struct JournalRounds
{
    std::vector<double> with[2];    // the engine with its journal, convert and restore
    std::vector<double> without[2]; // the engine without one
    std::vector<double> cli[2];     // quillet-cli, as users run it
    std::vector<double> sed[2];
    std::vector<double> floor;
    ChildFigures lastCli[2];
};

void printJournalRow(const char* what, const JournalRounds& rounds, int p, int pages)
{
    const double with = pages / median(rounds.with[p]);
    const double cli = pages / median(rounds.cli[p]);
    const double sed = pages / median(rounds.sed[p]);
    const double floor = pages / median(rounds.floor);
    std::printf("%-8s %8.0f %8.0f %8.0f %8.0f %8.0f   %5.2f %5.2f   %5.2f %5.2f   %5.1f %%\n", what,
                pages / median(rounds.without[p]), with, cli, sed, floor, with / sed, cli / sed,
                with / floor, cli / floor,
                100 * (1 - median(rounds.without[p]) / median(rounds.with[p])));
}

// The engine with and without its journal, quillet-cli, sed -i and the floor, round by round.
JournalRounds runJournalRounds(const BenchmarkConfig& config, const QString& journal,
                               const QString& list, const QString& menu, const QString& projectFile,
                               const QStringList& enginePaths, const QStringList& sedPaths,
                               const SedScripts& scripts)
{
    JournalRounds rounds;
    const QString phases[2] = {QStringLiteral("convert"), QStringLiteral("restore")};
    const QString sedScripts[2] = {scripts.convert, scripts.restore};
    for (int r = 1; r <= config.repetitions; ++r) {
        for (int p = 0; p < 2; ++p) {
            rounds.with[p].push_back(
                engineOrDie(phases[p], list, menu, config.pages, {}, journal).seconds);
            rounds.sed[p].push_back(sedOrDie(sedScripts[p], sedPaths));
            if (r == 1 && p == 0 && differingPages(enginePaths, sedPaths) != 0)
                qFatal("engine and sed conversions differ");
        }
        for (int p = 0; p < 2; ++p)
            rounds.without[p].push_back(engineOrDie(phases[p], list, menu, config.pages).seconds);
        for (int p = 0; p < 2; ++p) {
            rounds.lastCli[p] = cliRun(config, projectFile, phases[p]);
            rounds.cli[p].push_back(rounds.lastCli[p].seconds);
        }
        settleDisk();
        rounds.floor.push_back(runFloor(enginePaths));
        std::printf("Round %d: convert journal %.2f s, none %.2f s, cli %.2f s, sed %.2f s; "
                    "restore journal %.2f s, none %.2f s, cli %.2f s, sed %.2f s; floor %.2f s\n",
                    r, rounds.with[0].back(), rounds.without[0].back(), rounds.cli[0].back(),
                    rounds.sed[0].back(), rounds.with[1].back(), rounds.without[1].back(),
                    rounds.cli[1].back(), rounds.sed[1].back(), rounds.floor.back());
        std::fflush(stdout);
    }
    QDir(journal).removeRecursively();
    QDir(dataHome(projectFile)).removeRecursively();
    std::printf("\nWith the undo journal, medians over %d rounds, %d pages, pages/s (aims: "
                "journal and cli/sed >= 1.5, share <= 15 %%):\n",
                config.repetitions, config.pages);
    std::printf("%-8s %8s %8s %8s %8s %8s   %5s %5s   %5s %5s   %s\n", "", "none", "journal", "cli",
                "sed -i", "floor", "j/sed", "c/sed", "j/flr", "c/flr", "journal's share");
    printJournalRow("convert", rounds, 0, config.pages);
    printJournalRow("restore", rounds, 1, config.pages);
    std::printf("(none, journal: the engine without and with its journal; cli: quillet-cli's "
                "whole process;\n floor: read, write a new file beside, one syncfs, rename)\n");
    return rounds;
}

void printCliMemory(int pages, const char* phase, const EngineFigures& engine,
                    const ChildFigures& cli, qint64 cliStartKb)
{
    std::printf("  %6d  %-8s %8.1f %10.1f %8.1f %8.1f %14.1f\n", pages, phase,
                megabytes(engine.peakKb), megabytes(engine.peakKb - engine.baseKb - engine.logKb),
                megabytes(cli.peakKb), megabytes(engine.logKb),
                megabytes(cli.peakKb - cliStartKb - engine.logKb));
}

} // namespace

int runBenchmark(const BenchmarkConfig& config)
{
    const QString base = config.folder.isEmpty() ? QDir::tempPath() : config.folder;
    QTemporaryDir work(base + QStringLiteral("/quillet-bench-XXXXXX"));
    if (!work.isValid())
        qFatal("cannot create a folder in %s", qPrintable(base));
    work.setAutoRemove(!config.keep);
    const QString engineRoot = work.filePath(QStringLiteral("engine"));
    const QString sedRoot = work.filePath(QStringLiteral("sed"));

    std::printf("Generating %d Shift_JIS pages twice in %s ...\n", config.pages,
                qPrintable(work.path()));
    std::fflush(stdout);
    const SiteSize size = writeSite({engineRoot, sedRoot}, config.pages);
    std::printf("Pages: %d, %.1f KB on average, largest %.1f KB\n\n", config.pages,
                size.bytes / 1024.0 / config.pages, size.largestPage / 1024.0);

    const QStringList enginePaths = pagePaths(engineRoot, config.pages);
    const QStringList sedPaths = pagePaths(sedRoot, config.pages);
    const QString menu = writeText(work.filePath(QStringLiteral("menu.txt")), plainMenu());
    const QString list =
        writeText(work.filePath(QStringLiteral("pages.txt")), enginePaths.join(u'\n'));
    const QString smallList = writeText(work.filePath(QStringLiteral("small.txt")),
                                        enginePaths.mid(0, config.smallPages).join(u'\n'));
    if (config.fileListOnly) {
        runFileListRounds(config, work, enginePaths, list, menu);
        return 0;
    }
    if (config.alignOnly) {
        runAlignRounds(config, engineRoot, enginePaths, list, menu);
        return 0;
    }
    const SedScripts scripts = writeSedScripts(work.path(), plainMenu(), siteTag);
    const QString projectFile = work.filePath(QStringLiteral("mprj.xml"));
    writeProjectFile(projectFile, siteName, enginePaths, plainMenu());
    const QString smallProjectFile = work.filePath(QStringLiteral("small/mprj.xml"));
    QDir().mkpath(QFileInfo(smallProjectFile).path());
    writeProjectFile(smallProjectFile, siteName, enginePaths.mid(0, config.smallPages),
                     plainMenu());

    Timings convert;
    Timings restore;
    EngineFigures lastConvert;
    EngineFigures lastRestore;
    for (int r = 1; r <= config.repetitions; ++r) {
        lastConvert = engineOrDie(QStringLiteral("convert"), list, menu, config.pages);
        convert.engine.push_back(lastConvert.seconds);
        convert.sed.push_back(sedOrDie(scripts.convert, sedPaths));
        if (r == 1 && differingPages(enginePaths, sedPaths) != 0)
            qFatal("engine and sed conversions differ");
        lastRestore = engineOrDie(QStringLiteral("restore"), list, menu, config.pages);
        restore.engine.push_back(lastRestore.seconds);
        restore.sed.push_back(sedOrDie(scripts.restore, sedPaths));
        std::printf(
            "Round %d: convert engine %.2f s, sed %.2f s; restore engine %.2f s, sed %.2f s\n", r,
            convert.engine.back(), convert.sed.back(), restore.engine.back(), restore.sed.back());
        std::fflush(stdout);
    }
    const int notOriginal = pagesNotOriginal(enginePaths);
    std::printf("Engine pages after convert and restore differing from the original: %d\n\n",
                notOriginal);

    std::printf("The engine alone (no journal), medians over %d rounds, %d pages:\n",
                config.repetitions, config.pages);
    printRate("convert", convert, config.pages);
    printRate("restore", restore, config.pages);
    std::printf("\n");
    const JournalRounds journalled =
        runJournalRounds(config, work.filePath(QStringLiteral("journal")), list, menu, projectFile,
                         enginePaths, sedPaths, scripts);

    if (!config.noFsyncLibrary.isEmpty() && QFileInfo::exists(config.noFsyncLibrary)) {
        const double convertNoSync =
            engineOrDie(QStringLiteral("convert"), list, menu, config.pages, config.noFsyncLibrary)
                .seconds;
        const double restoreNoSync =
            engineOrDie(QStringLiteral("restore"), list, menu, config.pages, config.noFsyncLibrary)
                .seconds;
        std::printf(
            "\nWithout fsync and syncfs (one round): convert %.0f pages/s, restore %.0f pages/s;\n"
            "the syncs' share of the engine's time: convert %.0f %%, restore %.0f %%\n",
            config.pages / convertNoSync, config.pages / restoreNoSync,
            100 * (1 - convertNoSync / median(convert.engine)),
            100 * (1 - restoreNoSync / median(restore.engine)));
    }

    const EngineFigures smallConvert =
        engineOrDie(QStringLiteral("convert"), smallList, menu, config.smallPages);
    const ChildFigures smallCliConvert =
        cliRun(config, smallProjectFile, QStringLiteral("convert"));
    const EngineFigures smallRestore =
        engineOrDie(QStringLiteral("restore"), smallList, menu, config.smallPages);
    const ChildFigures smallCliRestore =
        cliRun(config, smallProjectFile, QStringLiteral("restore"));
    QDir(dataHome(smallProjectFile)).removeRecursively();
    std::printf("\nEngine memory in MB (VmHWM of each run's own process; growth = peak - before;\n"
                "the log is the run's result, one line per page):\n");
    std::printf("  %6s  %-8s %8s %8s %8s %8s %10s\n", "pages", "phase", "before", "peak", "growth",
                "log", "growth-log");
    printMemory(config.smallPages, "convert", smallConvert);
    printMemory(config.smallPages, "restore", smallRestore);
    printMemory(config.pages, "convert", lastConvert);
    printMemory(config.pages, "restore", lastRestore);
    std::printf("  largest page %.1f KB\n", size.largestPage / 1024.0);

    const qint64 cliStartKb = runChild(config.cliProgram, {QStringLiteral("--version")},
                                       QProcessEnvironment::systemEnvironment())
                                  .peakKb;
    std::printf("\nquillet-cli's memory in MB beside the engine's (the journal on; aim: beyond its "
                "start\nand its log at most 64 MB; quillet-cli --version peaks at %.1f MB):\n",
                megabytes(cliStartKb));
    std::printf("  %6s  %-8s %8s %10s %8s %8s %14s\n", "pages", "phase", "engine", "engine-log",
                "cli", "log", "cli-start-log");
    printCliMemory(config.smallPages, "convert", smallConvert, smallCliConvert, cliStartKb);
    printCliMemory(config.smallPages, "restore", smallRestore, smallCliRestore, cliStartKb);
    printCliMemory(config.pages, "convert", lastConvert, journalled.lastCli[0], cliStartKb);
    printCliMemory(config.pages, "restore", lastRestore, journalled.lastCli[1], cliStartKb);

    const QString crashProject = work.filePath(QStringLiteral("crash/mprj.xml"));
    QDir().mkpath(QFileInfo(crashProject).path());
    writeProjectFile(crashProject, siteName, enginePaths.mid(0, config.smallPages), plainMenu());
    const CrashTrialFigures crashes = runCrashTrials(
        {engineRoot, enginePaths, enginePaths.mid(0, config.smallPages), config.cliProgram,
         crashProject, dataHome(crashProject),
         std::max(smallCliConvert.seconds, smallCliRestore.seconds), config.crashTrials});
    QDir(dataHome(crashProject)).removeRecursively();
    if (crashes.trials > 0)
        std::printf("\nCrash trial: %d quillet-cli runs over %d pages (convert, restore, align in "
                    "turn) killed\nwith SIGKILL at a random moment (%d mid-run), each followed by "
                    "check:\n  pages neither old nor new %d, stray files after the next command "
                    "%d;\n  undo after %d kills: pages not given their old text %d\n",
                    crashes.trials, config.smallPages, crashes.killedMidRun, crashes.badPages,
                    crashes.strayFiles, crashes.undone, crashes.notTakenBack);

    int notOriginalAfterWindow = 0;
    if (config.windowRuns) {
        std::printf("\nThe window's runs beside quillet-cli's, %d pages:\n", config.pages);
        compareWindowWithCli(config, projectFile);
        notOriginalAfterWindow = pagesNotOriginal(enginePaths);
        std::printf("Pages differing from the original afterwards: %d\n", notOriginalAfterWindow);
    }

    std::printf("\n");
    runFileListRounds(config, work, enginePaths, list, menu);
    std::printf("\n");
    runAlignRounds(config, engineRoot, enginePaths, list, menu);
    const bool sound = notOriginal == 0 && notOriginalAfterWindow == 0 && crashes.badPages == 0 &&
                       crashes.strayFiles == 0 && crashes.notTakenBack == 0;
    return sound ? 0 : 1;
}

} // namespace quillet::bench
