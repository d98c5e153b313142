#pragma once

#include "engine/highlight.h"
#include "engine/pagerun.h"
#include "engine/selflinkcorrection.h"
#include "engine/sitelayout.h"
#include "engine/usermessage.h"

#include <QCoreApplication>
#include <QStringList>
#include <memory>
#include <optional>

// The conversion run (menu text to project tag in every page) and the restore run
// (project tag back to the menu text, own entry highlighted).
namespace quillet {

inline QString logHeadLine()
{
    return QCoreApplication::translate("Runs", "ログです");
}

// The project tag that stands in a converted page where the menu was.
QString projectTag(const QString& projectName);

struct RunSettings
{
    RunSettings(QString menu = {}, QString tag = {}, QString colour = {},
                std::shared_ptr<const SiteLayout> layout = {})
        : menuText(std::move(menu)), replacement(std::move(tag)), linkColour(std::move(colour)),
          site(std::move(layout))
    {}

    QString menuText;    // CR LF line breaks, used verbatim
    QString replacement; // the project tag
    QString linkColour;  // empty means the default colour
    // The listed pages; none: a run takes its own list, a single page stands alone.
    std::shared_ptr<const SiteLayout> site;

    // The menu's relative links are written from the site folder: each page gets them led
    // back up from its own folder.
    bool linksFromSiteFolder = false;

    // The self-link corrections of the save before the run, made on the run's own reading of
    // each page (SaveRequest::linksCorrectedByRun).
    std::optional<SelfLinkCorrection> savedLinks;

    // The layout a page is seen in.
    SiteLayout siteFor(const QString& path) const;
    // The settings as the page at path sees them: its own menu when the links are rebased.
    RunSettings forPage(const QString& path) const;
};

// Why a run may not start, or nothing when it may.
std::optional<UserMessage> checkRunSettings(const RunSettings& settings);

// The page transformations on the text of the page at path, without reading or writing.
// A converted page is written from its text cleaned of every highlight.
struct ConvertedText
{
    bool converted = false;
    QString text; // the highlight-free text when not converted
};
ConvertedText convertPageText(const QString& text, const RunSettings& settings);

// The own entry is highlighted only when it is a plain link, so no line is highlighted twice.
enum class RestoreKind { Restored, LinkCorrected, NotRestored };
struct RestoredText
{
    RestoreKind kind = RestoreKind::NotRestored;
    QString text;
};
RestoredText restorePageText(const QString& text, const QString& path, const RunSettings& settings);

// What each page, as read, becomes; the run writes it.
PageOutcome ConvertFile(const QString& path, const PageRead& read, const RunSettings& settings);
PageOutcome RestoreFile(const QString& path, const PageRead& read, const RunSettings& settings);

// A run of step over every page, each read once, once the settings allow it, its log after
// the head line; with settings.savedLinks, the save's lines for the pages before it.
using PageStep = PageOutcome (*)(const QString&, const PageRead&, const RunSettings&);
RunResult runOverPages(const QStringList& paths, const RunSettings& settings, PageWriter& pages,
                       const RunProgress& progress, PageStep step, const RunStop& stop = {});

RunResult runConversion(const QStringList& paths, const RunSettings& settings, PageWriter& pages,
                        const RunProgress& progress = {}, const RunStop& stop = {});
RunResult runRestore(const QStringList& paths, const RunSettings& settings, PageWriter& pages,
                     const RunProgress& progress = {}, const RunStop& stop = {});

// The run's log with lines written before it (the save's) put right after the head line.
void insertAfterHeadLine(RunResult& result, const QStringList& lines);

} // namespace quillet
