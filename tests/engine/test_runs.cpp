#include "common/realsite.h"
#include "common/testjournal.h"
#include "engine/pagefile.h"
#include "engine/pagefixtures.h"
#include "engine/runs.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <mutex>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::fixtures;
namespace site = quillet::fixtures::realsite;

Q_DECLARE_METATYPE(quillet::RestoreKind)
Q_DECLARE_METATYPE(quillet::PageFormat)

namespace {

const QString tag = u"<!--サイト-->"_s;

QString label(const QString& name)
{
    static const QHash<QString, QString> labels{{u"index.html"_s, u"ホーム"_s},
                                                {u"about.html"_s, u"会社案内"_s},
                                                {u"news.html"_s, u"お知らせ"_s},
                                                {u"access.html"_s, u"交通案内"_s}};
    return labels.value(name, name);
}

QString entry(const QString& name, const QString& self, const QString& colour = u"tomato"_s)
{
    if (name != self)
        return u"<li><a href=\""_s + name + u"\">"_s + label(name) + u"</a></li>"_s;
    return u"<li><!--<a href=\""_s + name + u"\">--><span style=\"font-weight:550;color:"_s +
           colour + u"\">"_s + label(name) + u"</span><!--</a>--></li>"_s;
}

// The menu with the entry of self highlighted (none when self is empty).
QString menu(const QStringList& names, const QString& self = {})
{
    QStringList lines{u"<ul>"_s};
    for (const QString& name : names)
        lines.append(entry(name, self));
    lines.append(u"</ul>"_s);
    return lines.join(u"\r\n"_s);
}

const QStringList oldNames{u"index.html"_s, u"about.html"_s, u"news.html"_s};
const QStringList newNames{u"index.html"_s, u"about.html"_s, u"access.html"_s, u"news.html"_s};

QString page(const QString& block)
{
    return u"<html>\r\n<head>\r\n<meta charset=\"Shift_JIS\">\r\n<title>サイト～①</title>\r\n"
           u"</head>\r\n<body>\r\n<!--MenuStart-->\r\n"_s +
           block +
           u"\r\n<!--MenuEnd-->\r\n<p>本文です。全角　空白と＼記号。</p>\r\n</body>\r\n</html>\r\n"_s;
}

RunSettings settings(const QString& menuText, const QString& colour = {})
{
    return {menuText, tag, colour};
}

} // namespace

class TestRuns : public QObject
{
    Q_OBJECT

private slots:
    void convertText_data();
    void convertText();
    void restoreText_data();
    void restoreText();
    void restoreUsesTheChosenColour();
    void refusals_data();
    void refusals();
    void wholeCycleOnAShiftJisSite();
    void cycleKeepsEachPageFormat_data();
    void cycleKeepsEachPageFormat();
    void linkCorrectedThenLeftAlone();
    void savedCorrectionsUseTheRunsReading();
    void realSiteCycle();
    void unreadablePagesAreLoggedAndLeftAlone();
    void unrepresentableMenuIsNotWritten();
    void emptyAndLongLists();
    void menuWrittenFromTheSiteFolder();

private:
    TestJournal journal;
};

