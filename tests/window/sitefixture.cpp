#include "sitefixture.h"

#include "common/testfiles.h"
#include "engine/pagefile.h"

#include <QFile>

namespace sitefixture {

namespace {

const QString crlf = QStringLiteral("\r\n");

QString escaped(QString menu)
{
    return menu.replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
}

} // namespace

QString projectFileText(const QList<Project>& projects, const QString& lastProject)
{
    QStringList lines;
    for (const Project& p : projects)
        lines << quillet::fixtures::projectLines(p.name, p.files, escaped(p.menuText));
    return quillet::fixtures::projectText(lastProject, lines);
}

QString pageText(const QString& title, const QString& menu)
{
    QString body;
    if (!menu.isEmpty())
        body = QStringLiteral("<!--MenuStart-->") + crlf + menu + crlf +
               QStringLiteral("<!--MenuEnd-->") + crlf;
    return QStringLiteral("<html>") + crlf + QStringLiteral("<head><title>") + title +
           QStringLiteral("</title></head>") + crlf + QStringLiteral("<body>") + crlf + body +
           QStringLiteral("<p>") + title + QStringLiteral("のページです。</p>") + crlf +
           QStringLiteral("</body>") + crlf + QStringLiteral("</html>") + crlf;
}

QString siteMenu()
{
    return QStringLiteral("<ul>\r\n"
                          "<li><a href=\"a.html\">トップ</a></li>\r\n"
                          "<li><a href=\"b.html\">案内</a></li>\r\n"
                          "<li><a href=\"c.html\">地図</a></li>\r\n"
                          "</ul>");
}

void writeText(const QString& path, const QString& text)
{
    if (!quillet::writePage(path, text, quillet::PageFormat{}).ok)
        qFatal("cannot write fixture %s", qPrintable(path));
}

QString readText(const QString& path)
{
    const quillet::PageRead read = quillet::readPage(path);
    return read.ok ? read.page.text : QString();
}

} // namespace sitefixture
