#include "filelist/listedpages.h"

#include "engine/menublock.h"
#include "engine/pagefile.h"
#include "engine/pathnames.h"
#include "filelist/projectname.h"

namespace quillet {

ListedPages::ListedPages(QStringList paths, RunProgress progress)
    : m_paths(std::move(paths)), m_pages(m_paths.size()), m_progress(std::move(progress))
{}

const ListedPage& ListedPages::at(qsizetype i)
{
    ListedPage& page = m_pages[i];
    if (page.read)
        return page;
    page.read = true;
    const PageRead read = readPage(m_paths[i]);
    page.readable = read.ok;
    if (read.ok) {
        page.projectName = readProjectName(read.page.text);
        page.menuBlock = GetMenuBlock(read.page.text);
    } else {
        m_unreadableLog.append(unreadableLogLine(GetFileName(m_paths[i])));
    }
    ++m_readCount;
    if (m_progress)
        m_progress(m_readCount, size());
    return page;
}

} // namespace quillet
