#include "engine/batchintent.h"
#include "engine/pagebatch.h"
#include "engine/pagefixtures.h"
#include "engine/pagerun.h"
#include "engine/pageundo.h"
#include "engine/pagewriter.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::fixtures;

namespace {

// A step that appends a mark to every page, or writes the text a test chose for it.
struct MarkingStep
{
    QHash<QString, QString> texts; // by file name; a page not here gets its text + "x"
    // Runs once a page is read, before its write: what another program may do meanwhile.
    std::function<void(const QString&)> afterRead;

    PageOutcome operator()(const QString& path, const PageRead& read) const
    {
        if (afterRead)
            afterRead(path);
        const QString name = QFileInfo(path).fileName();
        if (!read.ok)
            return unreadablePage(name);
        return replacingOutcome(name, u" done"_s, texts.value(name, read.page.text + u'x'));
    }
};

QStringList makePages(const QTemporaryDir& dir, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        paths.append(dir.filePath(u"p%1.html"_s.arg(i)));
        writeBytes(paths.last(), shiftJis(u"頁%1"_s.arg(i)));
    }
    return paths;
}

RunResult runSteps(const QStringList& paths, const MarkingStep& step,
                   PageWriter&& pages = DiskPages())
{
    RunResult result;
    runPageSteps(paths, step, pages, {}, result);
    return result;
}

} // namespace

class TestPageBatch : public QObject
{
    Q_OBJECT

private slots:
    void everyPageWrittenAndNothingLeftBeside();
    void failedWriteInTheMiddleLeavesThatPageOnly();
    void pageGoneWhenItsBatchIsPlacedIsLoggedAndTheRestWritten();
    void pageListedTwiceSeesItsFirstWrite();
    void linksAndPermissionsKept();
    void pageTouchedDuringTheRunIsLeft_data();
    void pageTouchedDuringTheRunIsLeft();
    void journalThatCannotBeWrittenLeavesEveryPage();
    void stopBetweenBatchesLeavesEveryPageOldOrNewAndUndoTakesItBack();
    void killBetweenNamingAndRenamingLeavesNothingAfterTheNextCommand();
    void namesOfARunningCommandAreLeftToIt();
};

void TestPageBatch::everyPageWrittenAndNothingLeftBeside()
{
    QTemporaryDir dir;
    const QStringList paths = makePages(dir, 600); // more than one batch
    const QStringList entries = folderEntries(dir.path());
    DiskPages pages;
    QStringList told;
    pages.setChangeListener(
        [&](const QString& path, const QString&, const QString&) { told.append(path); });
    const RunResult result = runSteps(paths, {}, std::move(pages));
    QVERIFY(!result.pageFailed);
    QCOMPARE(result.log.size(), paths.size());
    QCOMPARE(result.log.last(), u"p599.html done"_s);
    QCOMPARE(result.lastPageText, u"頁599x"_s);
    QCOMPARE(told, paths);
    for (int i = 0; i < paths.size(); ++i)
        QCOMPARE(readBytes(paths[i]), shiftJis(u"頁%1x"_s.arg(i)));
    QCOMPARE(folderEntries(dir.path()), entries);
}

// A full disk for one page of a batch: that page is as it was, logged, and the others written.
void TestPageBatch::failedWriteInTheMiddleLeavesThatPageOnly()
{
    QTemporaryDir dir;
    const QStringList paths = makePages(dir, 5);
    const QStringList entries = folderEntries(dir.path());
    const QString large(8 * 1024, u'あ');
    RunResult result;
    {
        const FileSizeLimit limit(4096);
        result = runSteps(paths, {.texts = {{u"p2.html"_s, large}}, .afterRead = {}});
    }
    QVERIFY(result.pageFailed);
    QCOMPARE(result.log[2], u"p2.htmlを書き込めませんでした。("_s + systemErrorText(EFBIG) + u')');
    QCOMPARE(readBytes(paths[2]), shiftJis(u"頁2"_s));
    for (int i : {0, 1, 3, 4}) {
        QCOMPARE(result.log[i], u"p%1.html done"_s.arg(i));
        QCOMPARE(readBytes(paths[i]), shiftJis(u"頁%1x"_s.arg(i)));
    }
    QCOMPARE(folderEntries(dir.path()), entries);
}

// A page made a folder after its text was staged is no longer the page read.
void TestPageBatch::pageGoneWhenItsBatchIsPlacedIsLoggedAndTheRestWritten()
{
    QTemporaryDir dir;
    const QStringList paths = makePages(dir, 4);
    MarkingStep step;
    step.afterRead = [&](const QString& path) {
        if (path == paths[1]) {
            QVERIFY(QFile::remove(paths[1]));
            QVERIFY(QDir().mkdir(paths[1]));
        }
    };
    const RunResult result = runSteps(paths, step);
    QVERIFY(result.pageFailed);
    QCOMPARE(result.log, (QStringList{u"p0.html done"_s,
                                      u"p1.htmlは処理中に変更されたため書き込みませんでした。"_s,
                                      u"p2.html done"_s, u"p3.html done"_s}));
    QVERIFY(QFileInfo(paths[1]).isDir());
    QCOMPARE(readBytes(paths[3]), shiftJis(u"頁3x"_s));
    QCOMPARE(folderEntries(dir.path()),
             (QStringList{u"p0.html"_s, u"p1.html"_s, u"p2.html"_s, u"p3.html"_s}));
}

