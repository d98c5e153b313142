#include "common/testjournal.h"
#include "project/projectlocation.h"
#include "project/projectmessages.h"
#include "project/projectstore.h"
#include "project/projecttext.h"
#include "project/storefixtures.h"

#include "common/realsite.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::fixtures;
namespace site = quillet::fixtures::realsite;

using Result = SaveOutcome::Result;
Q_DECLARE_METATYPE(quillet::SaveOutcome::Result)

namespace {

const QString menuSite = u"\r\n\r\n<ul>\r\n<li><a href=\"a.html\">ホーム</a></li>\r\n</ul>\r\n"_s;

// The bytes a save of one project with the menu above writes, lastfile naming last.
QByteArray savedBytes(const QString& last, const QList<QPair<QString, QStringList>>& projects)
{
    QStringList lines{projectDeclarationLine, u"<root>"_s, u"<lastfile>"_s, last, u"</lastfile>"_s};
    for (const auto& [name, files] : projects)
        lines += QStringList{projectKeyLine(name), u"<files>"_s} + files +
                 QStringList{u"</files>"_s,
                             u"<orgstring>"_s,
                             u"&lt;ul&gt;"_s,
                             u"&lt;li&gt;&lt;a href=\"a.html\"&gt;ホーム&lt;/a&gt;&lt;/li&gt;"_s,
                             u"&lt;/ul&gt;"_s,
                             u"</orgstring>"_s,
                             u"</projectname>"_s};
    lines.append(u"</root>"_s);
    return shiftJis(crlfLines(lines));
}

class StoreTest
{
public:
    QTemporaryDir dir;
    QString file = dir.filePath(u"mprj.xml"_s);
    ScriptedDialogs dialogs;
    TestJournal journal;

    SaveOutcome save(ProjectStore& store, const QString& name, bool converting = false)
    {
        const QStringList files{dir.filePath(u"a.html"_s), dir.filePath(u"b.html"_s)};
        return saveTalking(store, {name, files, menuSite, converting, {}}, dialogs, journal.pages);
    }
};

} // namespace

class TestProjectStore : public QObject
{
    Q_OBJECT

private slots:
    void firstSaveAndASecondProjectWriteExactBytes();
    void saveThenLoadGivesTheProjectBack();
    void overwriteAsksUnlessConverting_data();
    void overwriteAsksUnlessConverting();
    void emptyMenuTextKeepsTheStoredOne();
    void refusals_data();
    void refusals();
    void unclosedLastfileIsReportedAndTheSaveGoesOn();
    void unreadableFileIsNeverOverwritten();
    void failedWriteLeavesThePreviousFileWhole();
    void handEditedUtf8LfFileKeepsItsForm();
    void textShiftJisCannotHoldTurnsTheFileUtf8();
    void listedPagesGetTheirSelfLinkHighlighted();
    void saveCorrectsOnlyTheMenuEntryOfUnconvertedPages();
    void deletion();
    void fallsBackToTheUserFolder();
    void anotherProgramsProjectStays_data();
    void anotherProgramsProjectStays();
    void projectChangedOnDiskAsksFirst_data();
    void projectChangedOnDiskAsksFirst();
    void lockOfADeadProgramIsTakenOver();
};

void TestProjectStore::firstSaveAndASecondProjectWriteExactBytes()
{
    StoreTest t;
    ProjectStore store(t.file);
    QVERIFY(!loadTalking(store, t.dialogs).readFailed);
    const QStringList files{t.dir.filePath(u"a.html"_s), t.dir.filePath(u"b.html"_s)};
    const SaveOutcome first = t.save(store, u"サイト"_s);
    QCOMPARE(first.result, Result::Saved);
    QCOMPARE(readBytes(t.file), savedBytes(u"サイト"_s, {{u"サイト"_s, files}}));
    QCOMPARE(first.menuText, u"<ul>\r\n<li><a href=\"a.html\">ホーム</a></li>\r\n</ul>"_s);

    QCOMPARE(t.save(store, u"two"_s).result, Result::Saved);
    QCOMPARE(readBytes(t.file), savedBytes(u"two"_s, {{u"サイト"_s, files}, {u"two"_s, files}}));
    QVERIFY(t.dialogs.questions.isEmpty());
    QVERIFY(t.dialogs.messages.isEmpty());
}

