#pragma once

#include "engine/pagefile.h"
#include "engine/pagewriter.h"
#include "engine/usermessage.h"
#include "project/storedialogs.h"

#include <QString>
#include <QStringList>
#include <optional>

// The project file "mprj.xml" and the project commands on it. The store holds the project
// text in memory; only LoadProjectList reads the file, and a save or deletion writes the whole
// text atomically. A file that exists but cannot be read is never overwritten.
namespace quillet {

// What the window shows after LoadProjectList.
struct ProjectList
{
    QStringList names;                  // file order; empty: keep the window's list as it is
    std::optional<QString> currentName; // set the current name to this when present
    bool readFailed = false;            // the file exists but could not be read (message shown)
};

// What the window shows after LoadFileList.
struct FileListLoad
{
    QStringList files;                   // in the file list's sorted order (sortFileList)
    std::optional<QString> searchFolder; // the site folder of the entries; absent: keep the old one
};

// The window's inputs to a save, read at the moment of the save.
struct SaveRequest
{
    QString name;              // the current name, exactly as entered
    QStringList files;         // the file list in list order
    QString menuText;          // the text of the menu text box
    bool isConverting = false; // the conversion run saves: no overwrite question
    QString linkColour;        // "#RRGGBB", or empty for the default colour
    bool dryRun = false;       // all but writing the project file
};

struct SaveOutcome
{
    enum class Result {
        Saved,       // the project text was written
        NoFiles,     // refused: the file list is empty (message shown)
        Declined,    // the overwrite question was not answered Yes
        Refused,     // the project file is unreadable or malformed (message shown)
        WriteFailed, // "mprj.xml" could not be written and is unchanged (message shown)
    };
    Result result = Result::Refused;
    std::optional<QString> menuText; // the cleaned menu text for the menu text box, when set
    QStringList log;                 // lines to append to the log list
    bool pageFailed = false;         // a listed page could not be read or written

    // Pages changed while the project file does not hold their menu could not be converted
    // or restored again from it, so the run after the save must not start.
    bool stopsTheRun() const { return result == Result::WriteFailed || result == Result::Refused; }
};

struct EditOutcome
{
    enum class Result { Written, Refused, WriteFailed };
    Result result = Result::Refused;
};

struct DeleteOutcome
{
    enum class Result { Deleted, NotFound, Refused, WriteFailed };
    Result result = Result::Refused;
};

class ProjectStore
{
public:
    // The store of the project file at filePath; nothing is read yet.
    explicit ProjectStore(QString filePath);

    // The project file in use (shown by the version window).
    const QString& filePath() const { return m_filePath; }

    // The project text in memory.
    const QString& text() const { return m_text; }

    // The encoding and line ends the project file is written in.
    const PageFormat& format() const { return m_format; }

    // Reads the project file into the project text and gives the names and the current name
    // (the last project, else the first). A missing file changes nothing. A file that cannot
    // be read shows a message, keeps the text as it was and blocks saves and deletions until a
    // later load, save or deletion manages to read it.
    ProjectList LoadProjectList(StoreDialogs& dialogs);

    // The project names in file order.
    QStringList GetProjectNames() const;

    // Position of the project's key line in the project text, or 0 when absent.
    qsizetype FindProjectKey(const QString& name) const;

    // The name recorded as the last project, or empty.
    QString GetLastProject() const;

    // The project's file list (empty when the project or its files element is missing).
    FileListLoad LoadFileList(const QString& name) const;

    // The project's stored menu text, or nothing when the project or its element is missing
    // (the menu text box then keeps its text).
    std::optional<QString> LoadMenuText(const QString& name) const;

    // Stores the window's project (asking before an existing one is overwritten unless
    // converting), records it as the last project, writes the project file, then highlights
    // the plain self-link of every listed page (through pages) and logs each corrected page.
    SaveOutcome SaveProject(const SaveRequest& request, StoreDialogs& dialogs, PageWriter& pages);

    // Stores the project's file list and its menu text (escaped, as PrepareMenuText gives it),
    // each only when given, creating the project when it is missing. Unlike a save it asks
    // nothing, touches no page and keeps the last project; other projects keep their bytes.
    EditOutcome StoreProject(const QString& name, const std::optional<QStringList>& files,
                             const std::optional<QString>& escapedMenu, StoreDialogs& dialogs);

    // Removes the project from the project text and writes the file. The caller asks first
    // (deleteQuestion) and reloads the list after Deleted.
    DeleteOutcome DeleteProject(const QString& name, StoreDialogs& dialogs);

private:
    // Reads the file into the project text; false, with the message shown, when it exists
    // but cannot be read. A missing file keeps the text.
    bool readProjectFile(StoreDialogs& dialogs);

    // Reads the file first when the text does not reflect it yet.
    bool ensureLoaded(StoreDialogs& dialogs);

    // Writes text over the file and makes it the project text; on failure the message is
    // shown and both stay as they were.
    bool writeProjectText(const QString& text, StoreDialogs& dialogs);

    // Whether writeProjectText could write the text, with its message shown when not; a dry
    // run's stand-in for the write.
    bool canWriteProjectText(const QString& text, StoreDialogs& dialogs) const;

    QString m_filePath;
    QString m_text;
    PageFormat m_format;   // the form the file was read in; a new file gets the defaults
    bool m_loaded = false; // the text reflects the file (or the file is missing)
};

} // namespace quillet
