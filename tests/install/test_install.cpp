#include "appversion.h"
#include "cli/clifixtures.h"
#include "common/programrun.h"
#include "project/helplocation.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet::fixtures;

// The build installed into a temporary prefix, as a package installs it, and the installed
// programs run from there.

namespace {

const QString appId = QLatin1StringView(quillet::appId);

// The size a PNG file declares in its header.
QSize pngSize(const QString& path)
{
    const QByteArray bytes = readBytes(path);
    if (bytes.size() < 24 || !bytes.startsWith("\x89PNG"))
        return {};
    const auto bigEndian = [&](int at) {
        return (uchar(bytes[at]) << 24) | (uchar(bytes[at + 1]) << 16) |
               (uchar(bytes[at + 2]) << 8) | uchar(bytes[at + 3]);
    };
    return {int(bigEndian(16)), int(bigEndian(20))};
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void placesEveryFile_data();
    void placesEveryFile();
    void drawsEveryIconSize_data();
    void drawsEveryIconSize();
    void desktopEntryAndMetainfoValidate();
    void findsTheInstalledHelpPage();
    void cliPrintsItsVersion();
    void cliGoesRoundACycle();
    void defaultProjectFileIsTheUsersNotTheInstallations();
    void windowStartsFromTheDesktopEntry();

private:
    QString installed(const QString& relativePath) const { return m_prefix.filePath(relativePath); }
    QProcessEnvironment userEnvironment() const;

    QTemporaryDir m_prefix;
    QTemporaryDir m_home;
};

void TestInstall::initTestCase()
{
    const Finished install = runProgram(
        QStringLiteral(QUILLET_CMAKE),
        {u"--install"_s, QStringLiteral(QUILLET_BUILD_DIR), u"--prefix"_s, m_prefix.path()});
    QVERIFY2(install.exitCode == 0, qPrintable(install.errors));
}

void TestInstall::placesEveryFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");

    QTest::newRow("window") << u"bin/quillet"_s << true;
    QTest::newRow("command line") << u"bin/quillet-cli"_s << true;
    QTest::newRow("desktop entry") << u"share/applications/"_s + appId + u".desktop"_s << false;
    QTest::newRow("metainfo") << u"share/metainfo/"_s + appId + u".metainfo.xml"_s << false;
    QTest::newRow("scalable icon")
        << u"share/icons/hicolor/scalable/apps/"_s + appId + u".svg"_s << false;
    QTest::newRow("manual page of the window") << u"share/man/man1/quillet.1.gz"_s << false;
    QTest::newRow("manual page of the command line")
        << u"share/man/man1/quillet-cli.1.gz"_s << false;
    QTest::newRow("bash completion") << u"share/bash-completion/completions/quillet-cli"_s << false;
    QTest::newRow("zsh completion") << u"share/zsh/vendor-completions/_quillet-cli"_s << false;
    QTest::newRow("copyright") << u"share/doc/quillet/copyright"_s << false;
    QTest::newRow("changelog") << u"share/doc/quillet/changelog.gz"_s << false;
}

void TestInstall::placesEveryFile()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(path));
    QCOMPARE(file.isExecutable(), executable);
}

void TestInstall::drawsEveryIconSize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d", size) << size;
}

void TestInstall::drawsEveryIconSize()
{
    QFETCH(int, size);
    const QString path = u"share/icons/hicolor/%1x%1/apps/"_s.arg(size) + appId + u".png"_s;
    QCOMPARE(pngSize(installed(path)), QSize(size, size));
}

void TestInstall::desktopEntryAndMetainfoValidate()
{
    const Finished entry =
        runProgram(QStringLiteral(DESKTOP_FILE_VALIDATE),
                   {installed(u"share/applications/"_s + appId + u".desktop"_s)});
    QCOMPARE(entry.out + entry.errors, QString());
    QCOMPARE(entry.exitCode, 0);
    // The whole tree, so that the metainfo's launchable is checked against the entry.
    const Finished metainfo = runProgram(QStringLiteral(APPSTREAMCLI),
                                         {u"validate-tree"_s, u"--no-net"_s, m_prefix.path()});
    QVERIFY2(metainfo.exitCode == 0, qPrintable(metainfo.out + metainfo.errors));
}

void TestInstall::findsTheInstalledHelpPage()
{
    QVERIFY(QFileInfo(installed(u"share/quillet"_s)).isDir());
    if (!QFileInfo::exists(QStringLiteral(QUILLET_SOURCE_DIR "/help/menu.html")))
        QSKIP("this source tree has no help page to install");
    const QString page = installed(u"share/quillet/help/menu.html"_s);
    QCOMPARE(readBytes(page), readBytes(QStringLiteral(QUILLET_SOURCE_DIR "/help/menu.html")));
    QCOMPARE(quillet::helpPagePathIn(installed(u"bin"_s)), page);
}

