#pragma once

#include "engine/highlight.h"
#include "engine/usermessage.h"

#include <QStringList>
#include <functional>
#include <optional>

// The conversion run (menu text to project tag in every page) and the restore run
// (project tag back to the menu text, own entry highlighted).
namespace quillet {

inline const QString logHeadLine = QStringLiteral("ログです");

struct RunSettings
{
    QString menuText;    // CR LF line breaks, used verbatim
    QString replacement; // the project tag
    QString linkColour;  // empty means the default colour
};

// Why a run may not start, or nothing when it may.
std::optional<UserMessage> checkRunSettings(const RunSettings& settings);

// What happened to one page.
struct PageOutcome
{
    QString logLine;
    QString text;        // the page text the run ends with (empty when unreadable)
    bool read = false;   // the page could be read
    bool failed = false; // the page could not be read or written
};

// The page transformations on the text of the page at path, without reading or writing.
struct ConvertedText
{
    bool converted = false;
    QString text; // the highlight-free text when not converted
};
ConvertedText convertPageText(const QString& text, const QString& path,
                              const RunSettings& settings);

enum class RestoreKind { Restored, LinkCorrected, NotRestored };
struct RestoredText
{
    RestoreKind kind = RestoreKind::NotRestored;
    QString text;
};
RestoredText restorePageText(const QString& text, const QString& path,
                             const RunSettings& settings);

PageOutcome ConvertFile(const QString& path, const RunSettings& settings);
PageOutcome RestoreFile(const QString& path, const RunSettings& settings);

using RunProgress = std::function<void(qsizetype done, qsizetype total)>;

struct RunResult
{
    std::optional<UserMessage> refusal; // set when the run did not start
    QStringList log;                    // starts with the head line
    QString lastPageText;               // the text of the last page read
    bool pageFailed = false;            // a page could not be read or written
};

RunResult runConversion(const QStringList& paths, const RunSettings& settings,
                        const RunProgress& progress = {});
RunResult runRestore(const QStringList& paths, const RunSettings& settings,
                     const RunProgress& progress = {});

// Log lines shared by every command that reads or writes pages.
QString unreadableLogLine(const QString& path);
QString unwritableLogLine(const QString& path);

} // namespace quillet
