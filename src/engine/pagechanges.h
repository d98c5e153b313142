#pragma once

#include "engine/pagewriter.h"

#include <QHash>
#include <QStringList>

// The unified diffs of what a command changes in the pages: quillet-cli's --diff, and what
// the window shows before it aligns the menus.
namespace quillet {

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
    // The pages changed, in the order they were first changed.
    const QStringList& paths() const { return m_order; }

private:
    struct Change
    {
        QString before;
        QString after;
    };
    QStringList m_order;
    QHash<QString, Change> m_changes;
};

} // namespace quillet
