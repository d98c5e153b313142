#pragma once

#include "engine/pagerun.h"
#include "engine/usermessage.h"

#include <QString>
#include <QStringList>
#include <optional>

// Turning the temporary comment "<!--???-->" in the listed pages into the project tag.
namespace quillet {

// "\?" keeps "??-" from being read as a trigraph.
inline const QString temporaryComment = QStringLiteral("<!--??\?-->");

// The refusal of an empty project name, or nothing when the run may start.
std::optional<UserMessage> checkCommentProjectName(const QString& projectName);

// Replaces every temporary comment in the page by "<!--" + projectName + "-->"; a page without
// one is not written. An unreadable page is logged as such.
PageOutcome convertTemporaryComments(const PageRead& read, const QString& name,
                                     const QString& projectName);

// The run over the list: one log line per page, no head line (the log is not cleared).
// refusal is set, and nothing is read, when the name is empty; lastPageText is the text of
// the last page read, as the source view shows it afterwards.
RunResult runTemporaryComments(const QStringList& paths, const QString& projectName,
                               PageWriter& pages, const RunProgress& progress = {},
                               const RunStop& stop = {});

} // namespace quillet