void TestRuns::convertText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converted");
    QTest::addColumn<QString>("expected");

    const QString m = menu(oldNames);
    const QString start = u"<!--MenuStart-->"_s;
    const QString end = u"<!--MenuEnd-->"_s;
    const QString converted = start + u"\r\n"_s + tag + u"\r\n"_s + end;
    QTest::newRow("worked example") << start + u"\r\n"_s + m + u"\r\n"_s + end << true << converted;
    QTest::newRow("highlighted page converts")
        << start + u"\r\n"_s + menu(oldNames, u"about.html"_s) + u"\r\n"_s + end << true
        << converted;
    QTest::newRow("blank lines around the menu disappear")
        << start + u"\r\n\r\n\r\n"_s + m + u"\r\n\r\n"_s + end << true << converted;
    QTest::newRow("menu twice: first tidied, every copy wrapped")
        << u"S\r\n\r\n"_s + m + u"\r\n\r\nX\r\n"_s + m + u"\r\nE"_s << true
        << u"S\r\n"_s + tag + u"\r\nX\r\n\r\n"_s + tag + u"\r\n\r\nE"_s;
    QTest::newRow("menu at the very start")
        << m + u"\r\n<p>"_s << true << u"\r\n"_s + tag + u"\r\n<p>"_s;
    QTest::newRow("beyond 32767 characters")
        << QString(40000, u'本') + u"\r\n"_s + m + u"\r\n"_s << true
        << QString(40000, u'本') + u"\r\n"_s + tag + u"\r\n"_s;
    QTest::newRow("other comments stay")
        << u"<!-- index.html top -->\r\n<!--<a href=\"old.html\">old</a>-->\r\n"_s + m << true
        << u"<!-- index.html top -->\r\n<!--<a href=\"old.html\">old</a>-->\r\n"_s + tag +
               u"\r\n"_s;
    QTest::newRow("logo highlighted by the older rule comes back plain")
        << u"<!--<a href=\"index.html\">--><span style=\"font-weight:550;color:tomato\"><img "
           u"src=\"logo.png\"></span><!--</a>-->\r\n"_s +
               m
        << true << u"<a href=\"index.html\"><img src=\"logo.png\"></a>\r\n"_s + tag + u"\r\n"_s;
    QTest::newRow("every highlighted line cleaned")
        << entry(u"index.html"_s, u"index.html"_s) + u"\r\n"_s + menu(oldNames, u"about.html"_s)
        << true << u"<li><a href=\"index.html\">ホーム</a></li>\r\n"_s + tag + u"\r\n"_s;
    const QString oneCharOff = QString(m).replace(u"お知らせ"_s, u"お知らせ！"_s);
    QTest::newRow("menu differs in one character") << oneCharOff << false << oneCharOff;
    const QString otherCase = QString(m).replace(u"<ul>"_s, u"<UL>"_s);
    QTest::newRow("menu differs in letter case") << otherCase << false << otherCase;
    const QString lfMenu = QString(m).replace(u"\r\n"_s, u"\n"_s) + u"\r\n"_s;
    QTest::newRow("menu differs in its line ends") << lfMenu << false << lfMenu;
    QTest::newRow("already converted") << converted << false << converted;
}

void TestRuns::convertText()
{
    QFETCH(QString, text);
    QFETCH(bool, converted);
    QFETCH(QString, expected);
    const ConvertedText result = convertPageText(text, settings(menu(oldNames)));
    QCOMPARE(result.converted, converted);
    QCOMPARE(result.text, expected);
}

void TestRuns::restoreText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<RestoreKind>("kind");
    QTest::addColumn<QString>("expected");

    const QString lit = menu(newNames, u"about.html"_s);
    const QString plain = menu(newNames);
    const auto restored = RestoreKind::Restored;
    QTest::newRow("worked example")
        << u"<!--MenuStart-->\r\n"_s + tag + u"\r\n<!--MenuEnd-->"_s << restored
        << u"<!--MenuStart-->\r\n"_s + lit + u"\r\n<!--MenuEnd-->"_s;
    QTest::newRow("four spaces dropped") << u"<div>\r\n    "_s + tag + u"\r\n</div>"_s << restored
                                         << u"<div>\r\n"_s + lit + u"\r\n</div>"_s;
    QTest::newRow("two tabs dropped") << u"<div>\r\n\t\t"_s + tag + u"\r\n</div>"_s << restored
                                      << u"<div>\r\n"_s + lit + u"\r\n</div>"_s;
    QTest::newRow("tab and space kept")
        << u"<div>\r\n\t "_s + tag << restored << u"<div>\r\n\t "_s + lit;
    QTest::newRow("indented on the first line")
        << u"  "_s + tag + u"\r\n"_s << restored << lit + u"\r\n"_s;
    QTest::newRow("name first outside a link line: the menu's entry is marked")
        << u"<title>about.html</title>\r\n"_s + tag << restored
        << u"<title>about.html</title>\r\n"_s + lit;
    QTest::newRow("tag twice: first indentation only, first link only")
        << u"  "_s + tag + u"\r\n<p>\r\n  "_s + tag << restored << lit + u"\r\n<p>\r\n  "_s + plain;
    QTest::newRow("restored a second time")
        << u"<p>\r\n"_s + lit << RestoreKind::NotRestored << u"<p>\r\n"_s + lit;
    QTest::newRow("plain self-link corrected")
        << u"<p>\r\n"_s + plain << RestoreKind::LinkCorrected << u"<p>\r\n"_s + lit;
    const QString withoutSelf = u"<p>\r\n"_s + menu({u"index.html"_s, u"news.html"_s});
    QTest::newRow("neither tag nor self-link")
        << withoutSelf << RestoreKind::NotRestored << withoutSelf;
}