void TestProjectStore::saveThenLoadGivesTheProjectBack()
{
    StoreTest t;
    ProjectStore writer(t.file);
    const QStringList files{u"/w/b.html"_s, u"/w/A.html"_s, u"/v/c.html"_s};
    const QString menu = u"<p>&lt; &amp; \"q\"</p>\r\n\r\n<b>x</b>"_s;
    saveTalking(writer, {u"P"_s, files, menu, false, {}}, t.dialogs, t.journal.pages);
    saveTalking(writer, {u"Q"_s, {u"/q"_s}, u"q"_s, false, {}}, t.dialogs, t.journal.pages);
    saveTalking(writer, {u"P"_s, files, menu, true, {}}, t.dialogs, t.journal.pages);

    ProjectStore reader(t.file);
    const ProjectList list = loadTalking(reader, t.dialogs);
    QCOMPARE(list.names, (QStringList{u"P"_s, u"Q"_s}));
    QCOMPARE(list.currentName, u"P"_s);
    const FileListLoad load = reader.LoadFileList(u"P"_s);
    QCOMPARE(load.files, (QStringList{u"/v/c.html"_s, u"/w/A.html"_s, u"/w/b.html"_s}));
    QCOMPARE(load.searchFolder, QString()); // /v and /w share no folder but the root
    QCOMPARE(reader.LoadMenuText(u"P"_s), u"<p>< &amp; \"q\"</p>\r\n\r\n<b>x</b>"_s);
    QCOMPARE(reader.LoadFileList(u"missing"_s).searchFolder, std::nullopt);
    QCOMPARE(reader.LoadMenuText(u"missing"_s), std::nullopt);
}

void TestProjectStore::overwriteAsksUnlessConverting_data()
{
    QTest::addColumn<bool>("converting");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("questions");
    QTest::addColumn<Result>("result");

    QTest::newRow("yes") << false << QList<bool>{true} << 1 << Result::Saved;
    QTest::newRow("no or cancel") << false << QList<bool>{false} << 1 << Result::Declined;
    QTest::newRow("converting") << true << QList<bool>{} << 0 << Result::Saved;
}

void TestProjectStore::overwriteAsksUnlessConverting()
{
    QFETCH(bool, converting);
    QFETCH(QList<bool>, answers);
    QFETCH(int, questions);
    QFETCH(Result, result);
    StoreTest t;
    ProjectStore store(t.file);
    saveTalking(store, {u"A"_s, {u"/old"_s}, u"old"_s, false, {}}, t.dialogs, t.journal.pages);
    saveTalking(store, {u"B"_s, {u"/b"_s}, u"b"_s, false, {}}, t.dialogs, t.journal.pages);
    const QByteArray before = readBytes(t.file);
    t.dialogs.answers = answers;

    const SaveOutcome outcome = saveTalking(
        store, {u"A"_s, {u"/new"_s}, u"\r\nnew"_s, converting, {}}, t.dialogs, t.journal.pages);
    QCOMPARE(outcome.result, result);
    QCOMPARE(t.dialogs.questions.size(), questions);
    if (questions > 0)
        QCOMPARE(t.dialogs.questions.first(), overwriteQuestion());
    if (result == Result::Declined) {
        QCOMPARE(readBytes(t.file), before);
        QCOMPARE(outcome.menuText, std::nullopt);
        QVERIFY(outcome.log.isEmpty());
        return;
    }
    QCOMPARE(outcome.menuText, u"new"_s);
    QCOMPARE(store.LoadFileList(u"A"_s).files, QStringList{u"/new"_s});
    QCOMPARE(store.LoadFileList(u"B"_s).files, QStringList{u"/b"_s});
    QCOMPARE(store.GetLastProject(), u"A"_s);
}

void TestProjectStore::emptyMenuTextKeepsTheStoredOne()
{
    StoreTest t;
    ProjectStore store(t.file);
    saveTalking(store, {u"A"_s, {u"/a"_s}, u"kept"_s, false, {}}, t.dialogs, t.journal.pages);
    saveTalking(store, {u"B"_s, {u"/b"_s}, u"b"_s, false, {}}, t.dialogs, t.journal.pages);
    const SaveOutcome outcome = saveTalking(store, {u"A"_s, {u"/c"_s}, u"\r\n\r\n"_s, true, {}},
                                            t.dialogs, t.journal.pages);
    QCOMPARE(outcome.log.first(), u"プロジェクトは保存されませんでした。"_s);
    QCOMPARE(outcome.menuText, QString());
    ProjectStore reader(t.file);
    QCOMPARE(loadTalking(reader, t.dialogs).currentName, u"A"_s);
    QCOMPARE(reader.LoadFileList(u"A"_s).files, QStringList{u"/c"_s});
    QCOMPARE(reader.LoadMenuText(u"A"_s), u"kept"_s);
}

