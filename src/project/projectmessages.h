#pragma once

#include "engine/usermessage.h"

#include <QString>
#include <optional>

// The messages and questions of the project commands.
namespace quillet {

// The save command's refusal of an exactly empty name, or nothing when the name may be saved.
std::optional<UserMessage> checkSaveName(const QString& name);

// The question the delete command asks before DeleteProject (no title of its own).
UserMessage deleteQuestion(const QString& name);

// The question before an existing project is overwritten.
UserMessage overwriteQuestion();

UserMessage noFilesToSaveMessage();
UserMessage lastProjectNotWrittenMessage();
UserMessage malformedForSaveMessage();
UserMessage malformedForDeletionMessage();
UserMessage projectNotFoundMessage();

// The project file could not be read or written; error is the system's description.
UserMessage projectFileUnreadableMessage(const QString& error);
UserMessage projectFileUnwritableMessage(const QString& error);
UserMessage projectFileDamagedMessage(qsizetype line);

} // namespace quillet
