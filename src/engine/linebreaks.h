#pragma once

#include <QString>

// Text widgets hold LF (or U+2029 between blocks); pages, the menu text and the project
// file use CR LF. These two functions are the only crossing between the two worlds (a menu
// file read by the command line crosses it too, to get the text the window's box would give).
namespace quillet {

// Widget text to CR LF text: every LF, U+2029 and U+2028 becomes one CR LF.
QString toCrLf(const QString& widgetText);

// CR LF text to widget text: every CR LF (and any lone CR) becomes one LF.
QString fromCrLf(const QString& crlfText);

} // namespace quillet