void TestRuns::restoreText()
{
    QFETCH(QString, text);
    QFETCH(RestoreKind, kind);
    QFETCH(QString, expected);
    const RestoredText result =
        restorePageText(text, u"/site/about.html"_s, settings(menu(newNames)));
    QCOMPARE(result.kind, kind);
    QCOMPARE(result.text, expected);
}

void TestRuns::restoreUsesTheChosenColour()
{
    const RestoredText result =
        restorePageText(tag, u"/site/about.html"_s, settings(menu(newNames), u"#0080FF"_s));
    QVERIFY(result.text.contains(entry(u"about.html"_s, u"about.html"_s, u"#0080FF"_s)));
}

void TestRuns::refusals_data()
{
    QTest::addColumn<QString>("menuText");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<UserMessage>("message");

    const UserMessage noMenu{u"メニュ文字設定エラー"_s, u"メニュー文字が設定されていません。"_s};
    QTest::newRow("empty menu text") << QString() << tag << noMenu;
    QTest::newRow("menu text of CR LF pairs only") << u"\r\n\r\n"_s << tag << noMenu;
    QTest::newRow("empty replacement")
        << menu(oldNames) << QString()
        << UserMessage{u"置き換え文字エラー"_s, u"置き換え文字が設定されていません。"_s};
}

void TestRuns::refusals()
{
    QFETCH(QString, menuText);
    QFETCH(QString, replacement);
    QFETCH(UserMessage, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"index.html"_s);
    writeBytes(path, shiftJis(page(menu(oldNames)) + tag));
    const quint64 inode = inodeOf(path);
    for (const auto& run : {runConversion, runRestore}) {
        const RunResult result = run({path}, {menuText, replacement, {}}, journal.pages, {}, {});
        QCOMPARE(result.refusal, std::optional<UserMessage>(message));
        QVERIFY(result.log.isEmpty());
        QVERIFY(result.lastPageText.isEmpty());
        QCOMPARE(inodeOf(path), inode);
    }
}

void TestRuns::wholeCycleOnAShiftJisSite()
{
    QTemporaryDir dir;
    QStringList paths;
    const QStringList blocks{u"\r\n\r\n"_s + menu(oldNames, u"index.html"_s) + u"\r\n"_s,
                             u"<p>メニューなし</p>"_s, menu(oldNames, u"about.html"_s)};
    for (const QString& name : {u"index.html"_s, u"other.html"_s, u"about.html"_s}) {
        paths.append(dir.filePath(name));
        writeBytes(paths.last(), shiftJis(page(blocks[paths.size() - 1])));
    }
    const QByteArray other = readBytes(paths[1]);
    const quint64 otherInode = inodeOf(paths[1]);

    const RunResult converted = runConversion(paths, settings(menu(oldNames)), journal.pages);
    QCOMPARE(converted.log, (QStringList{u"ログです"_s, u"index.htmlの変換を行ないました。"_s,
                                         u"other.htmlは変換しませんでした。"_s,
                                         u"about.htmlの変換を行ないました。"_s}));
    QVERIFY(!converted.pageFailed);
    QCOMPARE(readBytes(paths[0]), shiftJis(page(tag)));
    QCOMPARE(readBytes(paths[2]), shiftJis(page(tag)));
    QCOMPARE(converted.lastPageText, page(tag));

    const RunResult restored = runRestore(paths, settings(menu(newNames)), journal.pages);
    QCOMPARE(restored.log,
             (QStringList{u"ログです"_s, u"index.htmlを戻しました。"_s,
                          u"other.htmlは戻しませんでした。"_s, u"about.htmlを戻しました。"_s}));
    QCOMPARE(readBytes(paths[0]), shiftJis(page(menu(newNames, u"index.html"_s))));
    QCOMPARE(readBytes(paths[2]), shiftJis(page(menu(newNames, u"about.html"_s))));
    QCOMPARE(restored.lastPageText, page(menu(newNames, u"about.html"_s)));
    QCOMPARE(readBytes(paths[1]), other);
    QCOMPARE(inodeOf(paths[1]), otherInode);

    // Blank lines around the first page's menu went with the first conversion for good.
    runConversion(paths, settings(menu(newNames)), journal.pages);
    QCOMPARE(readBytes(paths[0]), shiftJis(page(tag)));
    QCOMPARE(readBytes(paths[2]), shiftJis(page(tag)));
}

