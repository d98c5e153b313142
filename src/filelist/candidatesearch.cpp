#include "filelist/candidatesearch.h"

#include "engine/anchorcase.h"
#include "engine/pagefile.h"
#include "engine/pathnames.h"
#include "engine/sitelayout.h"
#include "engine/textops.h"
#include "engine/unhighlight.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>

#include <cerrno>
#include <dirent.h>

namespace quillet {

namespace {

QString errorTitle()
{
    return QCoreApplication::translate("CandidateSearch", "エラー");
}

// The system's description of why the folder cannot be listed, or empty when it can.
QString folderOpenError(const QString& folder)
{
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return qt_error_string(errno);
    ::closedir(dir);
    return {};
}

QString withoutTrailingSeparator(QString folder)
{
    if (folder.size() > 1 && folder.endsWith(nativeSeparator))
        folder.chop(1);
    return folder;
}

// Without QDir::Hidden and QDir::System: no hidden files or folders, no devices, sockets or
// pipes; with QDir::NoSymLinks no link to a file or a folder.
void addPagesIn(const QString& folder, QStringList& pages)
{
    const QString prefix = folder.endsWith(nativeSeparator) ? folder : folder + nativeSeparator;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::NoSymLinks)) {
        if (passesNameTest(name))
            pages.append(prefix + name);
    }
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks))
        addPagesIn(prefix + name, pages);
}

} // namespace

QString searchFolderOf(const QStringList& listed)
{
    const QString folder = SiteLayout(listed).folder();
    return QDir(folder).isRoot() ? QString() : folder;
}

bool passesNameTest(const QString& path)
{
    for (const char* ending : {".htm", ".html", ".shtml"}) {
        if (path.endsWith(QLatin1String(ending), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

FolderListing listCandidates(const QString& folder)
{
    FolderListing listing;
    if (folder.isEmpty()) {
        listing.error = noSearchFolderMessage();
        return listing;
    }
    if (const QString error = folderOpenError(folder); !error.isEmpty()) {
        listing.error = searchErrorMessage(error);
        return listing;
    }
    addPagesIn(withoutTrailingSeparator(folder), listing.candidates);
    std::sort(listing.candidates.begin(), listing.candidates.end());
    return listing;
}

CandidateTest beforeConversionTest(const QString& cleanedMenuText)
{
    return [cleanedMenuText](QString& pageText) {
        pageText = CleanHighlight(pageText);
        return !pageText.isEmpty() && indexIgnoringAnchorCase(pageText, cleanedMenuText) >= 0;
    };
}

CandidateTest afterConversionTest(const QString& projectTag)
{
    return [projectTag](QString& pageText) {
        return find(pageText, projectTag, 1) != 0;
    };
}

CandidateSearch examineCandidates(const QStringList& candidates, const CandidateTest& test,
                                  const std::function<void(const QString&)>& found,
                                  const RunProgress& progress)
{
    CandidateSearch search;
    const qsizetype total = candidates.size();
    for (qsizetype i = 0; i < total; ++i) {
        PageRead read = readPage(candidates[i]);
        if (!read.ok) {
            search.error =
                searchErrorMessage(GetFileName(candidates[i]) + QStringLiteral(": ") + read.error);
            return search;
        }
        if (test(read.page.text))
            found(candidates[i]);
        search.lastPageText = std::move(read.page.text);
        ++search.examined;
        if (progress)
            progress(i + 1, total);
    }
    return search;
}

UserMessage searchErrorMessage(const QString& description)
{
    return {errorTitle(), description};
}

UserMessage noSearchFolderMessage()
{
    return {errorTitle(),
            QCoreApplication::translate(
                "CandidateSearch", "候補を探すフォルダがまだ分かりません。プロジェクトを選ぶか、"
                                   "ファイルを一つだけリストに入れてから探して下さい。")};
}

} // namespace quillet