void TestInstall::cliPrintsItsVersion()
{
    const Finished version =
        runProgram(installed(u"bin/quillet-cli"_s), {u"--version"_s}, userEnvironment());
    QCOMPARE(version.out, u"quillet-cli "_s + QLatin1StringView(quillet::appVersion) + u'\n');
    QCOMPARE(version.exitCode, 0);
}

void TestInstall::cliGoesRoundACycle()
{
    QTemporaryDir site;
    const QString index = site.filePath(u"index.html"_s);
    const QString about = site.filePath(u"about.html"_s);
    const QString projectFile = site.filePath(u"mprj.xml"_s);
    const QString home = u"ホーム"_s;
    const QString company = u"会社案内"_s;
    const QString menu = crlfLines({u"<ul>"_s, plainItem(u"index.html"_s, home),
                                    plainItem(u"about.html"_s, company), u"</ul>"_s});
    const QByteArray indexBytes =
        shiftJis(page(home,
                      {u"<ul>"_s, highlightedItem(u"index.html"_s, home, u"tomato"_s),
                       plainItem(u"about.html"_s, company), u"</ul>"_s},
                      u"<p>ようこそ</p>"_s));
    const QByteArray aboutBytes =
        shiftJis(page(company,
                      {u"<ul>"_s, plainItem(u"index.html"_s, home),
                       highlightedItem(u"about.html"_s, company, u"tomato"_s), u"</ul>"_s},
                      u"<p>所在地</p>"_s));
    writeBytes(index, indexBytes);
    writeBytes(about, aboutBytes);
    writeBytes(projectFile,
               shiftJis(projectText(
                   u"site"_s, projectLines(u"site"_s, QStringList{about, index}, escaped(menu)))));

    const QString cli = installed(u"bin/quillet-cli"_s);
    const QStringList project{u"--project-file"_s, projectFile};
    // The user's data folder of the test: the undo journal goes there.
    const Finished converted =
        runProgram(cli, project + QStringList{u"convert"_s, u"site"_s}, userEnvironment());
    QCOMPARE(converted.errors, QString());
    QCOMPARE(converted.exitCode, 0);
    QCOMPARE(readBytes(index), shiftJis(page(home, {u"<!--site-->"_s}, u"<p>ようこそ</p>"_s)));

    const Finished restored =
        runProgram(cli, project + QStringList{u"restore"_s, u"site"_s}, userEnvironment());
    QCOMPARE(restored.out, u"ログです\nabout.htmlを戻しました。\nindex.htmlを戻しました。\n"_s);
    QCOMPARE(restored.exitCode, 0);
    QCOMPARE(readBytes(index), indexBytes);
    QCOMPARE(readBytes(about), aboutBytes);
}

QProcessEnvironment TestInstall::userEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_s, m_home.path());
    environment.insert(u"XDG_DATA_HOME"_s, m_home.filePath(u"data"_s));
    environment.insert(u"XDG_CONFIG_HOME"_s, m_home.filePath(u"config"_s));
    environment.insert(u"XDG_RUNTIME_DIR"_s, m_home.path());
    return environment;
}

void TestInstall::defaultProjectFileIsTheUsersNotTheInstallations()
{
    // The tests may run as root, who can write the installation's bin folder.
    const QString userFile = m_home.filePath(u"data/quillet/mprj.xml"_s);
    QVERIFY(QDir().mkpath(QFileInfo(userFile).path()));
    writeBytes(userFile,
               shiftJis(projectText(u"mine"_s, projectLines(u"mine"_s, QStringList{}, QString()))));
    const Finished list =
        runProgram(installed(u"bin/quillet-cli"_s), {u"list"_s}, userEnvironment());
    QCOMPARE(list.out, u"mine\n"_s);
    QCOMPARE(list.exitCode, 0);
    QVERIFY(!QFileInfo::exists(installed(u"bin/mprj.xml"_s)));
}

void TestInstall::windowStartsFromTheDesktopEntry()
{
    const QStringList entry =
        QString::fromUtf8(readBytes(installed(u"share/applications/"_s + appId + u".desktop"_s)))
            .split(u'\n');
    const QStringList exec = entry.filter(QRegularExpression(u"^Exec="_s));
    QCOMPARE(exec, QStringList{u"Exec=quillet %F"_s});
    const QString page = m_home.filePath(u"page.html"_s);
    writeBytes(page, "<html></html>");

    QProcess window;
    QProcessEnvironment environment = userEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    window.setProcessEnvironment(environment);
    window.start(installed(u"bin/quillet"_s), {page});
    QVERIFY(window.waitForStarted());
    // Still running after the start-up reload: the libraries resolved and the window is up.
    QVERIFY2(!window.waitForFinished(2000), window.readAllStandardError().constData());
    // A second start hands its page to that window and ends.
    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(installed(u"bin/quillet"_s), {page});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(window.state(), QProcess::Running);
    window.kill();
    window.waitForFinished();
    QVERIFY(!QFileInfo::exists(installed(u"bin/mprj.xml"_s)));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