void TestProjectStore::refusals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<UserMessage>("message");
    QTest::addColumn<Result>("result");

    const QString wellFormed =
        crlfLines({u"<root>"_s, projectKeyLine(u"A"_s), u"</projectname>"_s, projectKeyLine(u"B"_s),
                   u"</projectname>"_s, u"</root>"_s});
    QTest::newRow("empty file list")
        << wellFormed << u"A"_s << QStringList{} << noFilesToSaveMessage() << Result::NoFiles;
    QTest::newRow("new project without </root>")
        << u"<root>\r\n"_s << u"A"_s << QStringList{u"/a"_s} << malformedForSaveMessage()
        << Result::Refused;
    QTest::newRow("no </projectname> of its own")
        << crlfLines({u"<root>"_s, projectKeyLine(u"A"_s), projectKeyLine(u"B"_s),
                      u"</projectname>"_s, u"</root>"_s})
        << u"A"_s << QStringList{u"/a"_s} << malformedForSaveMessage() << Result::Refused;
    QTest::newRow("files closed only in the next project")
        << crlfLines({u"<root>"_s, projectKeyLine(u"A"_s), u"<files>"_s, u"</projectname>"_s,
                      projectKeyLine(u"B"_s), u"<files>"_s, u"</files>"_s, u"</projectname>"_s,
                      u"</root>"_s})
        << u"A"_s << QStringList{u"/a"_s} << malformedForSaveMessage() << Result::Refused;
}

void TestProjectStore::refusals()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(QStringList, files);
    QFETCH(UserMessage, message);
    QFETCH(Result, result);
    StoreTest t;
    writeBytes(t.file, shiftJis(text));
    ProjectStore store(t.file);
    loadTalking(store, t.dialogs);
    t.dialogs.answers = {true};
    QCOMPARE(
        saveTalking(store, {name, files, u"m"_s, false, {}}, t.dialogs, t.journal.pages).result,
        result);
    QCOMPARE(t.dialogs.messages, QList<UserMessage>{message});
    QVERIFY(t.dialogs.questions.isEmpty());
    QCOMPARE(readBytes(t.file), shiftJis(text));
    QCOMPARE(store.text(), text);
}

void TestProjectStore::unclosedLastfileIsReportedAndTheSaveGoesOn()
{
    StoreTest t;
    writeBytes(t.file, "<root>\r\n<lastfile>\r\nA\r\n</root>");
    ProjectStore store(t.file);
    QCOMPARE(saveTalking(store, {u"N"_s, {u"/n"_s}, u"m"_s, false, {}}, t.dialogs, t.journal.pages)
                 .result,
             Result::Saved);
    QCOMPARE(t.dialogs.messages, QList<UserMessage>{lastProjectNotWrittenMessage()});
    ProjectStore reader(t.file);
    loadTalking(reader, t.dialogs);
    QCOMPARE(reader.LoadFileList(u"N"_s).files, QStringList{u"/n"_s});
}

void TestProjectStore::unreadableFileIsNeverOverwritten()
{
    StoreTest t;
    const QByteArray garbage("<root>\xFF\xFF</root>");
    writeBytes(t.file, garbage);
    ProjectStore store(t.file);
    QVERIFY(loadTalking(store, t.dialogs).readFailed);
    QCOMPARE(t.dialogs.messages.size(), 1);
    const UserMessage unreadable = t.dialogs.messages.first();
    QCOMPARE(unreadable.title, u"XML読み込みエラー"_s);
    QVERIFY(unreadable.text.startsWith(u"プロジェクトファイルを読み込めませんでした。\r\n"_s));

    QCOMPARE(t.save(store, u"A"_s).result, Result::Refused);
    QCOMPARE(deleteTalking(store, u"A"_s, t.dialogs).result, DeleteOutcome::Result::Refused);
    QCOMPARE(t.dialogs.messages, (QList<UserMessage>{unreadable, unreadable, unreadable}));
    QCOMPARE(readBytes(t.file), garbage);

    writeBytes(t.file, savedBytes(u"A"_s, {{u"A"_s, {u"/a"_s}}}));
    t.dialogs.answers = {true};
    QCOMPARE(t.save(store, u"B"_s).result, Result::Saved);
    QCOMPARE(store.GetProjectNames(), (QStringList{u"A"_s, u"B"_s}));
}

