#pragma once

#include "engine/runs.h"

#include <QStringList>

// Whether a page is in step with its project: which of the forms a run leaves it holds.
namespace quillet {

enum class PageState {
    Converted,  // holds the project tag
    Restored,   // holds the menu text with its own entry highlighted
    Unmarked,   // holds the menu text with its own entry plain
    Drifted,    // holds a copy of the menu that differs from it (what aligning replaces)
    None,       // none of these
    Unreadable, // could not be read
};

struct PageCheck
{
    PageState state = PageState::None;
    QStringList drift;       // Drifted: the diff hunks from the menu text to the page's copy
    QString error;           // Unreadable: the system's description
    qsizetype firstLine = 0; // Drifted: the 1-based lines of the copy; 0 when the page holds
    qsizetype lastLine = 0;  // two or more copies (aligning leaves such a page alone)
};

PageCheck checkPageText(const QString& text, const QString& path, const RunSettings& settings);
PageCheck checkPage(const QString& path, const RunSettings& settings);

// "converted", "restored", "unmarked", "drifted", "none" or "unreadable".
QString pageStateName(PageState state);

} // namespace quillet