void TestRuns::cycleKeepsEachPageFormat_data()
{
    QTest::addColumn<PageFormat>("format");
    QTest::addColumn<QString>("body");

    const QString normal = u"<p>本文</p>"_s;
    const QString large = QString(50000, u'語');
    QTest::newRow("Shift_JIS CR LF") << PageFormat{PageEncoding::ShiftJis, false} << normal;
    QTest::newRow("Shift_JIS LF") << PageFormat{PageEncoding::ShiftJis, true} << normal;
    QTest::newRow("UTF-8") << PageFormat{PageEncoding::Utf8, false} << normal;
    QTest::newRow("UTF-8 with mark") << PageFormat{PageEncoding::Utf8WithBom, false} << normal;
    QTest::newRow("UTF-8 with mark LF") << PageFormat{PageEncoding::Utf8WithBom, true} << normal;
    QTest::newRow("Shift_JIS, menu beyond 32767 characters")
        << PageFormat{PageEncoding::ShiftJis, false} << large;
}

void TestRuns::cycleKeepsEachPageFormat()
{
    QFETCH(PageFormat, format);
    QFETCH(QString, body);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"news.html"_s);
    const auto pageWith = [&](const QString& block) -> QString {
        return body + u"\r\n<!--MenuStart-->\r\n"_s + block + u"\r\n<!--MenuEnd-->\r\n"_s;
    };
    const QByteArray original = encodePage(pageWith(menu(oldNames, u"news.html"_s)), format).bytes;
    writeBytes(path, original);

    QCOMPARE(runConversion({path}, settings(menu(oldNames)), journal.pages).log.last(),
             u"news.htmlの変換を行ないました。"_s);
    QCOMPARE(readBytes(path), encodePage(pageWith(tag), format).bytes);
    QCOMPARE(runRestore({path}, settings(menu(oldNames)), journal.pages).log.last(),
             u"news.htmlを戻しました。"_s);
    QCOMPARE(readBytes(path), original);
}

void TestRuns::linkCorrectedThenLeftAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"access.html"_s);
    writeBytes(path, shiftJis(page(menu(newNames))));

    const RunResult corrected = runRestore({path}, settings(menu(newNames)), journal.pages);
    QCOMPARE(corrected.log.last(), u"access.htmlのリンクを修正しました。"_s);
    QCOMPARE(readBytes(path), shiftJis(page(menu(newNames, u"access.html"_s))));

    const quint64 inode = inodeOf(path);
    const RunResult again = runRestore({path}, settings(menu(newNames)), journal.pages);
    QCOMPARE(again.log.last(), u"access.htmlは戻しませんでした。"_s);
    QCOMPARE(inodeOf(path), inode);
    QCOMPARE(again.lastPageText, page(menu(newNames, u"access.html"_s)));
}

// The save's link corrections made by the run: each page read once, a correction the step
// leaves is written alone, and the save's lines come before the run's.
void TestRuns::savedCorrectionsUseTheRunsReading()
{
    struct CountedReads : JournalledPages
    {
        using JournalledPages::JournalledPages;
        PageRead read(const QString& path) override
        {
            const std::lock_guard lock(mutex); // pages are read ahead on other threads
            ++reads[QFileInfo(path).fileName()];
            return JournalledPages::read(path);
        }
        std::mutex mutex;
        QHash<QString, int> reads;
    };
    QTemporaryDir dir;
    writeBytes(dir.filePath(u"index.html"_s), shiftJis(page(menu(oldNames))));
    writeBytes(dir.filePath(u"about.html"_s), shiftJis(page(tag)));
    const QStringList paths{dir.filePath(u"index.html"_s), dir.filePath(u"about.html"_s),
                            dir.filePath(u"missing.html"_s)};
    CountedReads pages(journal.folder.path(), {u"restore"_s, u"/site/mprj.xml"_s, u"サイト"_s});
    RunSettings corrected = settings(menu(oldNames));
    corrected.savedLinks = SelfLinkCorrection{menu(oldNames), {}, tag};

    const RunResult result = runRestore(paths, corrected, pages);
    QCOMPARE(
        result.log,
        (QStringList{u"ログです"_s, u"index.htmlのリンクを修正しました。"_s,
                     u"missing.htmlを読み込めませんでした。"_s, u"index.htmlは戻しませんでした。"_s,
                     u"about.htmlを戻しました。"_s, u"missing.htmlを読み込めませんでした。"_s}));
    QVERIFY(result.pageFailed);
    QCOMPARE(pages.reads, (QHash<QString, int>{
                              {u"index.html"_s, 1}, {u"about.html"_s, 1}, {u"missing.html"_s, 1}}));
    QCOMPARE(readBytes(paths[0]), shiftJis(page(menu(oldNames, u"index.html"_s))));
    QCOMPARE(readBytes(paths[1]), shiftJis(page(menu(oldNames, u"about.html"_s))));
}

