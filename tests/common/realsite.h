#pragma once

#include <QString>
#include <QStringList>

// A hand-kept site as users have them: menu entries holding spans, attributes after the
// target, a single-quoted target, two links on one line, a logo and a breadcrumb linking to
// the home page above the menu, and a "#top" line naming the page before the menu.
namespace quillet::fixtures::realsite {

inline const QStringList pageNames{QStringLiteral("index.html"), QStringLiteral("company.html"),
                                   QStringLiteral("access.html"), QStringLiteral("news.html"),
                                   QStringLiteral("contact.html")};

inline QString highlightOpener(const QString& colour = QStringLiteral("tomato"))
{
    return QStringLiteral("--><span style=\"font-weight:550;color:") + colour +
           QStringLiteral("\">");
}

inline const QString highlightCloser = QStringLiteral("</span><!--</a>-->");

// The menu's lines with the entry of self highlighted (none when self is empty).
inline QStringList menuLines(const QString& self = {})
{
    const QString open = highlightOpener();
    const QString close = highlightCloser;
    const auto lit = [&](const QString& name) {
        return name == self;
    };
    QStringList lines{QStringLiteral("<ul id=\"nav\">")};
    lines << (lit(QStringLiteral("index.html"))
                  ? QStringLiteral("<li id=\"nav-home\"><!--<a href=\"index.html\">") + open +
                        QStringLiteral("<span class=\"ja\">ホーム</span><span "
                                       "class=\"en\">HOME</span>") +
                        close + QStringLiteral("</li>")
                  : QStringLiteral(
                        "<li id=\"nav-home\"><a href=\"index.html\"><span "
                        "class=\"ja\">ホーム</span><span class=\"en\">HOME</span></a></li>"));
    lines << (lit(QStringLiteral("company.html"))
                  ? QStringLiteral("<li id=\"nav-company\"><!--<a href=\"company.html\">") + open +
                        QStringLiteral("<span class=\"ja\">会社概要</span><span "
                                       "class=\"en\">COMPANY</span>") +
                        close + QStringLiteral("</li>")
                  : QStringLiteral("<li id=\"nav-company\"><a href=\"company.html\"><span "
                                   "class=\"ja\">会社概要</span><span "
                                   "class=\"en\">COMPANY</span></a></li>"));
    lines << (lit(QStringLiteral("access.html"))
                  ? QStringLiteral("<li><!--<a href=\"access.html\" id=\"banner-access\">") + open +
                        QStringLiteral("アクセス") + close + QStringLiteral("</li>")
                  : QStringLiteral(
                        "<li><a href=\"access.html\" id=\"banner-access\">アクセス</a></li>"));
    lines << (lit(QStringLiteral("news.html"))
                  ? QStringLiteral("<li><!--<a href='news.html'>") + open +
                        QStringLiteral("お知らせ") + close +
                        QStringLiteral(" <a href=\"news.html#rss\" class=\"rss\">RSS</a></li>")
                  : QStringLiteral("<li><a href='news.html'>お知らせ</a> <a href=\"news.html#rss\" "
                                   "class=\"rss\">RSS</a></li>"));
    lines << (lit(QStringLiteral("contact.html"))
                  ? QStringLiteral("<li><a href=\"recruit.html\">採用</a> | <!--<a "
                                   "href=\"contact.html\">") +
                        open + QStringLiteral("お問い合わせ") + close + QStringLiteral("</li>")
                  : QStringLiteral("<li><a href=\"recruit.html\">採用</a> | <a "
                                   "href=\"contact.html\">お問い合わせ</a></li>"));
    lines << QStringLiteral("</ul>");
    return lines;
}

inline QString menuText(const QString& self = {})
{
    return menuLines(self).join(QStringLiteral("\r\n"));
}

// The page name with block where the menu stands (CR LF line breaks, as in memory).
inline QString pageText(const QString& name, const QString& block)
{
    QStringList lines{
        QStringLiteral("<!DOCTYPE html>"),
        QStringLiteral("<html lang=\"ja\">"),
        QStringLiteral(
            "<head><meta charset=\"utf-8\"><title>株式会社サンプル ① Ⅰ 髙</title></head>"),
        QStringLiteral("<body>"),
        QStringLiteral("<!-- ヘッダー -->"),
        QStringLiteral("<header><a href=\"index.html\"><img src=\"logo.png\" "
                       "alt=\"㈱サンプル\"></a></header>"),
        QStringLiteral("<p class=\"crumbs\"><a href=\"index.html\">ホーム</a> &gt; <span>") + name +
            QStringLiteral("</span></p>"),
        QStringLiteral("<p><a href=\"#top\">top</a> ") + name + QStringLiteral("</p>"),
        QStringLiteral("<!--<a href=\"old.html\">旧ページ</a>-->"),
        QStringLiteral("<!--MenuStart-->"),
        block,
        QStringLiteral("<!--MenuEnd-->"),
        QStringLiteral("<main><p>本文です。</p></main>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
        QString()};
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace quillet::fixtures::realsite
