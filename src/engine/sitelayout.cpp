#include "engine/sitelayout.h"

#include "engine/pathnames.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>

namespace quillet {

namespace {

QString commonFolder(const QStringList& pages)
{
    QString folder = GetFolderPath(pages.value(0));
    for (const QString& page : pages) {
        while (!folder.isEmpty() && !page.startsWith(folder))
            folder = GetFolderPath(folder.chopped(1));
    }
    return folder;
}

// The target without its query or fragment, "%xx" decoded.
QString targetPath(const QString& target)
{
    qsizetype cut = target.indexOf(u'?');
    if (const qsizetype hash = target.indexOf(u'#'); hash >= 0 && (cut < 0 || hash < cut))
        cut = hash;
    const QString path = cut < 0 ? target : target.left(cut);
    return QString::fromUtf8(QByteArray::fromPercentEncoding(path.trimmed().toUtf8()));
}

// Whether the target plainly ends in another file name than the page's: a menu's links are
// tried against every page of a run, and resolving each costs far more than this.
bool namesAnotherFile(const QString& target, const QString& page)
{
    QStringView path(target);
    for (const char16_t mark : {u'?', u'#'}) {
        if (const qsizetype cut = path.indexOf(mark); cut >= 0)
            path = path.left(cut);
    }
    path = path.trimmed();
    const QStringView name = path.mid(path.lastIndexOf(u'/') + 1);
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(u'%'))
        return false;
    return name != QStringView(page).mid(page.lastIndexOf(u'/') + 1);
}

bool hasScheme(const QString& path)
{
    const qsizetype colon = path.indexOf(u':');
    return colon > 0 && path.left(colon).indexOf(u'/') < 0;
}

} // namespace

SiteLayout::SiteLayout(const QStringList& pages)
    : m_folder(commonFolder(pages)), m_pages(pages.begin(), pages.end())
{}

QString SiteLayout::logName(const QString& path) const
{
    if (m_folder.isEmpty() || !path.startsWith(m_folder))
        return GetFileName(path);
    return path.mid(m_folder.size());
}

bool SiteLayout::linkNames(const QString& target, const QString& linkingPage,
                           const QString& page) const
{
    if (namesAnotherFile(target, page))
        return false;
    const QString resolved = resolve(target, linkingPage);
    if (resolved.isEmpty())
        return false;
    if (resolved.endsWith(u'/'))
        return indexPageOf(resolved) == page;
    return resolved == QDir::cleanPath(page);
}

// The absolute path the target leads to ("…/" for a folder), or empty when it leads out of
// the pages' file system (another scheme, a fragment alone).
QString SiteLayout::resolve(const QString& target, const QString& linkingPage) const
{
    const QString trimmed = target.trimmed();
    QString path = targetPath(trimmed);
    const bool web = trimmed.startsWith(u"//") ||
                     trimmed.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive) ||
                     trimmed.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive);
    if (web)
        path = QUrl(trimmed.startsWith(u"//") ? QStringLiteral("http:") + trimmed : trimmed)
                   .path(QUrl::FullyDecoded);
    else if (path.isEmpty() || hasScheme(path))
        return {};
    const bool folder = path.endsWith(u'/');
    const QString base = web || path.startsWith(u'/') ? m_folder : GetFolderPath(linkingPage);
    if (base.isEmpty())
        return {};
    const QString resolved = QDir::cleanPath(base + (path.startsWith(u'/') ? path.mid(1) : path));
    return folder ? resolved + u'/' : resolved;
}

QString SiteLayout::menuFor(const QString& menu, const QString& page) const
{
    static const QRegularExpression href(
        QStringLiteral(R"re((<a\s(?:[^>]*?\s)?href\s*=\s*)(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))re"),
        QRegularExpression::CaseInsensitiveOption);
    const qsizetype depth = logName(page).count(nativeSeparator);
    if (depth == 0 || m_folder.isEmpty() || !page.startsWith(m_folder))
        return menu;
    const QString up = QStringLiteral("../").repeated(depth);
    QString result;
    qsizetype done = 0;
    for (QRegularExpressionMatchIterator it = href.globalMatch(menu); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        int group = 2;
        while (!match.hasCaptured(group))
            ++group;
        const QString target = match.captured(group);
        if (target.isEmpty() || target.startsWith(u'/') || target.startsWith(u'#') ||
            hasScheme(target))
            continue;
        result += QStringView(menu).mid(done, match.capturedStart(group) - done) + up + target;
        done = match.capturedEnd(group);
    }
    return result + QStringView(menu).mid(done);
}

QString SiteLayout::indexPageOf(const QString& folder) const
{
    for (const char16_t* name : {u"index.html", u"index.htm", u"index.shtml"}) {
        const QString page = folder + QString::fromUtf16(name);
        if (m_pages.contains(page))
            return page;
    }
    return {};
}

} // namespace quillet
