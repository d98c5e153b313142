#pragma once

#include <QString>

namespace quillet::cli {

// A menu text as the window's menu text box holds it once set: every line break (CR LF, a
// lone CR or LF, a Unicode line or paragraph separator) one CR LF, and the anchor case rule
// applied. A menu file with mixed line ends thus gives the menu the window would give.
QString asMenuText(const QString& text);

} // namespace quillet::cli
