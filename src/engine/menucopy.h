#pragma once

#include <QString>
#include <optional>

// A page's own copy of the menu that has drifted from it (a stray space, an indent, an older
// entry): the part of the page that aligning the menus replaces.
namespace quillet {

struct MenuCopy
{
    qsizetype start = 0; // 0-based range in the text searched
    qsizetype end = 0;
    qsizetype firstLine = 0; // 1-based line numbers of its first and last lines
    qsizetype lastLine = 0;
};

struct MenuCopySearch
{
    std::optional<MenuCopy> copy;
    bool ambiguous = false; // two or more parts of the page look like the menu
};

// In a text cleaned of the highlight: the text between "<!--MenuStart-->" and
// "<!--MenuEnd-->" when each stands once, in that order, without its surrounding blanks (its
// first line whole); otherwise the one block of whole lines that starts and ends with menu
// lines and shares at least 60 % of its non-blank lines with the menu and the menu with it,
// lines compared trimmed, "<A" read as "<a".
MenuCopySearch findMenuCopy(const QString& cleanedText, const QString& menuText);

} // namespace quillet
