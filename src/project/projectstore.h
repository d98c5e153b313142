#pragma once

#include "engine/pagefile.h"
#include "engine/pagewriter.h"
#include "engine/selflinkcorrection.h"
#include "engine/usermessage.h"
#include "project/projectfile.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The project file "mprj.xml" and the project commands on it. The store keeps the text it last
// read for the names and the loaded projects; every change reads the file again under its lock,
// changes only its own project and replaces the file atomically. The store shows and asks
// nothing: each operation returns what it did, the question it needs answered, or the messages
// for the caller to show.
namespace quillet {

// What the window shows after LoadProjectList.
struct ProjectList
{
    QStringList names;                  // file order; empty: keep the window's list as it is
    std::optional<QString> currentName; // set the current name to this when present
    bool readFailed = false;            // the file exists but could not be read
    QList<UserMessage> messages;        // to show: why it could not be read
};

// What the window shows after LoadFileList.
struct FileListLoad
{
    QStringList files;                   // in the file list's sorted order (sortFileList)
    std::optional<QString> searchFolder; // the site folder of the entries; absent: keep the old one
};

// The caller's answer to the overwrite question of a save.
enum class OverwriteAnswer { NotAsked, Yes, No };

// The window's inputs to a save, read at the moment of the save.
struct SaveRequest
{
    QString name;              // the current name, exactly as entered
    QStringList files;         // the file list in list order
    QString menuText;          // the text of the menu text box
    bool isConverting = false; // the conversion run saves: no overwrite question
    QString linkColour;        // "#RRGGBB", or empty for the default colour
    bool dryRun = false;       // all but writing the project file
    OverwriteAnswer overwrite = OverwriteAnswer::NotAsked;
    bool linksFromSiteFolder = false; // the menu's links are written from the site folder
    // The run that follows the save corrects the self-links as it reads each page, so that no
    // page is read twice; the save only says how (SaveOutcome::selfLinks).
    bool linksCorrectedByRun = false;
};

struct SaveOutcome
{
    enum class Result {
        Saved,       // the project text was written
        NeedsAnswer, // ask question, then save again with the answer
        NoFiles,     // refused: the file list is empty
        Declined,    // the overwrite question was not answered Yes
        Refused,     // the project file is unreadable, malformed or locked
        WriteFailed, // "mprj.xml" could not be written and is unchanged
    };
    Result result = Result::Refused;
    std::optional<UserMessage> question; // with NeedsAnswer: the overwrite question
    QList<UserMessage> messages;         // to show, in order
    std::optional<QString> menuText;     // the cleaned menu text for the menu text box, when set
    QStringList log;                     // lines to append to the log list
    bool pageFailed = false;             // a listed page could not be read or written
    // Saved with linksCorrectedByRun: the corrections the run makes for the save.
    std::optional<SelfLinkCorrection> selfLinks;

    // Pages changed while the project file does not hold their menu could not be converted
    // or restored again from it, so the run after the save must not start.
    bool stopsTheRun() const { return result != Result::Saved && result != Result::NoFiles; }
};

struct EditOutcome
{
    enum class Result {
        Written,
        Changed, // the project changed on disk since it was loaded: load and edit it again
        Refused,
        WriteFailed,
    };
    Result result = Result::Refused;
    QList<UserMessage> messages; // to show
};

struct DeleteOutcome
{
    enum class Result { Deleted, NotFound, Refused, WriteFailed };
    Result result = Result::Refused;
    QList<UserMessage> messages; // to show
};

class ProjectStore
{
public:
    // The store of the project file at filePath; nothing is read yet.
    explicit ProjectStore(QString filePath);

    // The project file in use (shown by the version window).
    const QString& filePath() const { return m_filePath; }

    // The project text last read or written.
    const QString& text() const { return m_text; }

    // The encoding and line ends the project file is written in.
    const PageFormat& format() const { return m_format; }

    // Reads the project file into the project text and gives the names and the current name
    // (the last project, else the first). A missing file changes nothing. A file that cannot
    // be read keeps the text as it was.
    ProjectList LoadProjectList();

    // The project names in file order.
    QStringList GetProjectNames() const;

    // Position of the project's key line in the project text, or 0 when absent.
    qsizetype FindProjectKey(const QString& name) const;

    // The name recorded as the last project, or empty.
    QString GetLastProject() const;

    // The project's file list (empty when the project or its files element is missing). The
    // project as it is now counts as loaded: a later change of it on disk is noticed.
    FileListLoad LoadFileList(const QString& name);

    // The project's stored menu text, or nothing when the project or its element is missing
    // (the menu text box then keeps its text).
    std::optional<QString> LoadMenuText(const QString& name) const;

    // Stores the window's project, records it as the last project, writes the project file,
    // then highlights the plain self-link of every listed page (through pages) and logs each
    // corrected page. An existing project needs the overwrite answer unless converting; one
    // changed on disk since it was loaded needs it always.
    SaveOutcome SaveProject(const SaveRequest& request, PageWriter& pages);

    // Whether the project's menu links are written from the site folder.
    bool LinksFromSiteFolder(const QString& name) const;

    // Marks the project's menu links as written from the site folder, or takes the mark off.
    EditOutcome StoreLinksFromSiteFolder(const QString& name, bool fromSiteFolder);

    // Stores the project's file list and its menu text (escaped, as PrepareMenuText gives it),
    // each only when given, creating the project when it is missing. Unlike a save it touches
    // no page and keeps the last project; other projects keep their bytes.
    EditOutcome StoreProject(const QString& name, const std::optional<QStringList>& files,
                             const std::optional<QString>& escapedMenu);

    // Removes the project from the project file. The caller asks first (deleteQuestion) and
    // reloads the list after Deleted.
    DeleteOutcome DeleteProject(const QString& name);

private:
    // Takes the lock, when given, and reads the file as it is now into the project text; the
    // message to show when that fails.
    std::optional<UserMessage> lockAndRead(ProjectFileLock* lock);

    // Writes text over the file and makes it the project text, with name's project counted
    // as loaded; the message to show on failure, both then staying as they were.
    std::optional<UserMessage> writeProjectText(const QString& text, const QString& name);

    // Under the lock, the file read again: the project edited as the caller loaded it, or
    // Changed when another program changed it since; edit gives nothing for a malformed text.
    EditOutcome editProject(const QString& name,
                            const std::function<std::optional<QString>(const QString&)>& edit);

    // The project as it was when the caller loaded it, else as the store last read it.
    std::optional<QByteArray> loadedProject(const QString& name) const;

    QString m_filePath;
    QString m_text;
    PageFormat m_format; // the form the file was read in; a new file gets the defaults
    QHash<QString, std::optional<QByteArray>> m_loaded; // digests of the projects as loaded
};

} // namespace quillet
