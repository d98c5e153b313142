#include "benchsite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#include <array>

namespace quillet::bench {

namespace {

constexpr int pagesPerSection = 20;
constexpr int paragraphsPerPage = 43;

struct MenuEntry
{
    const char16_t* file;
    const char16_t* label;
};

// No name is part of another, so each page's first mention of its name is its menu entry.
constexpr std::array<MenuEntry, pagesPerSection> menuEntries{{
    {u"index.html", u"トップページ"},   {u"about.html", u"会社概要"},
    {u"news.html", u"新着情報"},        {u"access.html", u"交通案内"},
    {u"company.html", u"沿革"},         {u"products.html", u"製品一覧"},
    {u"faq.html", u"よくある質問"},     {u"contact.html", u"お問い合わせ"},
    {u"recruit.html", u"採用情報"},     {u"privacy.html", u"個人情報の取り扱い"},
    {u"sitemap.html", u"サイトマップ"}, {u"blog.html", u"スタッフ日記"},
    {u"event.html", u"催し物のご案内"}, {u"gallery.html", u"写真館"},
    {u"service.html", u"修理・保守"},   {u"history.html", u"社史"},
    {u"message.html", u"代表挨拶"},     {u"links.html", u"関連リンク"},
    {u"support.html", u"サポート窓口"}, {u"guide.html", u"ご利用の手引き"},
}};

constexpr std::array<const char16_t*, 8> sentences{{
    u"当社は昭和四十二年の創業以来、地域の皆様に支えられて歩んでまいりました。",
    u"製品の仕様は予告なく変更することがありますので、あらかじめご了承ください。",
    u"営業時間は平日の午前九時から午後五時まで、土曜日と日曜日、祝日はお休みです。",
    u"駅の東口を出て商店街を北へ五分ほど歩くと、右手に三階建ての白い建物が見えます。",
    u"お問い合わせの際は、お名前とご連絡先、製品の型番を必ずお書き添えください。",
    u"春の催しでは、職人による実演と、親子で楽しめる工作教室を予定しております。",
    u"今後とも変わらぬご愛顧を賜りますよう、社員一同心よりお願い申し上げます。",
    u"掲載している写真や文章の無断転載は、固くお断りいたします。",
}};

QString entryLine(const MenuEntry& entry, bool self)
{
    const QString file = QString::fromUtf16(entry.file);
    const QString label = QString::fromUtf16(entry.label);
    if (!self)
        return QStringLiteral("<li><a href=\"") + file + QStringLiteral("\">") + label +
               QStringLiteral("</a></li>");
    return QStringLiteral("<li><!--<a href=\"") + file +
           QStringLiteral("\">--><span style=\"font-weight:550;color:tomato\">") + label +
           QStringLiteral("</span><!--</a>--></li>");
}

QString menuFor(int selfEntry)
{
    QStringList lines{QStringLiteral("<ul id=\"menu\">")};
    for (int i = 0; i < pagesPerSection; ++i)
        lines.append(entryLine(menuEntries[i], i == selfEntry));
    lines.append(QStringLiteral("</ul>"));
    return lines.join(QStringLiteral("\r\n"));
}

QString body(int index)
{
    QString text;
    for (int p = 0; p < paragraphsPerPage; ++p) {
        if (p % 6 == 0)
            text += QStringLiteral("<h2>第%1節　ご案内</h2>\r\n").arg(p / 6 + 1);
        text += QStringLiteral("<p>");
        for (int s = 0; s < 6; ++s)
            text += QString::fromUtf16(sentences[(index + p * 3 + s) % sentences.size()]);
        text += QStringLiteral("</p>\r\n");
    }
    return text;
}

QString pageText(int index)
{
    const int section = index / pagesPerSection;
    return QStringLiteral("<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head>\r\n"
                          "<meta charset=\"Shift_JIS\">\r\n<title>第%1部　ご案内</title>\r\n"
                          "<link rel=\"stylesheet\" href=\"../style.css\">\r\n</head>\r\n<body>\r\n"
                          "<h1>株式会社サンプル商会</h1>\r\n<!--MenuStart-->\r\n")
               .arg(section + 1) +
           menuFor(index % pagesPerSection) +
           QStringLiteral("\r\n<!--MenuEnd-->\r\n<div id=\"main\">\r\n") + body(index) +
           QStringLiteral("</div>\r\n<address>Copyright 2024</address>\r\n</body>\r\n</html>\r\n");
}

} // namespace

QString plainMenu()
{
    return menuFor(-1);
}

QByteArray pageBytes(int index)
{
    QStringEncoder encoder("Shift_JIS");
    QByteArray bytes = encoder.encode(pageText(index));
    if (encoder.hasError())
        qFatal("page %d is not Shift_JIS", index);
    return bytes;
}

QByteArray driftedPageBytes(int index, bool marked)
{
    QByteArray bytes = pageBytes(index);
    bytes.insert(bytes.indexOf(QByteArray("<li><a href=")) + 4, ' ');
    if (!marked) {
        bytes.replace(QByteArray("<!--MenuStart-->\r\n"), QByteArray());
        bytes.replace(QByteArray("<!--MenuEnd-->\r\n"), QByteArray());
    }
    return bytes;
}

QByteArray convertedPageBytes(int index)
{
    const QByteArray restored = pageBytes(index);
    const QByteArray start("<!--MenuStart-->");
    const QByteArray end("<!--MenuEnd-->");
    const qsizetype from = restored.indexOf(start) + start.size();
    const qsizetype to = restored.lastIndexOf(end);
    QStringEncoder encoder("Shift_JIS");
    const QByteArray tag = encoder.encode(siteTag);
    return restored.left(from) + "\r\n" + tag + "\r\n" + restored.mid(to);
}

QString pagePath(const QString& root, int index)
{
    const QString section =
        QStringLiteral("s%1").arg(index / pagesPerSection, 4, 10, QLatin1Char('0'));
    return root + u'/' + section + u'/' +
           QString::fromUtf16(menuEntries[index % pagesPerSection].file);
}

SiteSize writeSite(const QStringList& roots, int count)
{
    SiteSize size;
    for (int i = 0; i < count; ++i) {
        const QByteArray bytes = pageBytes(i);
        size.bytes += bytes.size();
        size.largestPage = std::max<qint64>(size.largestPage, bytes.size());
        for (const QString& root : roots) {
            const QString path = pagePath(root, i);
            if (i % pagesPerSection == 0)
                QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                qFatal("cannot write %s", qPrintable(path));
        }
    }
    return size;
}

QString readUtf8(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

} // namespace quillet::bench
