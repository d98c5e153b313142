#include "common/testfiles.h"
#include "engine/pagefixtures.h"
#include "engine/pagejournal.h"
#include "engine/pageundo.h"
#include "engine/pagewriter.h"
#include "engine/runs.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::fixtures;

Q_DECLARE_METATYPE(quillet::PageFormat)

namespace {

const QString tag = u"<!--サイト-->"_s;
const QString menuText = u"<ul>\r\n<li><a href=\"a.html\">ホーム</a></li>\r\n</ul>"_s;

QString page(const QString& block)
{
    return u"<html>\r\n<body>\r\n<!--MenuStart-->\r\n"_s + block +
           u"\r\n<!--MenuEnd-->\r\n<p>本文です。＼</p>\r\n</body>\r\n</html>\r\n"_s;
}

// A site folder and a journal folder, and the commands run on them.
class Site
{
public:
    QTemporaryDir dir;
    QTemporaryDir journal;
    QString projectFile = dir.filePath(u"mprj.xml"_s);

    QString add(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        writeBytes(path, bytes);
        return path;
    }

    RunResult run(const QString& command, const QStringList& paths, const QString& project = {})
    {
        JournalledPages pages(journal.path(), {command, projectFile, project});
        const RunSettings settings{menuText, tag, {}};
        return command == u"convert"_s ? runConversion(paths, settings, pages)
                                       : runRestore(paths, settings, pages);
    }

    UndoResult undo() const { return undoLastCommand(journal.path(), projectFile); }
};

// Where each block of an entry starts: a kind, a size of 8 bytes, the content, a digest.
QList<qint64> blockOffsets(const QByteArray& entry)
{
    QList<qint64> offsets;
    for (qint64 at = entry.indexOf('\n') + 1; at + 9 <= entry.size();
         at += 9 + qint64(qFromBigEndian<quint64>(entry.constData() + at + 1)) + 32)
        offsets.append(at);
    return offsets;
}

} // namespace

class TestPageJournal : public QObject
{
    Q_OBJECT

private slots:
    void recordIsDurableBeforeThePageChanges();
    void commandWithoutChangesLeavesNoEntry();
    void keepsTheLastCommands();
    void cutOffRecordIsLeftOut();
    void damagedEntryIsNotActedOnInPart_data();
    void damagedEntryIsNotActedOnInPart();
    void recordLostAtABlockBoundaryIsNoticed();
    void undoLeavesAReadOnlyPage();
    void undoGivesBackEveryFormat_data();
    void undoGivesBackEveryFormat();
    void undoLeavesAPageEditedSince();
    void secondUndoTakesBackTheCommandBefore();
    void pageReplacedTwiceInOneCommand();
    void pageNeverReplacedNeedsNothing();
    void dryRunWritesNothingAndSeesItsOwnChanges();
    void oldFileKeptByAHardLinkOrACopy_data();
    void oldFileKeptByAHardLinkOrACopy();
};

void TestPageJournal::recordIsDurableBeforeThePageChanges()
{
    Site site;
    const QByteArray original = shiftJis(page(menuText));
    const QString path = site.add(u"a.html"_s, original);
    QCOMPARE(site.run(u"convert"_s, {path}, u"サイト"_s).log.last(),
             u"a.htmlの変換を行ないました。"_s);

    const QList<JournalEntry> entries = readJournal(site.journal.path(), true);
    QCOMPARE(entries.size(), 1);
    const JournalEntry& entry = entries.first();
    QCOMPARE(entry.command.command, u"convert"_s);
    QCOMPARE(entry.command.projectFile, site.projectFile);
    QCOMPARE(entry.command.project, u"サイト"_s);
    QVERIFY(qAbs(entry.time.secsTo(QDateTime::currentDateTimeUtc())) < 60);
    QCOMPARE(entry.records.size(), 1);
    QCOMPARE(entry.records.first().path, path);
    QCOMPARE(entry.records.first().oldBytes, original);
    QCOMPARE(entry.records.first().newDigest, journalDigest(readBytes(path)));
    QCOMPARE(journalPageCount(entry), 1);
}

