#pragma once

#include "engine/pagewriter.h"
#include "engine/selflinkcorrection.h"
#include "project/projectstore.h"

namespace quillet {

// After a save: the listed pages whose own menu entry is still a plain link get the
// highlight, each corrected or unreadable page logged in outcome.
void correctSelfLinks(const SaveRequest& request, const SelfLinkCorrection& correction,
                      PageWriter& pages, SaveOutcome& outcome);

} // namespace quillet