void TestPageBatch::pageListedTwiceSeesItsFirstWrite()
{
    QTemporaryDir dir;
    const QStringList paths = makePages(dir, 2);
    const QString link = dir.filePath(u"again.html"_s);
    QVERIFY(QFile::link(paths[0], link));
    runSteps({paths[0], paths[1], paths[0], link}, {});
    QCOMPARE(readBytes(paths[0]), shiftJis(u"頁0xxx"_s));
    QCOMPARE(readBytes(paths[1]), shiftJis(u"頁1x"_s));

    // Read ahead of the writing, long before the batch with its first write is in place.
    const QStringList many = makePages(dir, 300);
    const RunResult result = runSteps(many + QStringList{many[0], link}, {});
    QVERIFY(!result.pageFailed);
    QCOMPARE(readBytes(many[0]), shiftJis(u"頁0xxx"_s));
    QCOMPARE(readBytes(many[299]), shiftJis(u"頁299x"_s));
}

void TestPageBatch::linksAndPermissionsKept()
{
    QTemporaryDir dir;
    const QStringList paths = makePages(dir, 2);
    const QString link = dir.filePath(u"link.html"_s);
    QVERIFY(QFile::link(paths[0], link));
    QVERIFY(::chmod(QFile::encodeName(paths[1]).constData(), 0640) == 0);
    // Root's write must not make another user's page root's.
    const bool asRoot = ::geteuid() == 0;
    if (asRoot)
        QVERIFY(::chown(QFile::encodeName(paths[1]).constData(), 65534, 65534) == 0);
    runSteps({link, paths[1]}, {});
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readBytes(paths[0]), shiftJis(u"頁0x"_s));
    struct stat status
    {};
    QVERIFY(::stat(QFile::encodeName(paths[1]).constData(), &status) == 0);
    QCOMPARE(status.st_mode & 07777, mode_t(0640));
    if (asRoot) {
        QCOMPARE(status.st_uid, uid_t(65534));
        QCOMPARE(status.st_gid, gid_t(65534));
    }
}

// What another program (or the user) does to p1 while the run holds its text: p1 is left
// as that made it, and the other pages are written.
void TestPageBatch::pageTouchedDuringTheRunIsLeft_data()
{
    QTest::addColumn<int>("touch");
    QTest::addColumn<QString>("logLine");
    const QString changed = u"p1.htmlは処理中に変更されたため書き込みませんでした。"_s;
    QTest::newRow("edited") << 0 << changed;
    QTest::newRow("edited, same size and times") << 1 << changed;
    QTest::newRow("deleted") << 2 << changed;
    QTest::newRow("made read-only before the run") << 3
                                                   << u"p1.htmlは書き込みが許可されていないため"
                                                      u"書き込みませんでした。"_s;
}

void TestPageBatch::pageTouchedDuringTheRunIsLeft()
{
    QFETCH(int, touch);
    QFETCH(QString, logLine);
    QTemporaryDir dir;
    const QStringList paths = makePages(dir, 3);
    const QByteArray name = QFile::encodeName(paths[1]);
    if (touch == 3)
        QVERIFY(::chmod(name.constData(), 0444) == 0);
    const QByteArray edited = shiftJis(u"頁9"_s);
    MarkingStep step;
    step.afterRead = [&](const QString& path) {
        if (path != paths[1])
            return;
        struct stat status
        {};
        QVERIFY(::stat(name.constData(), &status) == 0);
        if (touch == 0 || touch == 1)
            writeBytes(paths[1], edited);
        if (touch == 1) {
            const timespec times[2] = {status.st_atim, status.st_mtim};
            QVERIFY(::utimensat(AT_FDCWD, name.constData(), times, 0) == 0);
        }
        if (touch == 2)
            QVERIFY(QFile::remove(paths[1]));
    };
    const RunResult result = runSteps(paths, step);
    QVERIFY(result.pageFailed);
    QCOMPARE(result.log, (QStringList{u"p0.html done"_s, logLine, u"p2.html done"_s}));
    QCOMPARE(readBytes(paths[0]), shiftJis(u"頁0x"_s));
    QCOMPARE(readBytes(paths[2]), shiftJis(u"頁2x"_s));
    if (touch == 2)
        QVERIFY(!QFileInfo::exists(paths[1]));
    else
        QCOMPARE(readBytes(paths[1]), touch == 3 ? shiftJis(u"頁1"_s) : edited);
}