void TestPageJournal::commandWithoutChangesLeavesNoEntry()
{
    Site site;
    const QString path = site.add(u"a.html"_s, shiftJis(u"<p>メニューなし</p>"_s));
    site.run(u"convert"_s, {path, site.dir.filePath(u"missing.html"_s)});
    QVERIFY(readJournal(site.journal.path(), false).isEmpty());
    QVERIFY(!site.undo().entry);
}

void TestPageJournal::keepsTheLastCommands()
{
    Site site;
    const QString path = site.add(u"a.html"_s, shiftJis(page(menuText)));
    for (int i = 0; i < journalKeeps + 3; ++i)
        site.run(i % 2 == 0 ? u"convert"_s : u"restore"_s, {path}, QString::number(i));
    const QList<JournalEntry> entries = readJournal(site.journal.path(), false);
    QCOMPARE(entries.size(), journalKeeps);
    QCOMPARE(entries.first().command.project, u"3"_s);
    QCOMPARE(entries.last().command.project, QString::number(journalKeeps + 2));
}

// A kill while b's record was written: b was never replaced, and nothing is missing.
void TestPageJournal::cutOffRecordIsLeftOut()
{
    Site site;
    const QByteArray original = shiftJis(page(u"one"_s));
    const QString a = site.add(u"a.html"_s, original);
    const QString b = site.add(u"b.html"_s, original);
    JournalledPages pages(site.journal.path(), {u"convert"_s, site.projectFile, {}});
    const auto stagedA = pages.stage(a, pages.read(a), page(u"two"_s));
    QVERIFY(pages.syncJournal().ok);
    QVERIFY(pages.commit(stagedA.staged).ok);
    QVERIFY(pages.stage(b, pages.read(b), page(u"two"_s)).write.ok);
    QVERIFY(pages.syncJournal().ok);
    QFile journalFile(readJournal(site.journal.path(), false).first().file);
    const QList<qint64> blocks = blockOffsets(readBytes(journalFile.fileName()));
    QVERIFY(journalFile.resize(blocks[5] + 20)); // inside b's old bytes

    const QList<JournalEntry> entries = readJournal(site.journal.path(), true);
    QCOMPARE(entries.first().records.size(), 2);
    QVERIFY(entries.first().records[0].whole && entries.first().records[0].synced);
    QVERIFY(!entries.first().records[1].whole && !entries.first().records[1].synced);
    const UndoResult undone = site.undo();
    QCOMPARE(undone.log, (QStringList{a + u"を元に戻しました。"_s,
                                      b + u"は書き換えられる前だったので、そのままです。"_s}));
    QVERIFY(!undone.pageLeft && !undone.damaged);
    QCOMPARE(readBytes(a), original);
    QCOMPARE(readBytes(b), original);
}

// Damage found after a command over a, b and c: a is always taken back; b and c only where
// their records are whole. The entry stays and nothing is written from damaged bytes.
void TestPageJournal::damagedEntryIsNotActedOnInPart_data()
{
    QTest::addColumn<int>("damage");
    QTest::addColumn<bool>("bBack");
    QTest::addColumn<bool>("cBack");
    QTest::newRow("b's size is the largest number") << 0 << false << false;
    QTest::newRow("b's size is 2 GiB") << 1 << false << false;
    QTest::newRow("cut inside b's record") << 2 << false << false;
    QTest::newRow("cut before the sync mark") << 3 << true << true;
    QTest::newRow("a bit of b's old bytes flipped") << 4 << false << true;
    QTest::newRow("b's linked old file written since") << 5 << false << true;
}

