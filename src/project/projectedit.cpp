#include "project/projectencoding.h"
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

bool ProjectStore::canHoldPath(const QString& path) const
{
    // One entry a line, read up to the first closing tag; blank lines are skipped.
    const QString text = emptyProjectText() + path;
    return !path.trimmed().isEmpty() && !path.contains(u'\r') && !path.contains(u'\n') &&
           !path.contains(u'<') && !path.contains(u'>') &&
           encodePage(text, projectFileContent(text, m_format).format).ok;
}

} // namespace quillet
