#include "cli/clifixtures.h"
#include "common/realsite.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet::fixtures;
namespace site = quillet::fixtures::realsite;

// The whole working cycle through the real quillet-cli program, on a small Shift_JIS site
// with CR LF line ends: convert, restore an edited menu from a file, then round again.

namespace {

const QString projectName = u"サイト"_s;
const QString tag = u"<!--サイト-->"_s;

struct Finished
{
    int exitCode = -1;
    QString out;
    QString errors;
};

Finished runCli(const QString& folder, const QStringList& arguments)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    // The undo journal goes into the test's folder, not the user's.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_DATA_HOME"_s, folder + u"/data"_s);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUILLET_CLI_PATH), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString outputLines(const QStringList& lines)
{
    return lines.join(u'\n') + u'\n';
}

const QStringList convertedLog{u"ログです"_s, u"about.htmlの変換を行ないました。"_s,
                               u"index.htmlの変換を行ないました。"_s,
                               u"Notes.htmlは変換しませんでした。"_s};
const QStringList restoredLog{u"ログです"_s, u"about.htmlを戻しました。"_s,
                              u"index.htmlを戻しました。"_s, u"Notes.htmlは戻しませんでした。"_s};

// What a command printed when it ended cleanly, else "failed".
QString cleanOutput(const Finished& finished)
{
    return finished.exitCode == 0 && finished.errors.isEmpty() ? finished.out : u"failed"_s;
}

void expectClean(const Finished& finished, const QStringList& log)
{
    QCOMPARE(finished.errors, QString());
    QCOMPARE(finished.out, outputLines(log));
    QCOMPARE(finished.exitCode, 0);
}

// Every file of the site holds exactly the bytes given, in the order index, about, notes,
// mprj.xml.
void expectFiles(const QStringList& paths, const QList<QByteArray>& bytes)
{
    for (qsizetype i = 0; i < paths.size(); ++i)
        QCOMPARE(readBytes(paths[i]), bytes[i]);
}

} // namespace

class TestCliCycle : public QObject
{
    Q_OBJECT

private slots:
    void goesRoundTheCycleTwice();
    void realSiteWithAMenuShiftJisCannotHold();
    void runKilledPartwayIsTakenBack();
    void pageEditorSiteAlignedAndCycled();
    void siteInFoldersFindsEachPagesOwnEntry();
};

