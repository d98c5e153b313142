#include "project/projecttext.h"

namespace quillet {

QString projectKeyLine(const QString&)
{
    return {};
}
QStringList projectNamesIn(const QString&)
{
    return {};
}
qsizetype projectKeyIn(const QString&, const QString&)
{
    return 0;
}
bool hasOwnProjectEnd(const QString&, qsizetype)
{
    return false;
}
std::optional<QString> projectElementIn(const QString&, qsizetype, const QString&)
{
    return {};
}
QString lastProjectIn(const QString&)
{
    return {};
}
QString menuTextFromStored(const QString&)
{
    return {};
}
QStringList fileListFromStored(const QString&)
{
    return {};
}
QString emptyProjectText()
{
    return {};
}
bool addProject(QString&, const QString&)
{
    return false;
}
bool ReplaceElement(QString&, qsizetype, const QString&, const QString&)
{
    return false;
}
bool SaveFileList(QString&, qsizetype, const QStringList&)
{
    return false;
}
bool SaveMenuText(QString&, qsizetype, const QString&)
{
    return false;
}
bool SetLastProject(QString&, const QString&)
{
    return false;
}
bool removeProject(QString&, qsizetype)
{
    return false;
}

} // namespace quillet
