#include "project/projectlocation.h"

namespace quillet {

QString projectFilePathIn(const QString&, const QString&)
{
    return {};
}
QString defaultProjectFilePath()
{
    return {};
}

} // namespace quillet
