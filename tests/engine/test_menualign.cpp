#include "engine/menualign.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quillet;

Q_DECLARE_METATYPE(quillet::AlignKind)

namespace {

const QString menuLines[] = {
    u"<table><tr>"_s,   u"<td><a href=\"index.html\">ホーム</a></td>"_s,
    u"<td>｜</td>"_s,   u"<td><a href=\"news.html\">お知らせ</a></td>"_s,
    u"<td>｜</td>"_s,   u"<td><a href=\"about.html\">会社概要</a></td>"_s,
    u"</tr></table>"_s,
};

QString joined(QStringList lines)
{
    return lines.join(u"\r\n"_s);
}

QString menu()
{
    return joined(QStringList(std::begin(menuLines), std::end(menuLines)));
}

// The menu with one line replaced.
QString menuWith(int line, const QString& text)
{
    QStringList lines(std::begin(menuLines), std::end(menuLines));
    lines[line] = text;
    return joined(lines);
}

QString restoredMenu()
{
    return menuWith(3, u"<td><!--<a href=\"news.html\">--><span "
                       "style=\"font-weight:550;color:tomato\">お知らせ</span><!--</a>--></td>"_s);
}

// A banner linking to the page itself, a block, then the body.
QString page(const QString& block)
{
    return u"<html>\r\n<body>\r\n<p><a href=\"news.html\"><img src=\"n.png\"></a></p>\r\n"_s +
           block + u"\r\n<p>本文</p>\r\n</body>\r\n</html>\r\n"_s;
}

QString marked(const QString& block)
{
    return u"<!--MenuStart-->\r\n"_s + block + u"\r\n<!--MenuEnd-->"_s;
}

} // namespace

class TestMenuAlign : public QObject
{
    Q_OBJECT

private slots:
    void alignsADriftedCopy_data();
    void alignsADriftedCopy();
};

void TestMenuAlign::alignsADriftedCopy_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<AlignKind>("kind");
    QTest::addColumn<QString>("expected"); // the page after aligning

    const QString indented = u"<table><tr>\r\n  <td><a href=\"index.html\">ホーム</a></td>\r\n"
                             "  <td>｜</td>\r\n  <td><a href=\"news.html\">お知らせ</a></td>\r\n"
                             "  <td>｜</td>\r\n  <td><a href=\"about.html\">会社概要</a></td>\r\n"
                             "</tr></table>"_s;
    QTest::newRow("marked, a stray full-width space")
        << page(marked(menuWith(2, u"<td>　｜</td>"_s))) << AlignKind::Aligned
        << page(marked(restoredMenu()));
    QTest::newRow("marked, indented markers")
        << page(u"  <!--MenuStart-->\r\n  "_s + menuWith(2, u"<td>|</td>"_s) +
                u"\r\n  <!--MenuEnd-->"_s)
        << AlignKind::Aligned
        << page(u"  <!--MenuStart-->\r\n"_s + restoredMenu() + u"\r\n  <!--MenuEnd-->"_s);
    QTest::newRow("unmarked, indented inside the table")
        << page(indented) << AlignKind::Aligned << page(restoredMenu());
    QTest::newRow("unmarked, an older entry")
        << page(menuWith(5, u"<td><a href=\"company.html\">会社案内</a></td>"_s))
        << AlignKind::Aligned << page(restoredMenu());
    QTest::newRow("unmarked, a separator turned into a link")
        << page(menuWith(4, u"<td><a href=\"blog.html\">ブログ</a></td>"_s)) << AlignKind::Aligned
        << page(restoredMenu());
    QTest::newRow("unmarked, a table of the body right after it stays")
        << page(indented + u"\r\n<table><tr>\r\n<td>本文の表</td>\r\n</tr></table>"_s)
        << AlignKind::Aligned
        << page(restoredMenu() + u"\r\n<table><tr>\r\n<td>本文の表</td>\r\n</tr></table>"_s);
    QTest::newRow("two drifted copies: left alone")
        << page(indented + u"\r\n<p>本文</p>\r\n"_s + menuWith(2, u"<td>　｜</td>"_s))
        << AlignKind::TwoCopies << QString();
    QTest::newRow("page editor's capitals: in line")
        << page(menu().replace(u"<a "_s, u"<A "_s).replace(u"</a>"_s, u"</A>"_s))
        << AlignKind::InLine << QString();
    QTest::newRow("converted: left to the restore")
        << page(marked(u"<!--site-->"_s)) << AlignKind::Converted << QString();
    QTest::newRow("another project's tag between the markers is no copy")
        << page(marked(u"<!--other-->"_s)) << AlignKind::NoCopy << QString();
    QTest::newRow("no copy: the banner stays a link")
        << page(u"<p>なし</p>"_s) << AlignKind::NoCopy << QString();
}

void TestMenuAlign::alignsADriftedCopy()
{
    QFETCH(QString, text);
    QFETCH(AlignKind, kind);
    QFETCH(QString, expected);
    const RunSettings settings{menu(), u"<!--site-->"_s, {}};
    const AlignedText aligned = alignPageText(text, u"/s/news.html"_s, settings);
    QCOMPARE(aligned.kind, kind);
    QCOMPARE(aligned.text, expected);
}

QTEST_APPLESS_MAIN(TestMenuAlign)
#include "test_menualign.moc"
