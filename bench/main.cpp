#include "benchmark.h"
#include "enginephase.h"
#include "filelistphase.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace quillet::bench;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.value(1) == QStringLiteral("--engine-phase"))
        return enginePhaseMain(arguments.mid(2));
    if (arguments.value(1) == QStringLiteral("--filelist-phase"))
        return fileListPhaseMain(arguments.mid(2));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Times the conversion and restore runs over generated Shift_JIS pages beside GNU sed."));
    parser.addHelpOption();
    const QCommandLineOption pages(QStringLiteral("pages"), QStringLiteral("Pages to generate."),
                                   QStringLiteral("n"), QStringLiteral("10000"));
    const QCommandLineOption small(QStringLiteral("small"),
                                   QStringLiteral("Pages of the second memory run."),
                                   QStringLiteral("n"), QStringLiteral("2500"));
    const QCommandLineOption rounds(QStringLiteral("rounds"), QStringLiteral("Repetitions."),
                                    QStringLiteral("n"), QStringLiteral("5"));
    const QCommandLineOption folder(QStringLiteral("dir"),
                                    QStringLiteral("Folder for the temporary pages."),
                                    QStringLiteral("path"));
    const QCommandLineOption keep(QStringLiteral("keep"),
                                  QStringLiteral("Keep the generated pages (for profiling)."));
    const QCommandLineOption fileListOnly(
        QStringLiteral("filelist-only"),
        QStringLiteral("Only the file list commands beside the conversion run."));
    const QCommandLineOption alignOnly(
        QStringLiteral("align-only"),
        QStringLiteral("Only the alignment of drifted menus beside the conversion run."));
    const QCommandLineOption crashTrials(QStringLiteral("crash-trials"),
                                         QStringLiteral("Runs killed at random moments (0: none)."),
                                         QStringLiteral("n"), QStringLiteral("50"));
    const QCommandLineOption noWindow(QStringLiteral("no-window"),
                                      QStringLiteral("Leave out the window's runs."));
    parser.addOptions(
        {pages, small, rounds, folder, keep, fileListOnly, alignOnly, crashTrials, noWindow});
    parser.process(app);

    BenchmarkConfig config;
    config.pages = std::max(1, parser.value(pages).toInt());
    config.smallPages = std::clamp(parser.value(small).toInt(), 1, config.pages);
    config.repetitions = std::max(1, parser.value(rounds).toInt());
    config.windowRuns = !parser.isSet(noWindow);
    config.crashTrials = std::max(0, parser.value(crashTrials).toInt());
    config.folder = parser.value(folder);
    config.keep = parser.isSet(keep);
    config.fileListOnly = parser.isSet(fileListOnly);
    config.alignOnly = parser.isSet(alignOnly);
    config.windowProgram = QStringLiteral(QUILLET_BENCH_WINDOW);
    config.cliProgram = QStringLiteral(QUILLET_BENCH_CLI);
#ifdef QUILLET_BENCH_NOFSYNC
    config.noFsyncLibrary = QStringLiteral(QUILLET_BENCH_NOFSYNC);
#endif
    return runBenchmark(config);
}
