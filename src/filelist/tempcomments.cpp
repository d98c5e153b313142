#include "filelist/tempcomments.h"

namespace quillet {

std::optional<UserMessage> checkCommentProjectName(const QString&)
{
    return {};
}
PageOutcome convertTemporaryComments(const QString&, const QString&)
{
    return {};
}
RunResult runTemporaryComments(const QStringList&, const QString&, const RunProgress&)
{
    return {};
}

} // namespace quillet