void TestCliCycle::goesRoundTheCycleTwice()
{
    QTemporaryDir dir;
    const QString index = dir.filePath(u"index.html"_s);
    const QString about = dir.filePath(u"about.html"_s);
    const QString notes = dir.filePath(u"Notes.html"_s);
    const QString projectFile = dir.filePath(u"mprj.xml"_s);
    const QString menuFile = dir.filePath(u"menu.html"_s);
    const QStringList site{index, about, notes, projectFile};

    // The stored menu has upper-case anchors; the pages, as the window writes them, do not.
    const QString storedMenu =
        crlfLines({u"<ul>"_s, u"<li><A href=\"index.html\">ホーム</A></li>"_s,
                   u"<li><A href=\"about.html\">会社案内</A></li>"_s, u"</ul>"_s});
    const QString home = u"ホーム"_s;
    const QString company = u"会社案内"_s;
    const QString indexBody = u"<p>ようこそ</p>"_s;
    const QString aboutBody = u"<p>所在地</p>"_s;
    writeBytes(index, shiftJis(page(home,
                                    {u"<ul>"_s, highlightedItem(u"index.html"_s, home, u"tomato"_s),
                                     plainItem(u"about.html"_s, company), u"</ul>"_s},
                                    indexBody)));
    // Added after the last restore: its own entry is still a plain link.
    writeBytes(about, shiftJis(page(company,
                                    {QString(), u"<ul>"_s, plainItem(u"index.html"_s, home),
                                     plainItem(u"about.html"_s, company), u"</ul>"_s, QString()},
                                    aboutBody)));
    const QByteArray notesBytes = shiftJis(u"<html>\r\n<p>メモ</p>\r\n</html>"_s);
    writeBytes(notes, notesBytes);
    const QStringList other =
        projectLines(u"Other"_s, QStringList{u"/elsewhere/a.html"_s}, u"&lt;p&gt;"_s);
    writeBytes(projectFile,
               shiftJis(projectText(
                   u"Other"_s, other + projectLines(projectName, QStringList{index, notes, about},
                                                    escaped(storedMenu)))));
    const QStringList project{u"--project-file"_s, projectFile};
    const auto savedProject = [&](const QString& menu) {
        return shiftJis(projectText(
            projectName,
            other + projectLines(projectName, QStringList{about, index, notes}, escaped(menu))));
    };

    // The save marks the entry of the page added since, and its line stays in the log.
    QStringList firstLog = convertedLog;
    firstLog.insert(1, u"about.htmlのリンクを修正しました。"_s);
    expectClean(runCli(dir.path(), project + QStringList{u"convert"_s, projectName}), firstLog);
    const QList<QByteArray> convertedPages{shiftJis(page(home, {tag}, indexBody)),
                                           shiftJis(page(company, {tag}, aboutBody)), notesBytes};
    expectFiles(
        site, convertedPages +
                  QList{savedProject(
                      QString(storedMenu).replace(u"<A"_s, u"<a"_s).replace(u"</A"_s, u"</a"_s))});

    // The edited menu ends in a line break, as a file from an editor does.
    const QString newsItem = u"<li><A HREF=\"news.html\">お知らせ</A></li>"_s;
    writeBytes(menuFile, shiftJis(crlfLines({u"<ul>"_s, plainItem(u"index.html"_s, home),
                                             plainItem(u"about.html"_s, company), newsItem,
                                             u"</ul>"_s, QString()})));
    const QStringList restore =
        project + QStringList{u"--color"_s, u"#ff8000"_s, u"restore"_s, projectName};
    expectClean(runCli(dir.path(), restore + QStringList{u"--menu-file"_s, menuFile}), restoredLog);
    const QString lowerNews = u"<li><a HREF=\"news.html\">お知らせ</a></li>"_s;
    const QList<QByteArray> restoredSite{
        shiftJis(page(home,
                      {u"<ul>"_s, highlightedItem(u"index.html"_s, home, u"#FF8000"_s),
                       plainItem(u"about.html"_s, company), lowerNews, u"</ul>"_s},
                      indexBody)),
        shiftJis(
            page(company,
                 {u"<ul>"_s, plainItem(u"index.html"_s, home),
                  highlightedItem(u"about.html"_s, company, u"#FF8000"_s), lowerNews, u"</ul>"_s},
                 aboutBody)),
        notesBytes,
        savedProject(crlfLines({u"<ul>"_s, plainItem(u"index.html"_s, home),
                                plainItem(u"about.html"_s, company), lowerNews, u"</ul>"_s}))};
    expectFiles(site, restoredSite);

    // Round again with the stored menu: the pages come back to the same bytes each time.
    expectClean(runCli(dir.path(), project + QStringList{u"convert"_s, projectName}), convertedLog);
    expectFiles(site, convertedPages + QList{restoredSite.last()});
    expectClean(runCli(dir.path(), restore), restoredLog);
    expectFiles(site, restoredSite);
}

