#pragma once

#include <QString>
#include <optional>

// Page editors write links as "<A" and "</A>". Wherever a page is compared with the menu,
// those count as "<a" and "</a"; every other character is compared exactly.
namespace quillet {

// "<A" and "</A" lowered to "<a" and "</a"; the length and every position stay the same.
QString applyAnchorCaseRule(const QString& text);

// 0-based position of the first copy of s in text at or after from, under the rule above;
// -1 when there is none.
qsizetype indexIgnoringAnchorCase(const QString& text, const QString& s, qsizetype from = 0);

// Every copy of s in text (under the rule above) replaced by r, or nothing when text holds
// no copy. The rest of the text keeps its letters.
std::optional<QString> replaceIgnoringAnchorCase(const QString& text, const QString& s,
                                                 const QString& r);

} // namespace quillet
