#include "project/projectstore.h"

namespace quillet {

SaveOutcome ProjectStore::SaveProject(const SaveRequest&, StoreDialogs&)
{
    return {};
}

} // namespace quillet