// UTF-8 pages of a hand-kept site whose menu holds "é": the project file becomes UTF-8, and
// every page comes back with only its own entry marked, round after round.
void TestCliCycle::realSiteWithAMenuShiftJisCannotHold()
{
    QTemporaryDir dir;
    const QString projectFile = dir.filePath(u"mprj.xml"_s);
    const QString menuFile = dir.filePath(u"menu.html"_s);
    const auto withCafe = [](QString menu) {
        return menu.replace(u"</ul>"_s, u"<li>Café ©</li>\r\n</ul>"_s);
    };
    QStringList pages;
    for (const QString& name : site::pageNames) {
        pages.append(dir.filePath(name));
        writeBytes(pages.last(), site::pageText(name, withCafe(site::menuText())).toUtf8());
    }
    writeBytes(projectFile,
               shiftJis(projectText(QString(), projectLines(u"会社"_s, pages, std::nullopt))));
    writeBytes(menuFile, withCafe(site::menuText()).toUtf8());
    const QStringList project{u"--project-file"_s, projectFile};
    const auto expectPages = [&](const std::function<QString(const QString&)>& block) {
        for (qsizetype i = 0; i < pages.size(); ++i)
            QCOMPARE(readBytes(pages[i]),
                     site::pageText(site::pageNames[i], block(site::pageNames[i])).toUtf8());
    };
    const auto lit = [&](const QString& name) {
        return withCafe(site::menuText(name));
    };
    const auto logOf = [&](const QString& suffix) {
        QStringList log{u"ログです"_s};
        QStringList listOrder = site::pageNames;
        listOrder.sort(Qt::CaseInsensitive);
        for (const QString& name : listOrder)
            log << name + suffix;
        return log;
    };

    expectClean(runCli(dir.path(),
                       project + QStringList{u"restore"_s, u"会社"_s, u"--menu-file"_s, menuFile}),
                logOf(u"のリンクを修正しました。"_s) + logOf(u"は戻しませんでした。"_s).mid(1));
    expectPages(lit);
    QVERIFY(readBytes(projectFile).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>"));
    for (int round = 0; round < 2; ++round) {
        expectClean(runCli(dir.path(), project + QStringList{u"convert"_s, u"会社"_s}),
                    logOf(u"の変換を行ないました。"_s));
        expectPages([](const QString&) { return u"<!--会社-->"_s; });
        expectClean(runCli(dir.path(), project + QStringList{u"restore"_s, u"会社"_s}),
                    logOf(u"を戻しました。"_s));
        expectPages(lit);
    }
}

void TestCliCycle::runKilledPartwayIsTakenBack()
{
    QTemporaryDir dir;
    const QString menu =
        crlfLines({u"<ul>"_s, plainItem(u"index.html"_s, u"ホーム"_s), u"</ul>"_s});
    QStringList paths;
    QList<QByteArray> originals;
    for (int i = 0; i < 2000; ++i) {
        paths.append(dir.filePath(u"p%1.html"_s.arg(i, 4, 10, QLatin1Char('0'))));
        originals.append(shiftJis(page(QString::number(i), {menu}, u"<p>本文</p>"_s)));
        writeBytes(paths.last(), originals.last());
    }
    const QString projectFile = dir.filePath(u"mprj.xml"_s);
    writeBytes(projectFile,
               shiftJis(projectText(projectName, projectLines(projectName, paths, escaped(menu)))));

    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_DATA_HOME"_s, dir.filePath(u"data"_s));
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral(QUILLET_CLI_PATH),
              {u"--project-file"_s, projectFile, u"convert"_s, projectName});
    QVERIFY(run.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(readBytes(paths[10]) != originals[10], 60000);
    run.kill(); // SIGKILL: no chance to finish the page at hand
    QVERIFY(run.waitForFinished());
    if (readBytes(paths.last()) != originals.last())
        qWarning("the run ended before it was killed; only the undo is checked");

    const Finished undone = runCli(dir.path(), {u"--project-file"_s, projectFile, u"undo"_s});
    QCOMPARE(undone.exitCode, 0);
    QCOMPARE(undone.errors, QString());
    for (qsizetype i = 0; i < paths.size(); ++i)
        QCOMPARE(readBytes(paths[i]), originals[i]);
}

// A site from a page editor: capital links, an entry whose link spans two lines, two pages
// whose copies of the menu drifted (one marked, one not) and a page without the menu whose
// banner links to itself.
namespace editorsite {

const QStringList names{u"about.html"_s, u"faq.html"_s,  u"index.html"_s,
                        u"news.html"_s,  u"p113.html"_s, u"plain.html"_s};

QStringList menuLines()
{
    return {u"<TABLE><TR>"_s,
            u"<TD><A HREF=\"index.html\">ホーム</A></TD>"_s,
            u"<TD><A HREF=\"p113.html\">作文打出の小づち<BR>"_s,
            u"</A></TD>"_s,
            u"<TD><A HREF=\"about.html\">㈱髙橋について</A></TD>"_s,
            u"<TD><A HREF=\"news.html\">お知らせ①</A></TD>"_s,
            u"</TR></TABLE>"_s};
}

// The menu as a cycle leaves it in the page named: lower-case anchors, its entry highlighted.
QString restoredMenu(const QString& name)
{
    QString menu = crlfLines(menuLines()).replace(u"<A"_s, u"<a"_s).replace(u"</A"_s, u"</a"_s);
    const QString tag = u"<a HREF=\""_s + name + u"\">"_s;
    const qsizetype at = menu.indexOf(tag);
    if (at < 0)
        return menu;
    const qsizetype close = menu.indexOf(u"</a>"_s, at);
    return menu.left(at) + u"<!--"_s + tag + u"--><span style=\"font-weight:550;color:tomato\">"_s +
           menu.mid(at + tag.size(), close - at - tag.size()) + u"</span><!--</a>-->"_s +
           menu.mid(close + 4);
}

QString pageText(const QString& menuBlock)
{
    return u"<HTML>\r\n<BODY>\r\n<P><A HREF=\"index.html\"><IMG SRC=\"logo.gif\"></A></P>\r\n"_s +
           menuBlock + u"\r\n<P>本文Ⅰ</P>\r\n</BODY>\r\n</HTML>\r\n"_s;
}

QString marked(const QString& menu)
{
    return u"<!--MenuStart-->\r\n"_s + menu + u"\r\n<!--MenuEnd-->"_s;
}

QString before(const QString& name)
{
    QStringList lines = menuLines();
    if (name == u"news.html"_s) {
        lines[5].prepend(u"　"_s);
        return pageText(marked(crlfLines(lines)));
    }
    if (name == u"about.html"_s) {
        for (qsizetype i = 1; i + 1 < lines.size(); ++i)
            lines[i].prepend(u"  "_s);
        return pageText(crlfLines(lines));
    }
    if (name == u"plain.html"_s)
        return pageText(u"<P><A HREF=\"plain.html\"><IMG SRC=\"banner.gif\"></A></P>"_s);
    return pageText(marked(crlfLines(menuLines())));
}

QString after(const QString& name)
{
    if (name == u"plain.html"_s)
        return before(name);
    if (name == u"about.html"_s)
        return pageText(restoredMenu(name));
    return pageText(marked(restoredMenu(name)));
}

} // namespace editorsite

void TestCliCycle::pageEditorSiteAlignedAndCycled()
{
    QTemporaryDir dir;
    const QString projectFile = dir.filePath(u"mprj.xml"_s);
    const QStringList project{u"--project-file"_s, projectFile};
    const auto cli = [&](const QStringList& arguments) {
        return cleanOutput(runCli(dir.path(), project + arguments));
    };
    QList<QByteArray> original;
    for (const QString& name : editorsite::names) {
        original.append(shiftJis(editorsite::before(name)));
        writeBytes(dir.filePath(name), original.last());
    }
    QVERIFY(cli({u"add"_s, projectName, dir.path()}) != u"failed"_s);
    QVERIFY(cli({u"menu"_s, projectName, u"--from-page"_s, dir.filePath(u"index.html"_s)}) !=
            u"failed"_s);
    QCOMPARE(cli({u"align"_s, projectName}),
             outputLines({u"ログです"_s, u"about.htmlのメニューを揃えました。"_s,
                          u"faq.htmlのメニューは揃っています。"_s,
                          u"index.htmlのメニューは揃っています。"_s,
                          u"news.htmlのメニューを揃えました。"_s,
                          u"p113.htmlのメニューは揃っています。"_s,
                          u"plain.htmlにはメニューが見つからないため揃えませんでした。"_s}));
    for (int round = 0; round < 2; ++round) {
        QVERIFY(cli({u"convert"_s, projectName}) != u"failed"_s);
        QVERIFY(cli({u"restore"_s, projectName}) != u"failed"_s);
    }
    for (qsizetype i = 0; i < editorsite::names.size(); ++i)
        QCOMPARE(readBytes(dir.filePath(editorsite::names[i])),
                 shiftJis(editorsite::after(editorsite::names[i])));
    // The two restores, the two conversions and the alignment.
    for (int undo = 0; undo < 5; ++undo)
        QVERIFY(cli({u"undo"_s}) != u"failed"_s);
    for (qsizetype i = 0; i < editorsite::names.size(); ++i)
        QCOMPARE(readBytes(dir.filePath(editorsite::names[i])), original[i]);
}

// A site of three folder levels whose menu links from the site's root, one entry by a web
// address ending in "/": index pages everywhere, and a breadcrumb to the top page above the
// menu in every page.
namespace foldersite {

const QStringList names{u"about.html"_s, u"index.html"_s, u"mkro/index.html"_s,
                        u"ud/deep/index.html"_s, u"ud/index.htm"_s};

const QStringList entries{u"<li><a href=\"/index.html\">HOME</a></li>"_s,
                          u"<li><a href=\"/about.html\">会社</a></li>"_s,
                          u"<li><a href=\"/ud/index.htm\">UD</a></li>"_s,
                          u"<li><a href=\"/ud/deep/index.html\">深い</a></li>"_s,
                          u"<li><a href=\"http://example.jp/mkro/\">MKRO</a></li>"_s};

// The menu with the entry at own (or none) highlighted.
QString menu(qsizetype own = -1)
{
    QStringList lines{u"<ul>"_s};
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QString line = entries[i];
        if (i == own) {
            const qsizetype close = line.indexOf(u"\">"_s) + 2;
            line = u"<li><!--"_s + line.mid(4, close - 4) +
                   u"--><span style=\"font-weight:550;color:tomato\">"_s +
                   line.mid(close, line.indexOf(u"</a>"_s) - close) + u"</span><!--</a>--></li>"_s;
        }
        lines.append(line);
    }
    lines.append(u"</ul>"_s);
    return lines.join(u"\n"_s);
}

QString page(const QString& block)
{
    return u"<html>\n<body>\n<p><a href=\"/index.html\">トップ</a> &gt; ここ</p>\n"
           "<!--MenuStart-->\n"_s +
           block + u"\n<!--MenuEnd-->\n</body>\n</html>\n"_s;
}

// Which entry is each page's own, in the order of names.
const QList<qsizetype> ownEntry{1, 0, 4, 3, 2};

} // namespace foldersite

