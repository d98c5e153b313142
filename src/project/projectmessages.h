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

// The question before unsaved changes of the window's project would be dropped.
UserMessage saveChangesQuestion();

// The question before an existing project is overwritten.
UserMessage overwriteQuestion();

// The question before a project another program changed since it was loaded is overwritten.
UserMessage changedOnDiskQuestion(const QString& name);

UserMessage noFilesToSaveMessage();
UserMessage lastProjectNotWrittenMessage();
UserMessage malformedForSaveMessage();
UserMessage malformedForDeletionMessage();
UserMessage projectNotFoundMessage();
// Another program changed the project while a command edited what it had read.
UserMessage projectChangedMessage(const QString& name);

// The project file could not be read or written; error is the system's description.
UserMessage projectFileUnreadableMessage(const QString& error);
UserMessage projectFileUnwritableMessage(const QString& error);
UserMessage projectFileDamagedMessage(qsizetype line);
// Another program kept the lock file beside the project file for too long.
UserMessage projectFileLockedMessage(const QString& lockFile);

} // namespace quillet
