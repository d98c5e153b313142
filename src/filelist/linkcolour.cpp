#include "filelist/linkcolour.h"

namespace quillet {

QString linkColourFromDialogValue(quint32)
{
    return {};
}
std::optional<QString> parseLinkColour(const QString&)
{
    return {};
}

} // namespace quillet