void TestProjectStore::failedWriteLeavesThePreviousFileWhole()
{
    StoreTest t;
    ProjectStore store(t.file);
    t.save(store, u"A"_s);
    const QByteArray before = readBytes(t.file);
    const QString textBefore = store.text();

    // No encoding holds a lone surrogate: writing it would have to put "?" in the file.
    const SaveOutcome outcome = t.save(store, u"broken "_s + QChar(0xD800) + u"x"_s);
    QCOMPARE(outcome.result, Result::WriteFailed);
    QCOMPARE(t.dialogs.messages.size(), 1);
    QCOMPARE(t.dialogs.messages.first().title, u"XML書き込みエラー"_s);
    QVERIFY(t.dialogs.messages.first().text.startsWith(
        u"プロジェクトファイルを書き込めませんでした。\r\n"_s));
    QCOMPARE(readBytes(t.file), before);
    QCOMPARE(store.text(), textBefore);
    QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files), QStringList{u"mprj.xml"_s});
}

void TestProjectStore::handEditedUtf8LfFileKeepsItsForm()
{
    StoreTest t;
    writeBytes(t.file, "<root>\n<projectname name=\"\xE6\x97\xA5\">\n<files>\n/x\n</files>\n"
                       "</projectname>\n</root>");
    ProjectStore store(t.file);
    QCOMPARE(loadTalking(store, t.dialogs).names, QStringList{u"日"_s});
    t.save(store, u"本"_s);
    const QByteArray bytes = readBytes(t.file);
    QVERIFY(!bytes.contains('\r'));
    QVERIFY(bytes.startsWith("<root>\n<lastfile>\n\xE6\x9C\xAC\n</lastfile>\n<projectname "));
}

