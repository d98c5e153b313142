#include "engine/textdiff.h"

#include <QList>

namespace quillet {

namespace {

// Beyond this many cells the middle of two texts is shown as replaced whole: the diff stays
// correct, only longer than the shortest one.
constexpr qint64 tableLimit = 4'000'000;

enum class Op { Keep, Remove, Add };

struct Edit
{
    Op op;
    QString line;
};

// The longest common subsequence table of the middle parts, filled from the end.
QList<Edit> middleEdits(const QStringList& a, const QStringList& b, qsizetype from, qsizetype aEnd,
                        qsizetype bEnd)
{
    const qsizetype n = aEnd - from;
    const qsizetype m = bEnd - from;
    QList<Edit> edits;
    if (qint64(n + 1) * qint64(m + 1) > tableLimit) {
        for (qsizetype i = 0; i < n; ++i)
            edits.append({Op::Remove, a[from + i]});
        for (qsizetype j = 0; j < m; ++j)
            edits.append({Op::Add, b[from + j]});
        return edits;
    }
    QList<int> table((n + 1) * (m + 1), 0);
    const auto at = [&](qsizetype i, qsizetype j) -> int& {
        return table[i * (m + 1) + j];
    };
    for (qsizetype i = n - 1; i >= 0; --i)
        for (qsizetype j = m - 1; j >= 0; --j)
            at(i, j) = a[from + i] == b[from + j] ? at(i + 1, j + 1) + 1
                                                  : std::max(at(i + 1, j), at(i, j + 1));
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[from + i] == b[from + j]) {
            edits.append({Op::Keep, a[from + i]});
            ++i;
            ++j;
        } else if (i < n && (j == m || at(i + 1, j) >= at(i, j + 1))) {
            edits.append({Op::Remove, a[from + i++]});
        } else {
            edits.append({Op::Add, b[from + j++]});
        }
    }
    return edits;
}

QList<Edit> editsBetween(const QStringList& a, const QStringList& b)
{
    qsizetype prefix = 0;
    while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix])
        ++prefix;
    qsizetype aEnd = a.size();
    qsizetype bEnd = b.size();
    while (aEnd > prefix && bEnd > prefix && a[aEnd - 1] == b[bEnd - 1]) {
        --aEnd;
        --bEnd;
    }
    QList<Edit> edits;
    for (qsizetype i = 0; i < prefix; ++i)
        edits.append({Op::Keep, a[i]});
    edits += middleEdits(a, b, prefix, aEnd, bEnd);
    for (qsizetype i = aEnd; i < a.size(); ++i)
        edits.append({Op::Keep, a[i]});
    return edits;
}

QString range(qsizetype start, qsizetype count)
{
    // diff -u names an empty range by the line before it.
    const qsizetype first = count == 0 ? start : start + 1;
    return count == 1 ? QString::number(first)
                      : QString::number(first) + u',' + QString::number(count);
}

QString prefixOf(Op op)
{
    return op == Op::Keep     ? QStringLiteral(" ")
           : op == Op::Remove ? QStringLiteral("-")
                              : QStringLiteral("+");
}

} // namespace

QStringList unifiedDiffHunks(const QStringList& oldLines, const QStringList& newLines, int context)
{
    const QList<Edit> edits = editsBetween(oldLines, newLines);
    QStringList out;
    qsizetype k = 0;
    while (k < edits.size()) {
        while (k < edits.size() && edits[k].op == Op::Keep)
            ++k;
        if (k == edits.size())
            break;
        // The hunk runs from context lines before this change to context lines after the
        // last change that lies within 2 * context of the one before.
        const qsizetype start = std::max<qsizetype>(0, k - context);
        qsizetype end = k;
        qsizetype keptRun = 0;
        for (qsizetype e = k; e < edits.size(); ++e) {
            if (edits[e].op != Op::Keep) {
                end = e + 1;
                keptRun = 0;
            } else if (++keptRun > 2 * context) {
                break;
            }
        }
        end = std::min(edits.size(), end + context);
        qsizetype oldStart = 0;
        qsizetype newStart = 0;
        for (qsizetype e = 0; e < start; ++e) {
            oldStart += edits[e].op != Op::Add;
            newStart += edits[e].op != Op::Remove;
        }
        qsizetype oldCount = 0;
        qsizetype newCount = 0;
        QStringList body;
        for (qsizetype e = start; e < end; ++e) {
            oldCount += edits[e].op != Op::Add;
            newCount += edits[e].op != Op::Remove;
            body.append(prefixOf(edits[e].op) + edits[e].line);
        }
        out.append(QStringLiteral("@@ -") + range(oldStart, oldCount) + QStringLiteral(" +") +
                   range(newStart, newCount) + QStringLiteral(" @@"));
        out += body;
        k = end;
    }
    return out;
}

QStringList crlfLinesOf(const QString& text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    // A final line break ends the last line rather than starting an empty one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace quillet
