#pragma once

#include "engine/pagerun.h"

#include <QList>
#include <QStringList>
#include <optional>

// The listed pages as the drop check sees them. Each page is read at most once per
// command, however many of the check's steps ask about it; only what the steps need is
// kept, not the page text.
namespace quillet {

struct ListedPage
{
    bool read = false;                  // the page has been asked for
    bool readable = false;              // and could be read
    std::optional<QString> projectName; // readProjectName of its text
    QString menuBlock;                  // GetMenuBlock of its text
};

class ListedPages
{
public:
    // progress is told pages read of pages listed.
    explicit ListedPages(QStringList paths, RunProgress progress = {});

    qsizetype size() const { return m_paths.size(); }
    const QString& path(qsizetype i) const { return m_paths[i]; }

    // The page at i, read on the first request.
    const ListedPage& at(qsizetype i);

    // One log line for each page found unreadable so far, in list order of finding.
    QStringList unreadableLog() const { return m_unreadableLog; }

private:
    QStringList m_paths;
    QList<ListedPage> m_pages;
    RunProgress m_progress;
    qsizetype m_readCount = 0;
    QStringList m_unreadableLog;
};

} // namespace quillet
