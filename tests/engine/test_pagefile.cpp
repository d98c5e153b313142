#include "engine/pagefile.h"
#include "engine/pagefixtures.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::fixtures;

Q_DECLARE_METATYPE(quillet::PageEncoding)

namespace {

const QByteArray bom("\xEF\xBB\xBF");

} // namespace

class TestPageFile : public QObject
{
    Q_OBJECT

private slots:
    void detectsEncoding_data();
    void detectsEncoding();
    void loadAndSaveKeepEveryByte_data();
    void loadAndSaveKeepEveryByte();
    void lfFileIsCrLfInMemoryAndLfOnDisk();
    void refusesBytesThatDoNotSurvive_data();
    void refusesBytesThatDoNotSurvive();
    void unreadablePaths();
    void writeKeepsPermissionsAndLeavesNoTemporaryFile_data();
    void writeKeepsPermissionsAndLeavesNoTemporaryFile();
    void writeThroughALinkKeepsTheLink();
    void unrepresentableCharacterIsNotWritten();
    void writeToAFolderOrUnderAFileFails();
    void writeIntoAReadOnlyFolderLeavesThePage();
    void writeCutShortLeavesThePage();

private:
    void expectFailedWriteKeepsPage(const QString& path, const QString& text,
                                    const PageFormat& format);
};

void TestPageFile::detectsEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<PageEncoding>("encoding");
    QTest::addColumn<QString>("text");

    const auto sjis = PageEncoding::ShiftJis;
    const auto utf8 = PageEncoding::Utf8;
    QTest::newRow("UTF-8 mark") << bom + "<p>abc</p>" << PageEncoding::Utf8WithBom
                                << u"<p>abc</p>"_s;
    QTest::newRow("UTF-8 mark before Shift_JIS declaration")
        << bom + u"<meta charset=Shift_JIS>日本"_s.toUtf8() << PageEncoding::Utf8WithBom
        << u"<meta charset=Shift_JIS>日本"_s;
    QTest::newRow("UTF-8 with high bytes")
        << u"<p>日本語</p>"_s.toUtf8() << utf8 << u"<p>日本語</p>"_s;
    QTest::newRow("ASCII declaring charset=utf-8")
        << QByteArray("<meta charset=utf-8>") << utf8 << u"<meta charset=utf-8>"_s;
    const char* declarations[] = {
        "<meta charset = \"UTF-8\">",
        "<meta charset='Utf-8'>",
        "content=\"text/html; CHARSET=utf-8\"",
        "charset  =  \"uTF-8",
    };
    for (const char* declaration : declarations)
        QTest::addRow("ASCII declaring %s", declaration)
            << QByteArray(declaration) << utf8 << QString::fromLatin1(declaration);
    const char* nonDeclarations[] = {
        "<meta charset=utf8>",      "<meta charset=\"\"utf-8\">", "<meta charset:utf-8>",
        "<meta charset=Shift_JIS>", "<p>plain ASCII</p>",         "",
    };
    for (const char* plain : nonDeclarations)
        QTest::addRow("ASCII: %s", plain)
            << QByteArray(plain) << sjis << QString::fromLatin1(plain);
    QTest::newRow("Shift_JIS") << shiftJis(u"<p>日本語のページ</p>\r\n"_s) << sjis
                               << u"<p>日本語のページ</p>\r\n"_s;
    QTest::newRow("Shift_JIS declaring UTF-8")
        << shiftJis(u"<meta charset=utf-8>日本"_s) << sjis << u"<meta charset=utf-8>日本"_s;
    // C3 BD C4: valid UTF-8 up to a character cut off by the end of the file.
    QTest::newRow("Shift_JIS whose end looks like cut-off UTF-8")
        << shiftJis(u"<p>ﾃｽﾄ"_s) << sjis << u"<p>ﾃｽﾄ"_s;
}

void TestPageFile::detectsEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(PageEncoding, encoding);
    QFETCH(QString, text);
    const PageRead read = decodePage(bytes);
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.page.format.encoding, encoding);
    QCOMPARE(read.page.text, text);
}

