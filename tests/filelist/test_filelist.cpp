#include "common/testjournal.h"
#include "filelist/filelistorder.h"
#include "filelist/linkcolour.h"
#include "filelist/tempcomments.h"
#include "project/storefixtures.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::fixtures;

namespace {

// Where an entry goes in a list in file list order: after the entries equal to it.
qsizetype sortedInsertPosition(const QStringList& sortedPaths, const QString& path)
{
    return std::upper_bound(sortedPaths.begin(), sortedPaths.end(), path, fileListLess) -
           sortedPaths.begin();
}

} // namespace

class TestFileList : public QObject
{
    Q_OBJECT

private slots:
    void sortsWithoutRegardToCase();
    void insertsAtTheSortedPlace();
    void temporaryComments();
    void temporaryCommentsNeedAName();
    void colourFromTheDialog_data();
    void colourFromTheDialog();
    void parsesColourText_data();
    void parsesColourText();
};

void TestFileList::sortsWithoutRegardToCase()
{
    QCOMPARE(sortFileList({u"/s/b.html"_s, u"/s/A.html"_s, u"/S/c.html"_s, u"/s/a.html"_s}),
             (QStringList{u"/s/A.html"_s, u"/s/a.html"_s, u"/s/b.html"_s, u"/S/c.html"_s}));
}

void TestFileList::insertsAtTheSortedPlace()
{
    const QStringList sorted{u"/a"_s, u"/B"_s, u"/c"_s};
    QCOMPARE(sortedInsertPosition(sorted, u"/b2"_s), 2);
    QCOMPARE(sortedInsertPosition(sorted, u"/0"_s), 0);
    QCOMPARE(sortedInsertPosition(sorted, u"/D"_s), 3);
}

void TestFileList::temporaryComments()
{
    QTemporaryDir dir;
    TestJournal journal;
    const QString three = dir.filePath(u"three.html"_s);
    const QString none = dir.filePath(u"none.html"_s);
    const QString wide = dir.filePath(u"wide.html"_s);
    const QString missing = dir.filePath(u"missing.html"_s);
    writeBytes(three, "<!--??\?-->\r\n<p><!--??\?--></p>\n<!--??\?-->");
    writeBytes(none, "<p>no comment</p>");
    writeBytes(wide, QStringLiteral("<!--？？？-->").toUtf8());
    const QDateTime untouched = QFileInfo(none).lastModified();

    const RunResult first =
        runTemporaryComments({three, missing, none, wide}, u"SiteA"_s, journal.pages);
    QCOMPARE(first.log,
             (QStringList{u"three.htmlのファイルの仮コメントをコメントに変換しました。"_s,
                          u"missing.htmlを読み込めませんでした。"_s,
                          u"none.htmlのファイルには仮コメントは有りませんでした。"_s,
                          u"wide.htmlのファイルには仮コメントは有りませんでした。"_s}));
    QVERIFY(first.pageFailed);
    QCOMPARE(readBytes(three), "<!--SiteA-->\r\n<p><!--SiteA--></p>\n<!--SiteA-->");
    QCOMPARE(QFileInfo(none).lastModified(), untouched);
    QCOMPARE(first.lastPageText, u"<!--？？？-->"_s);

    const RunResult second = runTemporaryComments({three}, u"SiteA"_s, journal.pages);
    QCOMPARE(second.log, QStringList{u"three.htmlのファイルには仮コメントは有りませんでした。"_s});
    QVERIFY(!second.pageFailed);
    QVERIFY(runTemporaryComments({}, u"SiteA"_s, journal.pages).log.isEmpty());
}

void TestFileList::temporaryCommentsNeedAName()
{
    QTemporaryDir dir;
    const QString page = dir.filePath(u"p.html"_s);
    writeBytes(page, "<!--??\?-->");
    TestJournal journal;
    const RunResult run = runTemporaryComments({page}, {}, journal.pages);
    QCOMPARE(run.refusal,
             (UserMessage{u"プロジェクト名エラー"_s, u"プロジェクト名を入力してください。"_s}));
    QVERIFY(run.log.isEmpty());
    QCOMPARE(readBytes(page), "<!--??\?-->");
}

void TestFileList::colourFromTheDialog_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("colour");

    QTest::newRow("black") << 0u << u"#000000"_s;
    QTest::newRow("pure red is padded before the reorder") << 255u << u"#FF0000"_s;
    QTest::newRow("pure blue") << 0xFF0000u << u"#0000FF"_s;
    QTest::newRow("red with some green") << 0x80FFu << u"#FF8000"_s;
    QTest::newRow("white") << 0xFFFFFFu << u"#FFFFFF"_s;
    QTest::newRow("a set top byte is no colour") << 0x01ABCDEFu << u"#EFCDAB"_s;
}

void TestFileList::colourFromTheDialog()
{
    QFETCH(quint32, value);
    QFETCH(QString, colour);
    QCOMPARE(linkColourFromDialogValue(value), colour);
}

void TestFileList::parsesColourText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colour");

    QTest::newRow("lower case is upper-cased") << u"#ff80a0"_s << u"#FF80A0"_s;
    QTest::newRow("upper case") << u"#0080FF"_s << u"#0080FF"_s;
    QTest::newRow("no hash") << u"0080FF"_s << QString();
    QTest::newRow("five digits") << u"#0080F"_s << QString();
    QTest::newRow("seven digits") << u"#0080FF0"_s << QString();
    QTest::newRow("not hexadecimal") << u"#0080FG"_s << QString();
    QTest::newRow("trailing line break") << u"#0080FF\n"_s << QString();
    QTest::newRow("a colour word") << u"tomato"_s << QString();
}

void TestFileList::parsesColourText()
{
    QFETCH(QString, text);
    QFETCH(QString, colour);
    QCOMPARE(parseLinkColour(text).value_or(QString()), colour);
}

QTEST_GUILESS_MAIN(TestFileList)
#include "test_filelist.moc"
