#include "engine/anchorcase.h"

#include "engine/textops.h"

namespace quillet {

QString applyAnchorCaseRule(const QString& text)
{
    const QString opening = replaceAll(text, QStringLiteral("<A"), QStringLiteral("<a"));
    return replaceAll(opening, QStringLiteral("</A"), QStringLiteral("</a"));
}

} // namespace quillet
