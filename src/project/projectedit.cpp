#include "project/projectmessages.h"
#include "project/projectstore.h"
#include "project/projecttext.h"

namespace quillet {

EditOutcome ProjectStore::StoreProject(const QString& name, const std::optional<QStringList>& files,
                                       const std::optional<QString>& escapedMenu,
                                       StoreDialogs& dialogs)
{
    if (!ensureLoaded(dialogs))
        return {EditOutcome::Result::Refused};
    const std::optional<QString> text = storeProjectIn(m_text, name, files, escapedMenu);
    if (!text) {
        dialogs.showMessage(malformedForSaveMessage());
        return {EditOutcome::Result::Refused};
    }
    if (!writeProjectText(*text, dialogs))
        return {EditOutcome::Result::WriteFailed};
    return {EditOutcome::Result::Written};
}

} // namespace quillet
