#include "project/projectmessages.h"
#include "project/projectstore.h"
#include "project/projecttext.h"

namespace quillet {

DeleteOutcome ProjectStore::DeleteProject(const QString& name, StoreDialogs& dialogs)
{
    if (!ensureLoaded(dialogs))
        return {DeleteOutcome::Result::Refused};
    const qsizetype key = FindProjectKey(name);
    if (key == 0) {
        dialogs.showMessage(projectNotFoundMessage());
        return {DeleteOutcome::Result::NotFound};
    }
    QString text = m_text;
    // Without its own end the removal would take the next project with it.
    if (!removeProject(text, key)) {
        dialogs.showMessage(malformedForDeletionMessage());
        return {DeleteOutcome::Result::Refused};
    }
    if (!writeProjectText(text, dialogs))
        return {DeleteOutcome::Result::WriteFailed};
    return {DeleteOutcome::Result::Deleted};
}

} // namespace quillet