void TestPageJournal::damagedEntryIsNotActedOnInPart()
{
    QFETCH(int, damage);
    QFETCH(bool, bBack);
    QFETCH(bool, cBack);
    Site site;
    const QByteArray original = shiftJis(page(menuText));
    const QStringList paths = {site.add(u"a.html"_s, original), site.add(u"b.html"_s, original),
                               site.add(u"c.html"_s, original)};
    site.run(u"convert"_s, paths);
    const QByteArray converted = readBytes(paths[1]);
    const QString file = readJournal(site.journal.path(), false).first().file;
    QByteArray bytes = readBytes(file);
    const QList<qint64> blocks = blockOffsets(bytes); // header, then a, b and c, sync mark
    const qint64 bOld = blocks[4];
    if (damage == 0)
        qToBigEndian(quint64(0x7FFFFFFFFFFFFFFF), bytes.data() + bOld + 1);
    if (damage == 1)
        qToBigEndian(quint64(0x80000000), bytes.data() + bOld + 1);
    if (damage == 2)
        bytes.truncate(bOld + 20);
    if (damage == 3)
        bytes.truncate(blocks[7]);
    if (damage == 4)
        bytes[bOld + 20] = char(bytes[bOld + 20] ^ 0x04);
    writeBytes(file, bytes);
    if (damage == 5) {
        const QString oldFile = readJournal(site.journal.path(), false).first().records[1].oldFile;
        QVERIFY(!oldFile.isEmpty());
        QFile linked(oldFile);
        QVERIFY(linked.open(QIODevice::ReadWrite) && linked.seek(40) && linked.write("x") == 1);
    }

    const UndoResult undone = site.undo();
    QVERIFY(undone.damaged);
    QVERIFY(undone.pageLeft);
    QCOMPARE(undone.log.first(), paths[0] + u"を元に戻しました。"_s);
    if (!bBack)
        QVERIFY(undone.log.contains(paths[1] +
                                    u"は取り消し用の記録が壊れているので、元に戻せません。"_s));
    QCOMPARE(readBytes(paths[0]), original);
    QCOMPARE(readBytes(paths[1]), bBack ? original : converted);
    QCOMPARE(readBytes(paths[2]), cBack ? original : converted);
    QCOMPARE(readJournal(site.journal.path(), false).size(), 1);
}

// Cut right after the first record of a page written twice: what is left reads whole, but the
// page holds what the lost record wrote.
void TestPageJournal::recordLostAtABlockBoundaryIsNoticed()
{
    Site site;
    const QByteArray original = shiftJis(page(u"one"_s));
    const QString path = site.add(u"a.html"_s, original);
    {
        JournalledPages pages(site.journal.path(), {u"convert"_s, site.projectFile, {}});
        QVERIFY(pages.replace(path, pages.read(path), page(u"two"_s)).ok);
        QVERIFY(pages.replace(path, pages.read(path), page(u"three"_s)).ok);
    }
    const QString file = readJournal(site.journal.path(), false).first().file;
    QVERIFY(readJournal(site.journal.path(), false).first().finished);
    const QByteArray bytes = readBytes(file);
    writeBytes(file, bytes.left(blockOffsets(bytes)[4])); // header, record, old bytes, sync

    const UndoResult undone = site.undo();
    QVERIFY(undone.damaged);
    QVERIFY(undone.pageLeft);
    QCOMPARE(readBytes(path), shiftJis(page(u"three"_s)));
    QCOMPARE(readJournal(site.journal.path(), false).size(), 1);
}

