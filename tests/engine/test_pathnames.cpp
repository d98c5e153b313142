#include "engine/pathnames.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;

class TestPathNames : public QObject
{
    Q_OBJECT

private slots:
    void fileName_data();
    void fileName();
    void folderPath_data();
    void folderPath();
    void nativeSeparatorIsTheDefault();
};

// Both separators: the program splits at the platform's one character only.
void TestPathNames::fileName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("expected");

    const QChar back = u'\\';
    const QChar slash = u'/';
    QTest::newRow("backslash: last piece")
        << u"C:\\site\\sub\\index.html"_s << back << u"index.html"_s;
    QTest::newRow("backslash: one folder") << u"C:\\web\\a.html"_s << back << u"a.html"_s;
    QTest::newRow("backslash: no separator") << u"a.html"_s << back << QString();
    QTest::newRow("backslash: trailing separator") << u"C:\\web\\"_s << back << QString();
    QTest::newRow("backslash: slash is not one") << u"C:/web/a.html"_s << back << QString();
    QTest::newRow("backslash: case kept") << u"C:\\Web\\Index.HTML"_s << back << u"Index.HTML"_s;
    QTest::newRow("slash: last piece") << u"/srv/site/sub/index.html"_s << slash << u"index.html"_s;
    QTest::newRow("slash: no separator") << u"a.html"_s << slash << QString();
    QTest::newRow("slash: trailing separator") << u"/srv/web/"_s << slash << QString();
    QTest::newRow("slash: backslash is not one") << u"C:\\web\\a.html"_s << slash << QString();
    QTest::newRow("slash: Japanese name") << u"/サイト/案内.html"_s << slash << u"案内.html"_s;
}

void TestPathNames::fileName()
{
    QFETCH(QString, path);
    QFETCH(QChar, separator);
    QFETCH(QString, expected);
    QCOMPARE(GetFileName(path, separator), expected);
}

void TestPathNames::folderPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("expected");

    const QChar back = u'\\';
    const QChar slash = u'/';
    QTest::newRow("backslash: file in a folder")
        << u"C:\\site\\a.html"_s << back << u"C:\\site\\"_s;
    QTest::newRow("backslash: file in the root") << u"C:\\a.html"_s << back << u"C:\\"_s;
    QTest::newRow("backslash: no separator") << u"a.html"_s << back << QString();
    QTest::newRow("backslash: folder kept") << u"C:\\site\\"_s << back << u"C:\\site\\"_s;
    QTest::newRow("backslash: slash is not one") << u"C:/site/a.html"_s << back << QString();
    QTest::newRow("slash: file in a folder") << u"/srv/site/a.html"_s << slash << u"/srv/site/"_s;
    QTest::newRow("slash: file in the root") << u"/a.html"_s << slash << u"/"_s;
    QTest::newRow("slash: folder kept") << u"/srv/site/"_s << slash << u"/srv/site/"_s;
    QTest::newRow("slash: no separator") << u"a.html"_s << slash << QString();
}

void TestPathNames::folderPath()
{
    QFETCH(QString, path);
    QFETCH(QChar, separator);
    QFETCH(QString, expected);
    QCOMPARE(GetFolderPath(path, separator), expected);
}

void TestPathNames::nativeSeparatorIsTheDefault()
{
    const QString path = u"site"_s + nativeSeparator + u"a.html"_s;
    QCOMPARE(GetFileName(path), u"a.html"_s);
    QCOMPARE(GetFolderPath(path), u"site"_s + nativeSeparator);
}

QTEST_APPLESS_MAIN(TestPathNames)
#include "test_pathnames.moc"