void TestPageFile::loadAndSaveKeepEveryByte_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QString page = u"<html>\r\n<p>日本語 ～ ① ＼ \\ ｶﾀｶﾅ　全角空白</p>\r\n</html>\r\n"_s;
    QTest::newRow("Shift_JIS CR LF") << shiftJis(page);
    QTest::newRow("Shift_JIS LF") << shiftJis(QString(page).remove(u'\r'));
    QTest::newRow("Shift_JIS mixed line ends") << shiftJis(u"a\r\nb\nc\rd"_s);
    QTest::newRow("Shift_JIS without final break") << shiftJis(u"<p>終わり</p>"_s);
    QTest::newRow("UTF-8") << page.toUtf8();
    QTest::newRow("UTF-8 with mark") << bom + page.toUtf8();
    QTest::newRow("UTF-8 with mark LF") << bom + QString(page).remove(u'\r').toUtf8();
    QTest::newRow("UTF-8 with two marks") << bom + bom + page.toUtf8();
    QTest::newRow("ASCII declaring UTF-8 LF") << QByteArray("<meta charset=utf-8>\n<p>a</p>\n");
}

void TestPageFile::loadAndSaveKeepEveryByte()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"page.html"_s);
    writeBytes(path, bytes);
    const PageRead read = readPage(path);
    QVERIFY2(read.ok, qPrintable(read.error));
    QVERIFY(!read.page.text.contains(u"\r\r"_s));
    QVERIFY(writePage(path, read.page.text, read.page.format).ok);
    QCOMPARE(readBytes(path), bytes);
}

void TestPageFile::lfFileIsCrLfInMemoryAndLfOnDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"lf.html"_s);
    writeBytes(path, shiftJis(u"<ul>\n<li>案内</li>\n</ul>\n"_s));
    const PageRead read = readPage(path);
    QVERIFY(read.ok);
    QVERIFY(read.page.format.lfLineEnds);
    QCOMPARE(read.page.text, u"<ul>\r\n<li>案内</li>\r\n</ul>\r\n"_s);

    const QString edited = read.page.text + u"<!--tag-->\r\n"_s;
    QVERIFY(writePage(path, edited, read.page.format).ok);
    QCOMPARE(readBytes(path), shiftJis(u"<ul>\n<li>案内</li>\n</ul>\n<!--tag-->\n"_s));

    // A lone CR or LF in what is written keeps the CR LF form, so the page reads back the same.
    for (const QString& lone : {u"x\ry"_s, u"x\ny"_s}) {
        const QString text = read.page.text + lone;
        QVERIFY(writePage(path, text, read.page.format).ok);
        QCOMPARE(readPage(path).page.text, text);
    }
}

void TestPageFile::refusesBytesThatDoNotSurvive_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray head = shiftJis(u"<p>日本"_s);
    QTest::newRow("duplicate code (NEC row 13)") << head + "\x87\x90" + "</p>";
    QTest::newRow("duplicate code (NEC-selected IBM)") << head + "\xED\x40" + "</p>";
    QTest::newRow("unassigned double byte") << head + "\x85\x40" + "</p>";
    QTest::newRow("invalid byte") << head + "\xFF" + "</p>";
    QTest::newRow("double byte cut off at the end") << head + "\x82";
    QTest::newRow("UTF-8 mark then invalid UTF-8") << bom + "<p>\xFF</p>";
}

void TestPageFile::refusesBytesThatDoNotSurvive()
{
    QFETCH(QByteArray, bytes);
    const PageRead read = decodePage(bytes);
    QVERIFY(!read.ok);
    QVERIFY(!read.error.isEmpty());
}

void TestPageFile::unreadablePaths()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(u"fifo.html"_s);
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A pipe would block the run forever waiting for a writer.
    for (const QString& path : {dir.filePath(u"missing.html"_s), dir.path(), fifo}) {
        const PageRead read = readPage(path);
        QVERIFY(!read.ok);
        QVERIFY(!read.error.isEmpty());
    }
}

void TestPageFile::writeKeepsPermissionsAndLeavesNoTemporaryFile_data()
{
    QTest::addColumn<QFileDevice::Permissions>("permissions");

    using P = QFileDevice;
    QTest::newRow("rw-r-x---") << (P::ReadOwner | P::WriteOwner | P::ReadGroup | P::ExeGroup);
    QTest::newRow("r--r--r--") << (P::ReadOwner | P::ReadGroup | P::ReadOther);
    QTest::newRow("rw----r--") << (P::ReadOwner | P::WriteOwner | P::ReadOther);
}

