#pragma once

#include "engine/usermessage.h"
#include "filelist/listedpages.h"

#include <QString>

// The check after a drop: the project tags in the listed pages must agree, the name they
// carry may become the project's, and a page's menu block may become the menu text.
// Unreadable pages are passed over.
namespace quillet {

// Whether every listed page with a project tag carries the same name; stops reading at
// the first that differs.
bool CheckProjectNames(ListedPages& pages);

// The name of the first listed page with a project tag, or empty.
QString GetFileProjectName(ListedPages& pages);

// The first menu block of the listed pages that is neither empty nor only a project tag,
// cleaned of the highlight, or empty.
QString GetMenuFromFiles(ListedPages& pages);

// Whether a listed page has only a project tag as its menu block (the pages read so far).
bool offersProjectTagAsMenu(ListedPages& pages);

UserMessage projectNamesDifferMessage();

// Asked, OK or Cancel, before the displayed name is replaced by the name in the pages.
UserMessage projectNameMismatchQuestion();

} // namespace quillet
