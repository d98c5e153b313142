#include "cli/menutext.h"

#include "engine/anchorcase.h"
#include "engine/linebreaks.h"

namespace quillet::cli {

QString asMenuText(const QString& text)
{
    return applyAnchorCaseRule(toCrLf(fromCrLf(text)));
}

} // namespace quillet::cli
