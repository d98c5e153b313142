#include "filelistphase.h"

#include "benchsite.h"

#include "engine/pagefile.h"
#include "engine/unhighlight.h"
#include "filelist/candidatesearch.h"
#include "filelist/dropcheck.h"
#include "filelist/dropintake.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <cstdio>

namespace quillet::bench {

namespace {

// What the window does on a drop with an empty name and menu: every step of the check.
qsizetype dropOnto(const QStringList& listed, const QString& dropped)
{
    const DropIntake intake = takeDroppedPaths(listed, {dropped}, {});
    ListedPages pages(listed + intake.added);
    if (!CheckProjectNames(pages))
        qFatal("the pages carry differing project names");
    GetFileProjectName(pages);
    if (GetMenuFromFiles(pages).isEmpty())
        qFatal("no menu found in the pages");
    return intake.added.size();
}

qsizetype searchFolders(const QStringList& folders, const CandidateTest& test)
{
    qsizetype found = 0;
    for (const QString& folder : folders) {
        const FolderListing listing = listCandidates(folder);
        if (listing.error)
            qFatal("cannot list %s", qPrintable(folder));
        const CandidateSearch search =
            examineCandidates(listing.candidates, test, [&](const QString&) { ++found; });
        if (search.error)
            qFatal("%s", qPrintable(search.error->text));
    }
    return found;
}

} // namespace

int fileListPhaseMain(const QStringList& arguments)
{
    // arguments: phase, list file, argument
    const QString phase = arguments.value(0);
    const QStringList list = readUtf8(arguments.value(1)).split(u'\n', Qt::SkipEmptyParts);
    const QString argument = arguments.value(2);
    decodePage(encodePage(QStringLiteral("日本語"), {}).bytes); // tables loaded first

    QElapsedTimer timer;
    timer.start();
    qsizetype found = 0;
    if (phase == QStringLiteral("drop"))
        found = dropOnto(list, argument);
    else if (phase == QStringLiteral("before"))
        found = searchFolders(list, beforeConversionTest(CleanHighlight(readUtf8(argument))));
    else if (phase == QStringLiteral("after"))
        found = searchFolders(list, afterConversionTest(argument));
    else
        return 2;
    std::printf("seconds=%.6f found=%lld\n", timer.nsecsElapsed() / 1e9,
                static_cast<long long>(found));
    return 0;
}

FileListFigures runFileListPhase(const QString& phase, const QString& listFile,
                                 const QString& argument)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--filelist-phase"), phase, listFile, argument});
    FileListFigures figures;
    if (!child.waitForFinished(-1) || child.exitCode() != 0) {
        figures.error = QStringLiteral("file list phase %1 failed").arg(phase);
        return figures;
    }
    static const QRegularExpression pattern(QStringLiteral(R"(seconds=([\d.]+) found=(\d+))"));
    const QRegularExpressionMatch match =
        pattern.match(QString::fromUtf8(child.readAllStandardOutput()));
    if (!match.hasMatch()) {
        figures.error = QStringLiteral("file list phase %1 gave no figures").arg(phase);
        return figures;
    }
    figures.ok = true;
    figures.seconds = match.captured(1).toDouble();
    figures.found = match.captured(2).toLongLong();
    return figures;
}

} // namespace quillet::bench
