#include "project/projectstore.h"

namespace quillet {

DeleteOutcome ProjectStore::DeleteProject(const QString&, StoreDialogs&)
{
    return {};
}

} // namespace quillet
