#include "project/projectmessages.h"

namespace quillet {

std::optional<UserMessage> checkSaveName(const QString&)
{
    return {};
}
UserMessage deleteQuestion(const QString&)
{
    return {};
}
UserMessage overwriteQuestion()
{
    return {};
}

} // namespace quillet
