#pragma once

#include "engine/runs.h"

// Aligning drifted menus: each listed page that holds a copy of the menu differing from it
// (a stray space, an indent, an older entry) gets the menu in its place, its own entry
// highlighted, as a restore writes it.
namespace quillet {

enum class AlignKind {
    Aligned,   // the copy replaced by the menu
    InLine,    // the page holds the menu already
    Converted, // the page holds the project tag: left to the restore run
    NoCopy,    // no part of the page is a copy of the menu
    TwoCopies, // two or more parts look like copies: which one is meant is unclear
};

struct AlignedText
{
    AlignKind kind = AlignKind::NoCopy;
    QString text; // the new text when aligned
};

AlignedText alignPageText(const QString& text, const QString& path, const RunSettings& settings);

PageOutcome AlignFile(const QString& path, const PageRead& read, const RunSettings& settings);

RunResult runAlignment(const QStringList& paths, const RunSettings& settings, PageWriter& pages,
                       const RunProgress& progress = {}, const RunStop& stop = {});

} // namespace quillet
