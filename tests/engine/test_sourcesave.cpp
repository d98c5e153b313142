#include "engine/pagefixtures.h"
#include "engine/sourcesave.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::fixtures;

// Saving the source view: only over the file it shows, in that file's own format, and
// never over a file changed since without asking.
class TestSourceSave : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void refusesAnyPathButTheLoadedOne_data();
    void refusesAnyPathButTheLoadedOne();
    void changeOnDiskIsSeen_data();
    void changeOnDiskIsSeen();
    void aFileGoneSinceIsWrittenAsShiftJisCrLf();
    void unrepresentableCharacterLeavesTheFile();
    void savedTextIsTheNewOrigin();
    void replacedBytesAreJournalled_data();
    void replacedBytesAreJournalled();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    SourceOrigin load(const QString& file) const;
    JournalledPages& pages();
    QString journalFolder() const { return path(u"journal"_s); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<JournalledPages> m_pages;
};

void TestSourceSave::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

JournalledPages& TestSourceSave::pages()
{
    m_pages = std::make_unique<JournalledPages>(
        journalFolder(), JournalCommand{u"source"_s, path(u"mprj.xml"_s), u"site"_s});
    return *m_pages;
}

SourceOrigin TestSourceSave::load(const QString& file) const
{
    const PageRead read = readPage(file);
    if (!read.ok)
        qFatal("fixture page does not read");
    return sourceOrigin(file, read.page);
}

void TestSourceSave::refusesAnyPathButTheLoadedOne_data()
{
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("loadedPath");
    QTest::addColumn<QString>("savePath");
    QTest::addColumn<bool>("refused");

    QTest::newRow("the loaded file") << true << u"/s/a.html"_s << u"/s/a.html"_s << false;
    QTest::newRow("another file") << true << u"/s/a.html"_s << u"/s/b.html"_s << true;
    QTest::newRow("nothing loaded") << false << QString() << u"/s/a.html"_s << true;
    QTest::newRow("empty path") << true << u"/s/a.html"_s << QString() << true;
}

void TestSourceSave::refusesAnyPathButTheLoadedOne()
{
    QFETCH(bool, loaded);
    QFETCH(QString, loadedPath);
    QFETCH(QString, savePath);
    QFETCH(bool, refused);

    std::optional<SourceOrigin> origin;
    if (loaded)
        origin = SourceOrigin{loadedPath, {}, {}};
    const std::optional<QString> refusal = refuseSourceSave(origin, savePath);
    QCOMPARE(refusal.has_value(), refused);
    if (refusal)
        QVERIFY(!refusal->isEmpty());
}

void TestSourceSave::changeOnDiskIsSeen_data()
{
    QTest::addColumn<QByteArray>("bytesAfter"); // empty: the file is removed
    QTest::addColumn<bool>("changed");

    QTest::newRow("rewritten alike") << shiftJis(u"<p>元</p>\r\n"_s) << false;
    QTest::newRow("rewritten") << shiftJis(u"<p>新</p>\r\n"_s) << true;
    QTest::newRow("line ends only") << shiftJis(u"<p>元</p>\n"_s) << true;
    QTest::newRow("removed") << QByteArray() << true;
}

void TestSourceSave::changeOnDiskIsSeen()
{
    QFETCH(QByteArray, bytesAfter);
    QFETCH(bool, changed);

    const QString page = path(u"a.html"_s);
    writeBytes(page, shiftJis(u"<p>元</p>\r\n"_s));
    const SourceOrigin origin = load(page);
    if (bytesAfter.isEmpty())
        QVERIFY(QFile::remove(page));
    else
        writeBytes(page, bytesAfter);
    QCOMPARE(changedOnDisk(origin), changed);
}

void TestSourceSave::aFileGoneSinceIsWrittenAsShiftJisCrLf()
{
    const QString page = path(u"a.html"_s);
    writeBytes(page, u"<p>一</p>\n"_s.toUtf8());
    const SourceOrigin origin = load(page);
    QVERIFY(QFile::remove(page));

    QVERIFY(saveSource(origin, u"<p>三</p>\r\n<p>四</p>"_s, pages()).write.ok);
    QCOMPARE(readBytes(page), shiftJis(u"<p>三</p>\r\n<p>四</p>"_s));
}

void TestSourceSave::unrepresentableCharacterLeavesTheFile()
{
    const QString page = path(u"a.html"_s);
    const QByteArray before = shiftJis(u"<p>一</p>\r\n"_s);
    writeBytes(page, before);

    const SourceSave save = saveSource(load(page), u"<p>😀</p>\r\n"_s, pages());
    QVERIFY(!save.write.ok);
    QVERIFY(!save.write.error.isEmpty());
    QCOMPARE(readBytes(page), before);
    QCOMPARE(sourceSaveFailure(save.write.error).text,
             save.write.error + u"\r\nファイルは保存できませんでした"_s);
}

void TestSourceSave::savedTextIsTheNewOrigin()
{
    const QString page = path(u"a.html"_s);
    writeBytes(page, u"<p>一</p>\n"_s.toUtf8());
    const SourceSave save = saveSource(load(page), u"<p>三</p>\r\n"_s, pages());
    QVERIFY(save.write.ok);
    QVERIFY(!changedOnDisk(save.origin));
    writeBytes(page, u"<p>四</p>\n"_s.toUtf8());
    QVERIFY(changedOnDisk(save.origin));
}

void TestSourceSave::replacedBytesAreJournalled_data()
{
    QTest::addColumn<QByteArray>("onDisk"); // what the save replaces
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("a page that reads") << u"<p>一</p>\n"_s.toUtf8() << u"<p>三</p>\n"_s.toUtf8();
    // Changed since into bytes that do not read: the view's format, the bytes kept.
    QTest::newRow("bytes that no longer read")
        << QByteArray("<p>\x82</p>\r\n") << shiftJis(u"<p>三</p>\r\n"_s);
}

void TestSourceSave::replacedBytesAreJournalled()
{
    QFETCH(QByteArray, onDisk);
    QFETCH(QByteArray, written);

    const QString page = path(u"a.html"_s);
    writeBytes(page, shiftJis(u"<p>一</p>\r\n"_s));
    const SourceOrigin origin = load(page);
    writeBytes(page, onDisk);

    QVERIFY(saveSource(origin, u"<p>三</p>\r\n"_s, pages()).write.ok);
    QCOMPARE(readBytes(page), written);
    const QList<JournalEntry> entries = readJournal(journalFolder(), true);
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries[0].command.command, u"source"_s);
    QCOMPARE(entries[0].records.size(), 1);
    QCOMPARE(entries[0].records[0].oldBytes, onDisk);
}

QTEST_GUILESS_MAIN(TestSourceSave)
#include "test_sourcesave.moc"
