#pragma once

#include <QString>

namespace quillet {

inline const QString menuStartMarker = QStringLiteral("<!--MenuStart-->");
inline const QString menuEndMarker = QStringLiteral("<!--MenuEnd-->");

// The text between the first start marker and the first end marker, without its
// trailing blanks; empty when a marker is missing or the end comes before the start.
QString GetMenuBlock(const QString& pageText);

} // namespace quillet
