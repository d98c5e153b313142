#include "engine/pagechanges.h"

#include "engine/textdiff.h"

namespace quillet {

namespace {

// An absolute path keeps its own slash: "a/site/x.html" rather than "a//site/x.html".
QString diffPath(const QString& side, const QString& path)
{
    return path.startsWith(u'/') ? QString(side + path) : QString(side + u'/' + path);
}

} // namespace

QStringList fileDiff(const QString& path, const QString& before, const QString& after)
{
    const QStringList hunks = unifiedDiffHunks(crlfLinesOf(before), crlfLinesOf(after));
    if (hunks.isEmpty())
        return {};
    return QStringList{QStringLiteral("--- ") + diffPath(QStringLiteral("a"), path),
                       QStringLiteral("+++ ") + diffPath(QStringLiteral("b"), path)} +
           hunks;
}

PageWriter::ChangeListener PageChanges::listener()
{
    return [this](const QString& path, const QString& before, const QString& after) {
        auto change = m_changes.find(path);
        if (change == m_changes.end()) {
            m_order.append(path);
            m_changes.insert(path, {before, after});
        } else {
            change->after = after;
        }
    };
}

QStringList PageChanges::diffLines() const
{
    QStringList lines;
    for (const QString& path : m_order) {
        const Change& change = m_changes[path];
        lines += fileDiff(path, change.before, change.after);
    }
    return lines;
}

} // namespace quillet
