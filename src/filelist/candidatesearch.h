#pragma once

#include "engine/pagerun.h"
#include "engine/usermessage.h"

#include <QStringList>
#include <functional>
#include <optional>

// The pages of a folder and its sub-folders, the one rule for taking in a folder (a drop, the
// add dialog, quillet-cli add, the candidate searches), and the candidate searches: those of
// the pages that belong to the project, before or after conversion. Pages are only read.
namespace quillet {

// Where the candidate searches look for the listed pages: their site folder, or nothing when
// that is the file system's root (pages of unrelated folders; the whole disk is no site).
QString searchFolderOf(const QStringList& listed);

// A page's name ends in ".htm", ".html" or ".shtml" in any letter case.
bool passesNameTest(const QString& path);

struct FolderListing
{
    std::optional<UserMessage> error; // the folder cannot be listed
    QStringList candidates;           // folder + separator + relative path, sorted by path
};

// The regular files in the folder and its sub-folders that pass the name test, each path built
// with the names exactly as the folders hold them. Hidden files and folders are left out, and
// no link is followed: a link inside a site may lead to any file outside it. The folder may
// end with a separator or not; a sub-folder that cannot be listed is passed over.
FolderListing listCandidates(const QString& folder);

// A page's text, which the test may clean, and whether it makes the page a candidate.
using CandidateTest = std::function<bool(QString& pageText)>;

// Pages whose cleaned text holds the cleaned menu text: what the conversion would convert.
// An empty menu text makes every non-empty page a candidate.
CandidateTest beforeConversionTest(const QString& cleanedMenuText);

// Pages holding the project tag: pages in converted form.
CandidateTest afterConversionTest(const QString& projectTag);

struct CandidateSearch
{
    std::optional<UserMessage> error; // a page could not be read; the search stopped there
    QString lastPageText;             // the last page examined, as the test left it
    qsizetype examined = 0;           // pages read and tested
};

// Reads the candidates in order, each once, and reports each that passes the test to
// found. progress is told pages read of candidates listed.
CandidateSearch examineCandidates(const QStringList& candidates, const CandidateTest& test,
                                  const std::function<void(const QString&)>& found,
                                  const RunProgress& progress = {});

// A failure of a search: the system's description under the title "エラー".
UserMessage searchErrorMessage(const QString& description);

// The before-conversion search has no folder yet: none loaded and not one listed page.
UserMessage noSearchFolderMessage();

} // namespace quillet
