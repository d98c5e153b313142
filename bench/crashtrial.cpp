#include "crashtrial.h"

#include "benchsite.h"
#include "windowphase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>

#include <cstdio>

namespace quillet::bench {

namespace {

enum class Phase { Convert, Restore, Align };

QString phaseWord(Phase phase)
{
    switch (phase) {
    case Phase::Convert:
        return QStringLiteral("convert");
    case Phase::Restore:
        return QStringLiteral("restore");
    case Phase::Align:
        return QStringLiteral("align");
    }
    return {};
}

QByteArray oldBytes(Phase phase, int index)
{
    switch (phase) {
    case Phase::Convert:
        return pageBytes(index);
    case Phase::Restore:
        return convertedPageBytes(index);
    case Phase::Align:
        return driftedPageBytes(index, true);
    }
    return {};
}

QByteArray newBytes(Phase phase, int index)
{
    return phase == Phase::Convert ? convertedPageBytes(index) : pageBytes(index);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pagesNeither(Phase phase, const QStringList& paths)
{
    int bad = 0;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QByteArray bytes = fileBytes(paths[i]);
        bad += bytes != oldBytes(phase, int(i)) && bytes != newBytes(phase, int(i));
    }
    return bad;
}

int pagesNotOld(Phase phase, const QStringList& paths)
{
    int left = 0;
    for (qsizetype i = 0; i < paths.size(); ++i)
        left += fileBytes(paths[i]) != oldBytes(phase, int(i));
    return left;
}

// Counted once each: they are removed, so that the next trial starts from a clean site.
int removeStrayFiles(const QString& root, const QStringList& paths)
{
    const QSet<QString> pages(paths.begin(), paths.end());
    int stray = 0;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (pages.contains(path))
            continue;
        std::printf("  stray file %s\n", qPrintable(path));
        QFile::remove(path);
        ++stray;
    }
    return stray;
}

// The newest journal entry's name: a killed run that began its entry changes it.
QString newestEntry(const QString& dataHome)
{
    const QStringList entries =
        QDir(dataHome + QStringLiteral("/quillet/journal"))
            .entryList({QStringLiteral("*.journal")}, QDir::Files, QDir::Name | QDir::Reversed);
    return entries.value(0);
}

ChildFigures cli(const CrashTrialSetup& setup, const QStringList& arguments,
                 double killAfterSeconds = -1)
{
    const ChildFigures figures =
        runCli(setup.cliProgram, setup.projectFile, arguments, setup.dataHome, killAfterSeconds);
    if (!figures.started)
        qFatal("cannot start quillet-cli");
    return figures;
}

void cliOrDie(const CrashTrialSetup& setup, const QStringList& arguments)
{
    const ChildFigures figures = cli(setup, arguments);
    if (!figures.exited || figures.exitCode != 0)
        qFatal("quillet-cli %s failed", qPrintable(arguments.join(u' ')));
}

void trial(Phase phase, const CrashTrialSetup& setup, CrashTrialFigures& figures)
{
    if (phase == Phase::Align) {
        for (qsizetype i = 0; i < setup.paths.size(); ++i) {
            QFile page(setup.paths[i]);
            if (!page.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                page.write(driftedPageBytes(int(i), true)) < 0)
                qFatal("cannot write %s", qPrintable(setup.paths[i]));
        }
    }
    const QString entryBefore = newestEntry(setup.dataHome);
    const double at = setup.runSeconds * QRandomGenerator::global()->generateDouble();
    const ChildFigures killed = cli(setup, {phaseWord(phase), siteName}, at);
    figures.killedMidRun += !killed.exited;
    figures.badPages += pagesNeither(phase, setup.paths);
    // The next command, whatever it is, leaves nothing beside the pages.
    cli(setup, {QStringLiteral("check"), siteName});
    figures.strayFiles += removeStrayFiles(setup.root, setup.sitePages);
    if (newestEntry(setup.dataHome) != entryBefore) {
        ++figures.undone;
        cli(setup, {QStringLiteral("undo")});
        figures.notTakenBack += pagesNotOld(phase, setup.paths);
    }
    ++figures.trials;
    // The whole run, so that the next trial starts from its form.
    cliOrDie(setup, {phaseWord(phase), siteName});
}

} // namespace

CrashTrialFigures runCrashTrials(const CrashTrialSetup& setup)
{
    CrashTrialFigures figures;
    const Phase phases[3] = {Phase::Convert, Phase::Restore, Phase::Align};
    for (int t = 0; t < setup.trials; ++t)
        trial(phases[t % 3], setup, figures);
    if (setup.trials % 3 == 1)
        cliOrDie(setup, {QStringLiteral("restore"), siteName});
    return figures;
}

} // namespace quillet::bench