void TestPageFile::writeKeepsPermissionsAndLeavesNoTemporaryFile()
{
    QFETCH(QFileDevice::Permissions, permissions);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"page.html"_s);
    writeBytes(path, shiftJis(u"古い"_s));
    QVERIFY(QFile::setPermissions(path, permissions));
    const QFileDevice::Permissions before = QFile::permissions(path);
    const PageWrite written = writePage(path, u"新しい"_s, {});
    if (!written.ok && !(before & QFileDevice::WriteUser))
        QSKIP("read-only pages are not written by this user");
    QVERIFY2(written.ok, qPrintable(written.error));
    QCOMPARE(readBytes(path), shiftJis(u"新しい"_s));
    QCOMPARE(QFile::permissions(path), before);
    QCOMPARE(folderEntries(dir.path()), QStringList{u"page.html"_s});
}

// A page kept as a link to a file elsewhere stays a link; the file it points to changes.
void TestPageFile::writeThroughALinkKeepsTheLink()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(u"shared.html"_s);
    const QString link = dir.filePath(u"page.html"_s);
    writeBytes(target, shiftJis(u"古い"_s));
    QVERIFY(QFile::link(target, link));
    QVERIFY(writePage(link, u"新しい"_s, {}).ok);
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readBytes(target), shiftJis(u"新しい"_s));
}

void TestPageFile::expectFailedWriteKeepsPage(const QString& path, const QString& text,
                                              const PageFormat& format)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QStringList entriesBefore = folderEntries(folder);
    const QByteArray bytesBefore = readBytes(path);
    const PageWrite written = writePage(path, text, format);
    QVERIFY(!written.ok);
    QVERIFY(!written.error.isEmpty());
    QCOMPARE(readBytes(path), bytesBefore);
    QCOMPARE(folderEntries(folder), entriesBefore);
}

void TestPageFile::unrepresentableCharacterIsNotWritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"page.html"_s);
    writeBytes(path, shiftJis(u"<p>元</p>"_s));
    const QString waveDash = u"<p>〜</p>"_s; // U+301C: the code page only has U+FF5E
    QVERIFY(!encodePage(waveDash, {}).ok);
    expectFailedWriteKeepsPage(path, waveDash, {});
    expectFailedWriteKeepsPage(path, u"<p>😀</p>"_s, {PageEncoding::ShiftJis, true});
}

// A page that is a folder, or one whose folder is a file, is not written and stays as it was.
void TestPageFile::writeToAFolderOrUnderAFileFails()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"sub.html"_s);
    QVERIFY(QDir().mkdir(folder));
    writeBytes(folder + u"/inside.html"_s, "x");
    QVERIFY(!writePage(folder, u"text"_s, {}).ok);
    QCOMPARE(folderEntries(folder), QStringList{u"inside.html"_s});
    QVERIFY(!writePage(folder + u"/inside.html/page.html"_s, u"text"_s, {}).ok);
    QCOMPARE(readBytes(folder + u"/inside.html"_s), QByteArray("x"));
}

void TestPageFile::writeIntoAReadOnlyFolderLeavesThePage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"page.html"_s);
    writeBytes(path, shiftJis(u"<p>元</p>"_s));
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    QVERIFY(QFile::setPermissions(dir.path(), readOnly));
    QFile probe(dir.filePath(u"probe"_s));
    const bool permissionsBind = !probe.open(QIODevice::WriteOnly);
    if (permissionsBind)
        expectFailedWriteKeepsPage(path, u"<p>新</p>"_s, {});
    probe.remove();
    QFile::setPermissions(dir.path(), readOnly | QFileDevice::WriteOwner);
    if (!permissionsBind)
        QSKIP("this user writes into read-only folders; see writeCutShortLeavesThePage");
}

// A write that stops half-way (a full disk) must not replace the page.
void TestPageFile::writeCutShortLeavesThePage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"page.html"_s);
    writeBytes(path, shiftJis(u"<p>元</p>"_s));
    const QString large = QString(64 * 1024, u'あ');
    const FileSizeLimit limit(4096);
    expectFailedWriteKeepsPage(path, large, {});
}

QTEST_APPLESS_MAIN(TestPageFile)
#include "test_pagefile.moc"
