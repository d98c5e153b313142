#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Where a project's pages stand: the site folder (the deepest folder holding every listed
// page) and the pages themselves, so that links and log lines can name a page by its place
// in the site rather than by its bare name (index.html stands in many folders).
namespace quillet {

class SiteLayout
{
public:
    SiteLayout() = default;
    explicit SiteLayout(const QStringList& pages);

    // With its trailing separator; empty when no page is listed.
    const QString& folder() const { return m_folder; }

    // The page's path from the site folder ("ud/index.htm"); a page directly in it, or one
    // outside it, by its bare name.
    QString logName(const QString& path) const;

    // Whether a link's target, written in the page linkingPage, names page: relative targets
    // from linkingPage's folder, "/…" and "http(s)://host/…" from the site folder, "?…" and
    // "#…" left out, "%xx" decoded, and a folder ("…/") naming its listed index page.
    bool linkNames(const QString& target, const QString& linkingPage, const QString& page) const;

    // The menu, whose relative link targets are written from the site folder, as it stands in
    // page: each such target led back up from the page's folder ("about.html" becomes
    // "../about.html" one folder down). Targets starting with "/", "#", "//" or a scheme stay.
    QString menuFor(const QString& menu, const QString& page) const;

private:
    QString resolve(const QString& target, const QString& linkingPage) const;
    QString indexPageOf(const QString& folder) const;

    QString m_folder;
    QSet<QString> m_pages;
};

} // namespace quillet
