#pragma once

#include <QString>
#include <optional>

// The project name a page carries in its project tag, as the drop check reads it.
namespace quillet {

// The first tag opened by "<!--project" (any letter case), lower-cased and without its
// comment marks: "<!--ProjectSite-->" gives "projectsite". Nothing when the page has no
// such tag, or when no ">" closes it.
std::optional<QString> readProjectName(const QString& pageText);

} // namespace quillet
