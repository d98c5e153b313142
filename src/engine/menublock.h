#pragma once

#include <QCoreApplication>
#include <QString>

namespace quillet {

inline const QString menuStartMarker = QStringLiteral("<!--MenuStart-->");
inline const QString menuEndMarker = QStringLiteral("<!--MenuEnd-->");

// The text between the first start marker and the first end marker, without its
// trailing blanks; empty when a marker is missing or the end comes before the start.
QString GetMenuBlock(const QString& pageText);

// Whether a menu block is only a project tag: the page is converted, and taking the tag for a
// menu would make the next conversion tag every page again.
bool isProjectTagOnly(const QString& block);

// Said when the pages offer no menu, only project tags where the menu stands.
inline QString onlyProjectTagsLine()
{
    return QCoreApplication::translate(
        "MenuBlock",
        "メニューの位置にはプロジェクトのタグしかないので、メニューは取りませんでした。");
}

} // namespace quillet
