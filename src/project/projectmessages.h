#pragma once

#include "engine/usermessage.h"

#include <QString>
#include <optional>

// Messages of the project commands that the window needs before it calls the store.
namespace quillet {

// The save command's refusal of an exactly empty name, or nothing when the name may be saved.
std::optional<UserMessage> checkSaveName(const QString& name);

// The question the delete command asks before DeleteProject (no title of its own).
UserMessage deleteQuestion(const QString& name);

// The question before an existing project is overwritten.
UserMessage overwriteQuestion();

} // namespace quillet