// Convert and restore twice: every page comes back as it was, with only its own menu entry
// highlighted; a first restore over the plain pages corrects each link once.
void TestRuns::realSiteCycle()
{
    QTemporaryDir dir;
    const QList<PageFormat> formats{{PageEncoding::ShiftJis, false},
                                    {PageEncoding::Utf8, true},
                                    {PageEncoding::Utf8WithBom, false},
                                    {PageEncoding::Utf8, false},
                                    {PageEncoding::ShiftJis, true}};
    const RunSettings realSettings{site::menuText(), u"<!--会社-->"_s, {}};
    QStringList paths;
    QStringList corrected{u"ログです"_s}, convertedLog{u"ログです"_s}, restoredLog{u"ログです"_s};
    const auto bytesOf = [&](qsizetype i, const QString& block) {
        return encodePage(site::pageText(site::pageNames[i], block), formats[i]).bytes;
    };
    for (qsizetype i = 0; i < site::pageNames.size(); ++i) {
        const QString& name = site::pageNames[i];
        paths.append(dir.filePath(name));
        writeBytes(paths.last(), bytesOf(i, site::menuText()));
        corrected << name + u"のリンクを修正しました。"_s;
        convertedLog << name + u"の変換を行ないました。"_s;
        restoredLog << name + u"を戻しました。"_s;
    }
    const auto checkPages = [&](const std::function<QString(const QString&)>& block) {
        for (qsizetype i = 0; i < paths.size(); ++i)
            QCOMPARE(readBytes(paths[i]), bytesOf(i, block(site::pageNames[i])));
    };
    const auto lit = [](const QString& name) {
        return site::menuText(name);
    };

    TestJournal journal;
    QCOMPARE(runRestore(paths, realSettings, journal.pages).log, corrected);
    checkPages(lit);
    QCOMPARE(runRestore(paths, realSettings, journal.pages).log.count(), paths.size() + 1);
    checkPages(lit);
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(runConversion(paths, realSettings, journal.pages).log, convertedLog);
        checkPages([&](const QString&) { return realSettings.replacement; });
        QCOMPARE(runRestore(paths, realSettings, journal.pages).log, restoredLog);
        checkPages(lit);
    }
}

void TestRuns::unreadablePagesAreLoggedAndLeftAlone()
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(u"bad.html"_s);
    const QByteArray badBytes = shiftJis(page(menu(oldNames, u"bad.html"_s))) + "\x87\x90";
    writeBytes(bad, badBytes);
    const quint64 badInode = inodeOf(bad);
    const QString good = dir.filePath(u"index.html"_s);
    writeBytes(good, shiftJis(page(menu(oldNames, u"index.html"_s))));
    QVERIFY(QDir().mkdir(dir.filePath(u"folder.html"_s)));
    const QStringList paths{bad, dir.filePath(u"missing.html"_s), dir.filePath(u"folder.html"_s),
                            good};

    const RunResult result = runConversion(paths, settings(menu(oldNames)), journal.pages);
    QCOMPARE(result.log, (QStringList{u"ログです"_s, u"bad.htmlを読み込めませんでした。"_s,
                                      u"missing.htmlを読み込めませんでした。"_s,
                                      u"folder.htmlを読み込めませんでした。"_s,
                                      u"index.htmlの変換を行ないました。"_s}));
    QVERIFY(result.pageFailed);
    QCOMPARE(readBytes(bad), badBytes);
    QCOMPARE(inodeOf(bad), badInode);
    QCOMPARE(readBytes(good), shiftJis(page(tag)));

    const RunResult restored = runRestore({good, bad}, settings(menu(oldNames)), journal.pages);
    QCOMPARE(restored.log.last(), u"bad.htmlを読み込めませんでした。"_s);
    QCOMPARE(restored.lastPageText, page(menu(oldNames, u"index.html"_s)));
    QCOMPARE(inodeOf(bad), badInode);
}

