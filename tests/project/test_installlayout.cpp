#include "common/testfiles.h"
#include "project/helplocation.h"
#include "project/projectlocation.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;
using namespace quillet::fixtures;

// Where the help page and the project file are found, in a build tree and in installations.
class TestInstallLayout : public QObject
{
    Q_OBJECT

private slots:
    void findsTheFilesOfALayout_data();
    void findsTheFilesOfALayout();
    void namesTheProjectFileInUse();
};

void TestInstallLayout::findsTheFilesOfALayout_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("helpPage");
    QTest::addColumn<bool>("projectFileBeside");

    const QString installedHelp = u"share/quillet/help/menu.html"_s;
    QTest::newRow("build tree") << u"build/src/window"_s
                                << QStringList{u"build/src/window/help/menu.html"_s}
                                << u"build/src/window/help/menu.html"_s << true;
    QTest::newRow("installed") << u"bin"_s << QStringList{installedHelp} << installedHelp << false;
    QTest::newRow("installed, help beside wins")
        << u"bin"_s << QStringList{installedHelp, u"bin/help/menu.html"_s}
        << u"bin/help/menu.html"_s << false;
    QTest::newRow("installed without help")
        << u"bin"_s << QStringList{u"share/quillet/README"_s} << QString() << false;
    QTest::newRow("a bin folder of the user's own")
        << u"bin"_s << QStringList{u"share/other/help/menu.html"_s} << QString() << true;
    QTest::newRow("help is a folder")
        << u"bin"_s << QStringList{u"bin/help/menu.html/x"_s} << QString() << true;
}

void TestInstallLayout::findsTheFilesOfALayout()
{
    QFETCH(QString, programFolder);
    QFETCH(QStringList, files);
    QFETCH(QString, helpPage);
    QFETCH(bool, projectFileBeside);

    QTemporaryDir root;
    const QDir dir(root.path());
    QVERIFY(dir.mkpath(programFolder));
    for (const QString& file : files) {
        QVERIFY(dir.mkpath(QFileInfo(dir.filePath(file)).path()));
        writeBytes(dir.filePath(file), "<html></html>");
    }

    const QString folder = dir.filePath(programFolder);
    // A project file beside the program: only an installation's folder ignores it.
    writeBytes(QDir(folder).filePath(u"mprj.xml"_s), "<root></root>");
    QCOMPARE(helpPagePathIn(folder), helpPage.isEmpty() ? QString() : dir.filePath(helpPage));
    // The bin folder can be written here, as it can by root on an installed system.
    const QString userFolder = dir.filePath(u"user"_s);
    QCOMPARE(projectFilePathIn(folder, userFolder),
             QDir(projectFileBeside ? folder : userFolder).filePath(u"mprj.xml"_s));
}

void TestInstallLayout::namesTheProjectFileInUse()
{
    QCOMPARE(projectFileCaption(u"/home/u/.local/share/quillet/mprj.xml"_s),
             u"プロジェクトファイル: /home/u/.local/share/quillet/mprj.xml"_s);
}

QTEST_GUILESS_MAIN(TestInstallLayout)
#include "test_installlayout.moc"
