#include "common/programrun.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet::fixtures;

// The Debian package of the build, made as scripts/package makes it and checked by lintian.

class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void holdsTheManualPagesAndCompletion();
    void lintianFindsNothing();

private:
    QTemporaryDir m_output;
    QString m_package;
};

void TestPackage::initTestCase()
{
    const Finished packed = runProgram(QStringLiteral(QUILLET_CPACK),
                                       {u"-G"_s, u"DEB"_s, u"--config"_s,
                                        QStringLiteral(QUILLET_BUILD_DIR "/CPackConfig.cmake"),
                                        u"-B"_s, m_output.path()});
    QVERIFY2(packed.exitCode == 0, qPrintable(packed.out + packed.errors));
    const QStringList packages = QDir(m_output.path()).entryList({u"quillet_*.deb"_s});
    QCOMPARE(packages.size(), 1);
    m_package = m_output.filePath(packages.first());
}

void TestPackage::holdsTheManualPagesAndCompletion()
{
    const Finished listed = runProgram(QStringLiteral(DPKG_DEB), {u"--contents"_s, m_package});
    QCOMPARE(listed.exitCode, 0);
    for (const QString& path :
         {u"./usr/share/man/man1/quillet.1.gz"_s, u"./usr/share/man/man1/quillet-cli.1.gz"_s,
          u"./usr/share/bash-completion/completions/quillet-cli"_s})
        QVERIFY2(listed.out.contains(u' ' + path + u'\n'), qPrintable(path));
}

void TestPackage::lintianFindsNothing()
{
    const Finished checked =
        runProgram(QStringLiteral(LINTIAN), {u"--fail-on"_s, u"error,warning"_s, m_package});
    QVERIFY2(checked.exitCode == 0, qPrintable(checked.out + checked.errors));
    QCOMPARE(checked.out, QString());
}

QTEST_GUILESS_MAIN(TestPackage)
#include "test_package.moc"