void TestRuns::unrepresentableMenuIsNotWritten()
{
    QTemporaryDir dir;
    const QString sjis = dir.filePath(u"index.html"_s);
    const QString utf8 = dir.filePath(u"about.html"_s);
    writeBytes(sjis, shiftJis(page(tag)));
    writeBytes(utf8, page(tag).toUtf8());
    const QByteArray sjisBytes = readBytes(sjis);
    const QString waveDash = u"<p>10時〜12時</p>\r\n"_s + menu(oldNames); // U+301C

    const RunResult result = runRestore({sjis, utf8}, settings(waveDash), journal.pages);
    QCOMPARE(result.log,
             (QStringList{u"ログです"_s,
                          u"index.htmlを書き込めませんでした。("_s + unencodableError() + u')',
                          u"about.htmlを戻しました。"_s}));
    QVERIFY(result.pageFailed);
    QCOMPARE(readBytes(sjis), sjisBytes);
    QVERIFY(readPage(utf8).page.text.contains(u"10時〜12時"_s));
}

void TestRuns::emptyAndLongLists()
{
    QCOMPARE(runConversion({}, settings(menu(oldNames)), journal.pages).log,
             QStringList{u"ログです"_s});

    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < 40000; ++i)
        paths.append(dir.filePath(u"missing%1.html"_s.arg(i)));
    // Progress comes once a batch of pages is settled, always further, ending with all.
    qsizetype lastDone = 0;
    qsizetype calls = 0;
    const RunResult result = runRestore(paths, settings(menu(oldNames)), journal.pages,
                                        [&](qsizetype done, qsizetype total) {
                                            ++calls;
                                            QCOMPARE(total, paths.size());
                                            QCOMPARE_GT(done, lastDone);
                                            lastDone = done;
                                        });
    QCOMPARE(lastDone, paths.size());
    QCOMPARE_GT(calls, 100);
    QCOMPARE(result.log.size(), paths.size() + 1);
    QCOMPARE(result.log.last(), u"missing39999.htmlを読み込めませんでした。"_s);
}

// One menu for every folder: its links written from the site folder, led up in each page.
void TestRuns::menuWrittenFromTheSiteFolder()
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(u"sub/deep"_s));
    const QStringList names{u"index.html"_s, u"sub/a.html"_s, u"sub/deep/b.html"_s};
    const auto menuIn = [&](const QString& up, qsizetype own) {
        QStringList lines{u"<ul>"_s};
        for (qsizetype i = 0; i < names.size(); ++i)
            lines.append(i == own ? u"<li><!--<a href=\""_s + up + names[i] +
                                        u"\">--><span style=\"font-weight:550;color:tomato\">"_s +
                                        label(names[i]) + u"</span><!--</a>--></li>"_s
                                  : u"<li><a href=\""_s + up + names[i] + u"\">"_s +
                                        label(names[i]) + u"</a></li>"_s);
        lines.append(u"<li><a href=\"/index.html#top\">先頭</a></li>\r\n</ul>"_s);
        return lines.join(u"\r\n"_s);
    };
    QStringList paths;
    for (const QString& name : names) {
        paths.append(dir.filePath(name));
        writeBytes(paths.last(), shiftJis(page(tag)));
    }
    RunSettings marked = settings(menuIn({}, -1));
    marked.linksFromSiteFolder = true;
    const QStringList ups{QString(), u"../"_s, u"../../"_s};
    for (int round = 0; round < 2; ++round) {
        const RunResult restored = runRestore(paths, marked, journal.pages);
        QCOMPARE(restored.log,
                 (QStringList{u"ログです"_s, u"index.htmlを戻しました。"_s,
                              u"sub/a.htmlを戻しました。"_s, u"sub/deep/b.htmlを戻しました。"_s}));
        for (qsizetype i = 0; i < names.size(); ++i)
            QCOMPARE(readBytes(paths[i]), shiftJis(page(menuIn(ups[i], i))));
        QCOMPARE(runConversion(paths, marked, journal.pages).log.size(), 4);
        for (const QString& path : paths)
            QCOMPARE(readBytes(path), shiftJis(page(tag)));
    }
}

QTEST_APPLESS_MAIN(TestRuns)
#include "test_runs.moc"
