#include "crashtrial.h"

#include "benchsite.h"
#include "enginephase.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QStringEncoder>
#include <QThread>

#include <cstdio>

namespace quillet::bench {

namespace {

// What the conversion makes of a generated page: the menu between the markers becomes the
// tag, as the sed script does it.
QByteArray convertedBytes(const QByteArray& restored)
{
    const QByteArray start("<!--MenuStart-->");
    const QByteArray end("<!--MenuEnd-->");
    const qsizetype from = restored.indexOf(start) + start.size();
    const qsizetype to = restored.lastIndexOf(end);
    QStringEncoder encoder("Shift_JIS");
    const QByteArray tag = encoder.encode(siteTag);
    return restored.left(from) + "\r\n" + tag + "\r\n" + restored.mid(to);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int badPages(const QStringList& paths)
{
    int bad = 0;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QByteArray bytes = fileBytes(paths[i]);
        const QByteArray restored = pageBytes(int(i));
        bad += bytes != restored && bytes != convertedBytes(restored);
    }
    return bad;
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

// Starts the phase and kills it after a random part of a whole run; whether it was still
// running then.
bool killMidRun(const QString& phase, const CrashTrialSetup& setup)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.setStandardOutputFile(QProcess::nullDevice());
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--engine-phase"), phase, setup.listFile, setup.menuFile});
    if (!child.waitForStarted())
        qFatal("cannot start the engine");
    const auto ms = qint64(setup.runSeconds * 1000 * QRandomGenerator::global()->generateDouble());
    QThread::msleep(quint64(ms));
    const bool running = child.state() == QProcess::Running;
    child.kill();
    child.waitForFinished(-1);
    return running && child.exitStatus() == QProcess::CrashExit;
}

} // namespace

CrashTrialFigures runCrashTrials(const CrashTrialSetup& setup)
{
    CrashTrialFigures figures;
    for (int trial = 0; trial < setup.trials; ++trial) {
        const QString phase =
            trial % 2 == 0 ? QStringLiteral("convert") : QStringLiteral("restore");
        figures.killedMidRun += killMidRun(phase, setup);
        figures.badPages += badPages(setup.paths);
        figures.strayFiles += removeStrayFiles(setup.root, setup.paths);
        ++figures.trials;
        // The rest of the run, so that the next trial starts from one form.
        if (!runEnginePhase(phase, setup.listFile, setup.menuFile).ok)
            qFatal("engine %s failed after a kill", qPrintable(phase));
    }
    if (setup.trials % 2 == 1 &&
        !runEnginePhase(QStringLiteral("restore"), setup.listFile, setup.menuFile).ok)
        qFatal("engine restore failed after the trials");
    return figures;
}

} // namespace quillet::bench