void TestPageJournal::undoLeavesAReadOnlyPage()
{
    Site site;
    const QByteArray original = shiftJis(page(menuText));
    const QString a = site.add(u"a.html"_s, original);
    site.run(u"convert"_s, {a});
    const QByteArray converted = readBytes(a);
    QVERIFY(QFile::setPermissions(a, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    const UndoResult undone = site.undo();
    QCOMPARE(undone.log,
             QStringList{a + u"は書き込みが許可されていないため元に戻しませんでした。"_s});
    QVERIFY(undone.pageLeft);
    QCOMPARE(readBytes(a), converted);
    QCOMPARE(readJournal(site.journal.path(), false).size(), 1);
}

void TestPageJournal::undoGivesBackEveryFormat_data()
{
    QTest::addColumn<PageFormat>("format");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("block");
    const QList<QPair<const char*, PageFormat>> formats{
        {"Shift_JIS CR LF", {PageEncoding::ShiftJis, false}},
        {"UTF-8 with a mark", {PageEncoding::Utf8WithBom, false}},
        {"UTF-8 LF", {PageEncoding::Utf8, true}}};
    for (const auto& [name, format] : formats) {
        QTest::addRow("convert, %s", name) << format << u"convert"_s << menuText;
        QTest::addRow("restore, %s", name) << format << u"restore"_s << tag;
    }
}

void TestPageJournal::undoGivesBackEveryFormat()
{
    QFETCH(PageFormat, format);
    QFETCH(QString, command);
    QFETCH(QString, block);
    Site site;
    const QByteArray original = encodePage(page(block), format).bytes;
    const QString path = site.add(u"a.html"_s, original);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    const QFile::Permissions permissions = QFile::permissions(path);
    site.run(command, {path});
    QVERIFY(readBytes(path) != original);

    const UndoResult undone = site.undo();
    QVERIFY(undone.entry);
    QCOMPARE(undone.entry->command.command, command);
    QCOMPARE(undone.log, QStringList{path + u"を元に戻しました。"_s});
    QVERIFY(!undone.pageLeft);
    QCOMPARE(readBytes(path), original);
    QCOMPARE(QFile::permissions(path), permissions);
}

void TestPageJournal::undoLeavesAPageEditedSince()
{
    Site site;
    const QByteArray original = shiftJis(page(menuText));
    const QString a = site.add(u"a.html"_s, original);
    const QString b = site.add(u"b.html"_s, original);
    site.run(u"convert"_s, {a, b});
    const QByteArray edited = readBytes(b) + "<p>edited</p>";
    writeBytes(b, edited);

    const UndoResult undone = site.undo();
    QCOMPARE(undone.log,
             (QStringList{a + u"を元に戻しました。"_s,
                          b + u"はこの処理の後に変更されているので、元に戻しませんでした。"_s}));
    QVERIFY(undone.pageLeft);
    QCOMPARE(readBytes(a), original);
    QCOMPARE(readBytes(b), edited);
}

void TestPageJournal::secondUndoTakesBackTheCommandBefore()
{
    Site site;
    const QByteArray original = shiftJis(page(menuText));
    const QString path = site.add(u"a.html"_s, original);
    site.run(u"convert"_s, {path});
    const QByteArray converted = readBytes(path);
    site.run(u"restore"_s, {path});
    const QByteArray restored = readBytes(path);
    // Another project file's command is not this one's to take back.
    JournalledPages other(site.journal.path(), {u"comments"_s, u"/other/mprj.xml"_s, {}});
    QVERIFY(other.replace(path, readPage(path), page(u"other"_s)).ok);
    writeBytes(path, restored);

    QCOMPARE(site.undo().entry->command.command, u"restore"_s);
    QCOMPARE(readBytes(path), converted);
    QCOMPARE(site.undo().entry->command.command, u"convert"_s);
    QCOMPARE(readBytes(path), original);
    QVERIFY(!site.undo().entry);
    QCOMPARE(readJournal(site.journal.path(), false).size(), 1);
}

void TestPageJournal::pageReplacedTwiceInOneCommand()
{
    Site site;
    const QByteArray original = shiftJis(page(u"one"_s));
    const QString path = site.add(u"a.html"_s, original);
    JournalledPages pages(site.journal.path(), {u"convert"_s, site.projectFile, {}});
    QVERIFY(pages.replace(path, pages.read(path), page(u"two"_s)).ok);
    QVERIFY(pages.replace(path, pages.read(path), page(u"three"_s)).ok);

    const UndoResult undone = site.undo();
    QCOMPARE(undone.log, QStringList{path + u"を元に戻しました。"_s});
    QCOMPARE(readBytes(path), original);
}

void TestPageJournal::pageNeverReplacedNeedsNothing()
{
    Site site;
    const QByteArray original = shiftJis(page(u"one"_s));
    const QString a = site.add(u"a.html"_s, original);
    const QString b = site.add(u"b.html"_s, original);
    JournalledPages pages(site.journal.path(), {u"convert"_s, site.projectFile, {}});
    // As if killed after the journal was synced and before b was replaced.
    const auto stagedA = pages.stage(a, pages.read(a), page(u"two"_s));
    const auto stagedB = pages.stage(b, pages.read(b), page(u"two"_s));
    QVERIFY(stagedA.write.ok && stagedB.write.ok);
    QVERIFY(pages.syncJournal().ok);
    QVERIFY(pages.commit(stagedA.staged).ok);

    const UndoResult undone = site.undo();
    QCOMPARE(undone.log, (QStringList{a + u"を元に戻しました。"_s,
                                      b + u"は書き換えられる前だったので、そのままです。"_s}));
    QVERIFY(!undone.pageLeft);
    QCOMPARE(readBytes(a), original);
    QCOMPARE(readBytes(b), original);
}

void TestPageJournal::dryRunWritesNothingAndSeesItsOwnChanges()
{
    Site site;
    const QByteArray original = shiftJis(page(u"one"_s));
    const QString path = site.add(u"a.html"_s, original);
    DryRunPages pages;
    QStringList changes;
    pages.setChangeListener([&](const QString& changed, const QString& before,
                                const QString& after) { changes << changed << before << after; });
    QVERIFY(pages.replace(path, pages.read(path), page(u"two"_s)).ok);
    QCOMPARE(pages.read(path).page.text, page(u"two"_s));
    QCOMPARE(pages.read(path).bytes, shiftJis(page(u"two"_s)));
    QVERIFY(!pages.replace(path, pages.read(path), u"〜"_s).ok);
    QCOMPARE(changes, (QStringList{path, page(u"one"_s), page(u"two"_s)}));
    QCOMPARE(readBytes(path), original);
}

// On the pages' file system the journal links the old file, which the replacement leaves
// untouched; elsewhere it copies the bytes. Undo gives them back either way.
void TestPageJournal::oldFileKeptByAHardLinkOrACopy_data()
{
    QTest::addColumn<QString>("journalBase");
    QTest::addColumn<bool>("linked");
    QTest::newRow("journal beside the pages") << QDir::tempPath() << true;
    QTest::newRow("journal on a tmpfs") << u"/dev/shm"_s << false;
}

void TestPageJournal::oldFileKeptByAHardLinkOrACopy()
{
    QFETCH(QString, journalBase);
    QFETCH(bool, linked);
    Site site;
    QTemporaryDir journal(journalBase + u"/journal-XXXXXX"_s);
    QVERIFY(journal.isValid());
    struct stat siteStatus
    {};
    struct stat journalStatus
    {};
    QVERIFY(::stat(QFile::encodeName(site.dir.path()).constData(), &siteStatus) == 0);
    QVERIFY(::stat(QFile::encodeName(journal.path()).constData(), &journalStatus) == 0);
    if ((siteStatus.st_dev == journalStatus.st_dev) != linked)
        QSKIP("the journal's file system is not the one this case needs");
    const QByteArray original = shiftJis(page(menuText));
    const QString path = site.add(u"a.html"_s, original);
    {
        JournalledPages pages(journal.path(), {u"convert"_s, site.projectFile, {}});
        runConversion({path}, {menuText, tag, {}}, pages);
    }
    QVERIFY(readBytes(path) != original);

    const JournalRecord record = readJournal(journal.path(), true).first().records.first();
    QCOMPARE(record.oldFile.isEmpty(), !linked);
    QCOMPARE(record.oldBytes, original);
    QCOMPARE(undoLastCommand(journal.path(), site.projectFile).log,
             QStringList{path + u"を元に戻しました。"_s});
    QCOMPARE(readBytes(path), original);
    QVERIFY(QDir(journal.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

QTEST_GUILESS_MAIN(TestPageJournal)
#include "test_pagejournal.moc"
