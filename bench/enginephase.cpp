#include "enginephase.h"

#include "benchsite.h"
#include "engine/menualign.h"
#include "engine/pagefile.h"
#include "engine/pagewriter.h"
#include "engine/runs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <cstdio>
#include <memory>

namespace quillet::bench {

namespace {

// A line of /proc/self/status, in kB.
qint64 statusKb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

} // namespace

int enginePhaseMain(const QStringList& arguments)
{
    // arguments: phase, list file, menu file, journal folder (none: no journal)
    const QString phase = arguments.value(0);
    const QString journalFolder = arguments.value(3);
    // Without a journal: the same replacement, to see what the journal costs.
    std::unique_ptr<PageWriter> writer;
    if (journalFolder.isEmpty())
        writer = std::make_unique<DiskPages>();
    else
        writer = std::make_unique<JournalledPages>(
            journalFolder, JournalCommand{phase, arguments.value(1), siteTag});
    PageWriter& pages = *writer;
    const QStringList paths = readUtf8(arguments.value(1)).split(u'\n', Qt::SkipEmptyParts);
    const RunSettings settings{readUtf8(arguments.value(2)), siteTag, {}};
    const bool converting = phase == QStringLiteral("convert");
    const bool aligning = phase == QStringLiteral("align");
    const QString doneMark = converting ? QStringLiteral("の変換を行ないました。")
                             : aligning ? QStringLiteral("のメニューを揃えました。")
                                        : QStringLiteral("を戻しました。");

    // The code page's tables are loaded once, whatever the number of pages: load them first
    // so that the growth measured below is what the pages take.
    decodePage(encodePage(QStringLiteral("日本語"), {}).bytes);
    const qint64 baseKb = statusKb("VmHWM:");
    QElapsedTimer timer;
    timer.start();
    const RunResult result = converting ? runConversion(paths, settings, pages)
                             : aligning ? runAlignment(paths, settings, pages)
                                        : runRestore(paths, settings, pages);
    const double seconds = timer.nsecsElapsed() / 1e9;
    const qint64 peakKb = statusKb("VmHWM:");

    const auto changed =
        std::count_if(result.log.begin(), result.log.end(),
                      [&](const QString& line) { return line.endsWith(doneMark); });
    // Each line: its characters, Qt's header and malloc's, and its place in the list.
    qint64 logBytes = 0;
    for (const QString& line : result.log)
        logBytes += line.capacity() * 2 + 32 + qint64(sizeof(QString));
    std::printf("seconds=%.6f base_kb=%lld peak_kb=%lld log_kb=%lld changed=%lld failed=%d\n",
                seconds, static_cast<long long>(baseKb), static_cast<long long>(peakKb),
                static_cast<long long>(logBytes / 1024), static_cast<long long>(changed),
                result.pageFailed ? 1 : 0);
    return result.refusal ? 1 : 0;
}

EngineFigures runEnginePhase(const QString& phase, const QString& listFile, const QString& menuFile,
                             const QString& preload, const QString& journalFolder)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!preload.isEmpty())
        environment.insert(QStringLiteral("LD_PRELOAD"), preload);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--engine-phase"), phase, listFile, menuFile, journalFolder});
    EngineFigures figures;
    if (!child.waitForFinished(-1) || child.exitCode() != 0) {
        figures.error = QStringLiteral("engine %1 failed").arg(phase);
        return figures;
    }
    static const QRegularExpression pattern(QStringLiteral(
        R"(seconds=([\d.]+) base_kb=(\d+) peak_kb=(\d+) log_kb=(\d+) changed=(\d+) failed=(\d))"));
    const QRegularExpressionMatch match =
        pattern.match(QString::fromUtf8(child.readAllStandardOutput()));
    if (!match.hasMatch() || match.captured(6) != QStringLiteral("0")) {
        figures.error = QStringLiteral("engine %1 gave no figures or failed a page").arg(phase);
        return figures;
    }
    figures.ok = true;
    figures.seconds = match.captured(1).toDouble();
    figures.baseKb = match.captured(2).toLongLong();
    figures.peakKb = match.captured(3).toLongLong();
    figures.logKb = match.captured(4).toLongLong();
    figures.changed = match.captured(5).toLongLong();
    return figures;
}

} // namespace quillet::bench
