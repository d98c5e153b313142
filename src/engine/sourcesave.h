#pragma once

#include "engine/pagefile.h"
#include "engine/pagewriter.h"
#include "engine/usermessage.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Saving the edited source view back to the file it shows. The view is also the runs'
// work buffer, so its text is written only over the file it was loaded from, and a file
// changed on disk since is replaced only when the user agrees.
namespace quillet {

// The file the view's text was loaded from, as its bytes were then.
struct SourceOrigin
{
    QString path;
    PageFormat format;
    QByteArray digest;
};

SourceOrigin sourceOrigin(const QString& path, const Page& page);

// Why the view's text may not be written to path, or nothing when it may.
std::optional<QString> refuseSourceSave(const std::optional<SourceOrigin>& origin,
                                        const QString& path);

// Whether the file no longer holds the bytes the view was loaded from (gone counts too).
bool changedOnDisk(const SourceOrigin& origin);

struct SourceSave
{
    PageWrite write;
    SourceOrigin origin; // the written file, when write.ok
};

// Writes the text over the origin's file through pages, in the file's own format. A file
// gone since is written new as Shift_JIS with CR LF; one whose bytes no longer read keeps
// the format the view was loaded with.
SourceSave saveSource(const SourceOrigin& origin, const QString& text, PageWriter& pages);

// The box shown when a save fails: the description, then the fixed line.
UserMessage sourceSaveFailure(const QString& description);

// The OK/Cancel question before replacing a file changed since the view loaded it.
UserMessage sourceChangedQuestion(const QString& path);

} // namespace quillet
