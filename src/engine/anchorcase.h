#pragma once

#include <QString>

namespace quillet {

// "<A" and "</A" lowered to "<a" and "</a": the engine only knows lower-case links.
QString applyAnchorCaseRule(const QString& text);

} // namespace quillet
