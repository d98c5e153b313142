#pragma once

#include "engine/pagewriter.h"

#include <QHash>
#include <QStringList>

// The unified diffs quillet-cli prints for --diff and the dry runs.
namespace quillet::cli {

// "--- a/PATH", "+++ b/PATH" and the hunks from before to after, lines cut at CR LF; empty
// when the texts are equal.
QStringList fileDiff(const QString& path, const QString& before, const QString& after);

// The pages a command changed, each from its text before the first change to its text after
// the last, in the order they were first changed.
class PageChanges
{
public:
    PageWriter::ChangeListener listener();
    QStringList diffLines() const;

private:
    struct Change
    {
        QString before;
        QString after;
    };
    QStringList m_order;
    QHash<QString, Change> m_changes;
};

} // namespace quillet::cli