void TestProjectStore::textShiftJisCannotHoldTurnsTheFileUtf8()
{
    StoreTest t;
    ProjectStore store(t.file);
    t.save(store, u"サイト"_s);
    const QString menu = u"<ul>\r\n<li><a href=\"a.html\">Café ©</a></li>\r\n</ul>"_s;
    const QStringList files{t.dir.filePath(u"é.html"_s)};
    QCOMPARE(
        saveTalking(store, {u"한국"_s, files, menu, false, {}}, t.dialogs, t.journal.pages).result,
        Result::Saved);
    QVERIFY(t.dialogs.messages.isEmpty());
    const QByteArray bytes = readBytes(t.file);
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<root>"));
    QCOMPARE(QString::fromUtf8(bytes), store.text());

    ProjectStore reread(t.file);
    QCOMPARE(loadTalking(reread, t.dialogs).names, (QStringList{u"サイト"_s, u"한국"_s}));
    QCOMPARE(reread.LoadFileList(u"한국"_s).files, files);
    QCOMPARE(reread.LoadMenuText(u"한국"_s), std::optional(menu));
    // Saving again keeps the form it now has.
    t.dialogs.answers = {true};
    QCOMPARE(t.save(reread, u"サイト"_s).result, Result::Saved);
    QVERIFY(readBytes(t.file).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>"));
}

void TestProjectStore::listedPagesGetTheirSelfLinkHighlighted()
{
    StoreTest t;
    const QString plain = t.dir.filePath(u"plain.html"_s);
    const QString marked = t.dir.filePath(u"marked.html"_s);
    const QString missing = t.dir.filePath(u"missing.html"_s);
    const QString banner = t.dir.filePath(u"banner.html"_s);
    const QString menu = u"<li><a href=\"plain.html\">P</a></li>"_s;
    writeBytes(plain, "<p>\r\n<li><a href=\"plain.html\">P</a></li>\r\n");
    const QByteArray markedBytes("<p>\r\n<li><!--<a href=\"marked.html\">--><span>M</span>\r\n");
    writeBytes(marked, markedBytes);
    // Without the menu a link to the page itself is no menu entry.
    const QByteArray bannerBytes(
        "<p>\r\n<p><a href=\"banner.html\"><img src=\"b.png\"></a></p>\r\n");
    writeBytes(banner, bannerBytes);
    ProjectStore store(t.file);
    const SaveOutcome outcome =
        saveTalking(store, {u"A"_s, {banner, marked, missing, plain}, menu, false, u"#0080FF"_s},
                    t.dialogs, t.journal.pages);
    QCOMPARE(outcome.log, (QStringList{u"missing.htmlを読み込めませんでした。"_s,
                                       u"plain.htmlのリンクを修正しました。"_s}));
    QVERIFY(outcome.pageFailed);
    QCOMPARE(readBytes(plain),
             "<p>\r\n<li><!--<a href=\"plain.html\">--><span "
             "style=\"font-weight:550;color:#0080FF\">P</span><!--</a>--></li>\r\n");
    QCOMPARE(readBytes(marked), markedBytes);
    QCOMPARE(readBytes(banner), bannerBytes);
}

// The menu's own entry is marked, not the logo above it; a converted page is left to the restore
// run; and nothing is corrected when the project file could not be written.
void TestProjectStore::saveCorrectsOnlyTheMenuEntryOfUnconvertedPages()
{
    StoreTest t;
    const QString index = t.dir.filePath(u"index.html"_s);
    const QString converted = t.dir.filePath(u"conv.html"_s);
    const QString plainIndex = site::pageText(u"index.html"_s, site::menuText());
    writeBytes(index, plainIndex.toUtf8());
    const QByteArray convertedBytes("<p>\r\n<a href=\"conv.html\">banner</a>\r\n<!--A-->\r\n");
    writeBytes(converted, convertedBytes);
    const SaveRequest request{u"A"_s, {converted, index}, site::menuText(), false, {}};

    // No encoding holds a lone surrogate, so this name cannot be written.
    SaveRequest unwritable = request;
    unwritable.name += QChar(0xD800);
    ProjectStore failing(t.file);
    QCOMPARE(saveTalking(failing, unwritable, t.dialogs, t.journal.pages).result,
             Result::WriteFailed);
    QCOMPARE(readBytes(index), plainIndex.toUtf8());

    ProjectStore store(t.file);
    const SaveOutcome outcome = saveTalking(store, request, t.dialogs, t.journal.pages);
    QCOMPARE(outcome.log, QStringList{u"index.htmlのリンクを修正しました。"_s});
    QCOMPARE(readBytes(index),
             site::pageText(u"index.html"_s, site::menuText(u"index.html"_s)).toUtf8());
    QCOMPARE(readBytes(converted), convertedBytes);
}

void TestProjectStore::deletion()
{
    StoreTest t;
    ProjectStore store(t.file);
    for (const QString& name : {u"A"_s, u"B"_s})
        saveTalking(store, {name, {u"/"_s + name}, u"m"_s, false, {}}, t.dialogs, t.journal.pages);
    QCOMPARE(deleteTalking(store, u"A"_s, t.dialogs).result, DeleteOutcome::Result::Deleted);
    QCOMPARE(readBytes(t.file), shiftJis(store.text()));
    QCOMPARE(store.GetProjectNames(), QStringList{u"B"_s});
    QCOMPARE(deleteTalking(store, u"A"_s, t.dialogs).result, DeleteOutcome::Result::NotFound);
    QCOMPARE(t.dialogs.messages, QList<UserMessage>{projectNotFoundMessage()});

    const QByteArray open("<root>\r\n<projectname name=\"X\">\r\n<projectname name=\"Y\">\r\n"
                          "</projectname>\r\n</root>");
    writeBytes(t.file, open);
    ProjectStore malformed(t.file);
    QCOMPARE(deleteTalking(malformed, u"X"_s, t.dialogs).result, DeleteOutcome::Result::Refused);
    QCOMPARE(t.dialogs.messages.last(), malformedForDeletionMessage());
    QCOMPARE(readBytes(t.file), open);
}

void TestProjectStore::fallsBackToTheUserFolder()
{
    QTemporaryDir dir;
    // A build folder without a project file of its own keeps none.
    QCOMPARE(projectFilePathIn(dir.path(), u"/user"_s), u"/user/mprj.xml"_s);
    writeBytes(dir.filePath(u"mprj.xml"_s), "<root></root>");
    QCOMPARE(projectFilePathIn(dir.path(), u"/user"_s), dir.filePath(u"mprj.xml"_s));
    QCOMPARE(projectFilePathIn(dir.filePath(u"gone"_s), u"/user"_s), u"/user/mprj.xml"_s);
    // The user folder may not exist before the first save.
    ProjectStore store(dir.filePath(u"user/data/mprj.xml"_s));
    ScriptedDialogs dialogs;
    TestJournal journal;
    QCOMPARE(
        saveTalking(store, {u"A"_s, {u"/a"_s}, u"m"_s, false, {}}, dialogs, journal.pages).result,
        Result::Saved);
}

// One store as the window, one as the command line, on one file: neither loses the other's
// project, whichever writes first.
void TestProjectStore::anotherProgramsProjectStays_data()
{
    QTest::addColumn<bool>("windowFirst");
    QTest::newRow("the command line stores after the window") << true;
    QTest::newRow("the window saves after the command line") << false;
}

void TestProjectStore::anotherProgramsProjectStays()
{
    QFETCH(bool, windowFirst);
    StoreTest t;
    ProjectStore window(t.file);
    QCOMPARE(t.save(window, u"窓"_s).result, Result::Saved);
    ProjectStore commandLine(t.file);
    loadTalking(commandLine, t.dialogs);
    const QStringList cliFiles{u"/cli/a.html"_s};
    const auto commandLineStores = [&] {
        QCOMPARE(commandLine.StoreProject(u"CLIサイト"_s, cliFiles, std::nullopt).result,
                 EditOutcome::Result::Written);
    };
    if (!windowFirst)
        commandLineStores();
    QCOMPARE(t.save(window, u"窓"_s, true).result, Result::Saved);
    if (windowFirst)
        commandLineStores();

    ProjectStore reader(t.file);
    QCOMPARE(loadTalking(reader, t.dialogs).names, (QStringList{u"窓"_s, u"CLIサイト"_s}));
    QCOMPARE(reader.LoadFileList(u"CLIサイト"_s).files, cliFiles);
    QCOMPARE(reader.LoadFileList(u"窓"_s).files.size(), 2);
    QVERIFY(t.dialogs.questions.isEmpty());
    QVERIFY(t.dialogs.messages.isEmpty());
}

void TestProjectStore::projectChangedOnDiskAsksFirst_data()
{
    QTest::addColumn<bool>("converting");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<Result>("result");

    QTest::newRow("yes") << false << true << Result::Saved;
    QTest::newRow("no") << false << false << Result::Declined;
    QTest::newRow("converting, yes") << true << true << Result::Saved;
    QTest::newRow("converting, no") << true << false << Result::Declined;
}

void TestProjectStore::projectChangedOnDiskAsksFirst()
{
    QFETCH(bool, converting);
    QFETCH(bool, answer);
    QFETCH(Result, result);
    StoreTest t;
    ProjectStore window(t.file);
    t.save(window, u"P"_s);
    ProjectStore commandLine(t.file);
    loadTalking(commandLine, t.dialogs);
    commandLine.LoadFileList(u"P"_s);
    const QStringList otherFiles{u"/other.html"_s};
    QCOMPARE(commandLine.StoreProject(u"P"_s, otherFiles, std::nullopt).result,
             EditOutcome::Result::Written);
    const QByteArray before = readBytes(t.file);
    // An edit of the project as it was loaded is refused rather than stored over the change.
    QCOMPARE(window.StoreProject(u"P"_s, QStringList{}, std::nullopt).result,
             EditOutcome::Result::Changed);
    QCOMPARE(readBytes(t.file), before);

    t.dialogs.answers = {answer};
    QCOMPARE(t.save(window, u"P"_s, converting).result, result);
    QCOMPARE(t.dialogs.questions, QList<UserMessage>{changedOnDiskQuestion(u"P"_s)});
    ProjectStore reader(t.file);
    loadTalking(reader, t.dialogs);
    if (result == Result::Declined)
        QCOMPARE(readBytes(t.file), before);
    else
        QCOMPARE(reader.LoadFileList(u"P"_s).files.size(), 2);
}

void TestProjectStore::lockOfADeadProgramIsTakenOver()
{
    StoreTest t;
    QProcess gone;
    gone.start(u"true"_s);
    QVERIFY(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    QVERIFY(gone.waitForFinished());
    const QString lockFile = t.file + u".lock"_s;
    writeBytes(lockFile, QByteArray::number(deadPid) + "\nquillet\n\n");

    ProjectStore store(t.file);
    QCOMPARE(t.save(store, u"A"_s).result, Result::Saved);
    QVERIFY(t.dialogs.messages.isEmpty());
    QVERIFY(!QFileInfo::exists(lockFile));
}

QTEST_GUILESS_MAIN(TestProjectStore)
#include "test_projectstore.moc"
