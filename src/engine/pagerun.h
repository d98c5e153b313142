#pragma once

#include "engine/pagefile.h"
#include "engine/pagewriter.h"
#include "engine/usermessage.h"

#include <QStringList>
#include <functional>
#include <optional>

// What every command that rewrites the listed pages one by one shares: the outcome of one
// page, the walk over the list, and the log lines of pages that fail.
namespace quillet {

struct PageOutcome
{
    QString name; // the page as the log names it
    QString logLine;
    QString text;          // the page text the command ends with (empty when unreadable)
    bool read = false;     // the page could be read
    bool failed = false;   // the page could not be read or written
    bool replaces = false; // text replaces the page (written by the run, not by the step)
    std::optional<QString> unwrittenText; // the text instead, should the write fail
    qsizetype batchSlot = -1;             // the write waits for the batch's flush

    // The line of a save whose work on the page the run did (RunResult::savedLog).
    struct SavedLine
    {
        QString line;
        bool failed = false;
        qsizetype batchSlot = -1; // the write it reports waits for the batch's flush
        // The save's text for the page, written alone where the step replaces nothing.
        std::optional<QString> text;
    };
    std::optional<SavedLine> saved;
};

using RunProgress = std::function<void(qsizetype done, qsizetype total)>;
// Asked between batches, once every page of the last one is in place: true stops the run
// there, the pages written staying written.
using RunStop = std::function<bool()>;

struct RunResult
{
    std::optional<UserMessage> refusal; // set when the run did not start
    QStringList log;                    // one line per page, after any head line
    QString lastPageText;               // the text of the last page read
    bool pageFailed = false;            // a page could not be read or written
    qsizetype failedPages = 0;          // how many could not be read or written
    bool stopped = false;               // stopped between batches before the last page
    QStringList savedLog; // the lines of the save before the run, for the pages it did
};

// What a run does to one page as read: it decides and writes nothing, and may be called on
// any thread, several pages at once.
using PageDecision = std::function<PageOutcome(const QString& path, const PageRead& read)>;

// Reads every path and decides on it in list order, some pages ahead on other threads where
// pages allow it; writes the replacements through pages in batches, and appends each page's
// log line to result once its batch is durable. A stop ends the log with a line that says how
// far the run came.
void runPageSteps(const QStringList& paths, const PageDecision& decide, PageWriter& pages,
                  const RunProgress& progress, RunResult& result, const RunStop& stop = {});

QString stoppedLogLine(qsizetype total, qsizetype done);

// The outcome of a page that could not be read.
PageOutcome unreadablePage(const QString& name);

// The outcome of a page read, ending with text, logged with logLine unless a write fails.
PageOutcome pageOutcome(const QString& name, const QString& message, const QString& text);
// The same for a page that text replaces.
PageOutcome replacingOutcome(const QString& name, const QString& message, const QString& text);

QString unreadableLogLine(const QString& name);
// Why the page was left, with the system's reason when it refused the write.
QString unwritableLogLine(const QString& name, const PageWrite& written);

} // namespace quillet
