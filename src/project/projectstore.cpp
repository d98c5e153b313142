#include "project/projectstore.h"

namespace quillet {

ProjectStore::ProjectStore(QString filePath) : m_filePath(std::move(filePath)) {}

ProjectList ProjectStore::LoadProjectList(StoreDialogs&)
{
    return {};
}
QStringList ProjectStore::GetProjectNames() const
{
    return {};
}
qsizetype ProjectStore::FindProjectKey(const QString&) const
{
    return 0;
}
QString ProjectStore::GetLastProject() const
{
    return {};
}
FileListLoad ProjectStore::LoadFileList(const QString&) const
{
    return {};
}
std::optional<QString> ProjectStore::LoadMenuText(const QString&) const
{
    return {};
}

} // namespace quillet
