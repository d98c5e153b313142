#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// The highlight colour as the runs write it: "#" and six upper-case hexadecimal digits.
namespace quillet {

// The colour dialog's value (red in the lowest byte, then green, then blue) as "#RRGGBB".
QString linkColourFromDialogValue(quint32 value);

// A colour typed by the user: "#" and six hexadecimal digits in either case, returned
// upper-cased; nothing for any other text.
std::optional<QString> parseLinkColour(const QString& text);

} // namespace quillet