void TestPageBatch::journalThatCannotBeWrittenLeavesEveryPage()
{
    QTemporaryDir dir;
    const QStringList paths = makePages(dir, 3);
    writeBytes(dir.filePath(u"file"_s), "x");
    const QStringList entries = folderEntries(dir.path());
    const RunResult result =
        runSteps(paths, {},
                 JournalledPages(dir.filePath(u"file/journal"_s),
                                 {u"convert"_s, dir.filePath(u"mprj.xml"_s), {}}));
    QVERIFY(result.pageFailed);
    for (int i = 0; i < paths.size(); ++i) {
        QCOMPARE(result.log[i],
                 u"p%1.htmlを書き込めませんでした。(取り消し用の記録を書き込めません)"_s.arg(i));
        QCOMPARE(readBytes(paths[i]), shiftJis(u"頁%1"_s.arg(i)));
    }
    QCOMPARE(folderEntries(dir.path()), entries);
}

// The user's stop: the batch in progress is written whole, the rest untouched, and undo
// gives back exactly the pages written.
void TestPageBatch::stopBetweenBatchesLeavesEveryPageOldOrNewAndUndoTakesItBack()
{
    QTemporaryDir site;
    QTemporaryDir journal;
    const QStringList paths = makePages(site, 600); // more than one batch
    const QStringList entries = folderEntries(site.path());
    const QString projectFile = site.filePath(u"mprj.xml"_s);
    MarkingStep step;
    RunResult result;
    {
        JournalledPages pages(journal.path(), {u"restore"_s, projectFile, u"サイト"_s});
        int asked = 0;
        runPageSteps(paths, step, pages, {}, result, [&] { return ++asked == 1; });
        QCOMPARE(asked, 1);
    }
    QVERIFY(result.stopped);
    QVERIFY(!result.pageFailed);
    const qsizetype done = result.log.size() - 1;
    QVERIFY(done > 0 && done < paths.size());
    QCOMPARE(result.log.last(),
             u"中止しました。600 ページ中 %1 ページを処理しました。"_s.arg(done));
    for (qsizetype i = 0; i < paths.size(); ++i)
        QCOMPARE(readBytes(paths[i]), shiftJis((i < done ? u"頁%1x"_s : u"頁%1"_s).arg(i)));
    QCOMPARE(folderEntries(site.path()), entries);

    const UndoResult undone = undoLastCommand(journal.path(), projectFile);
    QVERIFY(undone.entry && !undone.pageLeft && !undone.damaged);
    QCOMPARE(undone.log.size(), done);
    for (qsizetype i = 0; i < paths.size(); ++i)
        QCOMPARE(readBytes(paths[i]), shiftJis(u"頁%1"_s.arg(i)));
}

// The kill lands after the second page's new text got its name beside the page and before
// the rename: that name is the only file a kill can leave, and the next command takes it.
void TestPageBatch::killBetweenNamingAndRenamingLeavesNothingAfterTheNextCommand()
{
    QTemporaryDir site;
    QTemporaryDir journal;
    const QStringList paths = makePages(site, 3);
    const QByteArray old = readBytes(paths[1]);
    const pid_t child = ::fork();
    if (child == 0) {
        PageBatch batch(journal.path());
        for (const QString& path : paths)
            batch.stage(path, readPageBytes(path), "new");
        int renames = 0;
        batch.setBeforeRename([&] {
            if (renames++ == 1)
                ::_exit(0);
        });
        batch.commit();
        ::_exit(1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QCOMPARE(QDir(site.path()).entryList(QDir::Files).size(), 4);

    QVERIFY(!undoLastCommand(journal.path(), site.filePath(u"mprj.xml"_s)).entry);
    QCOMPARE(QDir(site.path()).entryList(QDir::Files).size(), 3);
    QCOMPARE(readBytes(paths[0]), QByteArray("new"));
    QCOMPARE(readBytes(paths[1]), old);
    QVERIFY(QDir(journal.path()).entryList(QDir::Files).isEmpty());
}

// Another command starting while a batch is placed leaves its names alone.
void TestPageBatch::namesOfARunningCommandAreLeftToIt()
{
    QTemporaryDir site;
    QTemporaryDir journal;
    const QStringList paths = makePages(site, 2);
    PageBatch batch(journal.path());
    for (const QString& path : paths)
        batch.stage(path, readPageBytes(path), "new");
    batch.setBeforeRename([&] { BatchIntent::removeLeftNames(journal.path()); });
    for (const PageWrite& written : batch.commit())
        QVERIFY2(written.ok, qPrintable(written.error));
    QCOMPARE(readBytes(paths[1]), QByteArray("new"));
    QCOMPARE(QDir(site.path()).entryList(QDir::Files).size(), 2);
}

QTEST_APPLESS_MAIN(TestPageBatch)
#include "test_pagebatch.moc"