void TestCliCycle::siteInFoldersFindsEachPagesOwnEntry()
{
    QTemporaryDir dir;
    const QString siteFolder = dir.filePath(u"www"_s);
    const QStringList project{u"--project-file"_s, dir.filePath(u"mprj.xml"_s)};
    QDir().mkpath(siteFolder + u"/ud/deep"_s);
    QDir().mkpath(siteFolder + u"/mkro"_s);
    for (const QString& name : foldersite::names)
        writeBytes(siteFolder + u'/' + name, foldersite::page(foldersite::menu()).toUtf8());
    const auto cli = [&](const QStringList& arguments) {
        return cleanOutput(runCli(dir.path(), project + arguments));
    };
    QVERIFY(cli({u"add"_s, projectName, siteFolder}) != u"failed"_s);
    QVERIFY(cli({u"menu"_s, projectName, u"--from-page"_s, siteFolder + u"/index.html"_s}) !=
            u"failed"_s);
    QCOMPARE(cli({u"restore"_s, projectName}),
             outputLines({u"ログです"_s, u"about.htmlのリンクを修正しました。"_s,
                          u"index.htmlのリンクを修正しました。"_s,
                          u"mkro/index.htmlのリンクを修正しました。"_s,
                          u"ud/deep/index.htmlのリンクを修正しました。"_s,
                          u"ud/index.htmのリンクを修正しました。"_s}));
    for (int round = 0; round < 2; ++round) {
        QVERIFY(cli({u"convert"_s, projectName}) != u"failed"_s);
        QVERIFY(cli({u"restore"_s, projectName}) != u"failed"_s);
    }
    for (qsizetype i = 0; i < foldersite::names.size(); ++i)
        QCOMPARE(QString::fromUtf8(readBytes(siteFolder + u'/' + foldersite::names[i])),
                 foldersite::page(foldersite::menu(foldersite::ownEntry[i])));
}

QTEST_GUILESS_MAIN(TestCliCycle)
#include "test_clicycle.moc"
