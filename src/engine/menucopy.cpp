#include "engine/menucopy.h"

#include "engine/anchorcase.h"
#include "engine/menublock.h"

#include <QHash>
#include <QSet>
#include <vector>

namespace quillet {

namespace {

// Both shares must be at least 3/5.
bool isMajority(qsizetype part, qsizetype whole)
{
    return part * 5 >= whole * 3;
}

qsizetype lineNumberAt(const QString& text, qsizetype index)
{
    return QStringView(text).left(index).count(u'\n') + 1;
}

MenuCopy copyOf(const QString& text, qsizetype start, qsizetype end)
{
    return {start, end, lineNumberAt(text, start), lineNumberAt(text, end - 1)};
}

// A block that is nothing but one comment is some project's tag, never a menu.
bool isLoneComment(QStringView block)
{
    return block.startsWith(u"<!--") && block.endsWith(u"-->") && !block.contains(u'\n') &&
           block.indexOf(u"<!--", 1) < 0;
}

std::optional<MenuCopy> markedCopy(const QString& text)
{
    const qsizetype s = text.indexOf(menuStartMarker);
    const qsizetype e = text.indexOf(menuEndMarker);
    if (s < 0 || e < 0 || text.indexOf(menuStartMarker, s + 1) >= 0 ||
        text.indexOf(menuEndMarker, e + 1) >= 0)
        return std::nullopt;
    const qsizetype from = s + menuStartMarker.size();
    qsizetype first = from;
    while (first < e && text[first].isSpace())
        ++first;
    qsizetype last = e;
    while (last > first && text[last - 1].isSpace())
        --last;
    if (first >= last || isLoneComment(QStringView(text).mid(first, last - first)))
        return std::nullopt;
    // The first line's indentation goes with it.
    while (first > from && text[first - 1] != u'\n' && text[first - 1].isSpace())
        --first;
    return copyOf(text, first, last);
}

// A non-blank line of a text, with where it stands and its key: the line trimmed, in the text
// with "<A" read as "<a" (which must outlive it).
struct Line
{
    qsizetype start = 0; // 0-based, the line's first character
    qsizetype end = 0;   // before its line break
    QStringView key;
};

std::vector<Line> nonBlankLines(const QString& folded)
{
    std::vector<Line> lines;
    for (qsizetype start = 0; start <= folded.size();) {
        qsizetype next = folded.indexOf(u'\n', start);
        if (next < 0)
            next = folded.size();
        qsizetype end = next;
        while (end > start && folded[end - 1] == u'\r')
            --end;
        const QStringView trimmed = QStringView(folded).mid(start, end - start).trimmed();
        if (!trimmed.isEmpty())
            lines.push_back({start, end, trimmed});
        start = next + 1;
    }
    return lines;
}

// The menu's lines by their keys: each distinct line an id, with how often the menu holds it.
class MenuLines
{
public:
    explicit MenuLines(const QString& menuText)
    {
        const QString folded = applyAnchorCaseRule(menuText);
        for (const Line& line : nonBlankLines(folded)) {
            const QString key = line.key.toString();
            auto it = m_ids.constFind(key);
            if (it == m_ids.cend()) {
                it = m_ids.insert(key, int(m_counts.size()));
                m_counts.push_back(0);
                m_lengths.insert(key.size());
            }
            ++m_counts[it.value()];
            ++m_total;
        }
    }

    // Most lines of a page have a length no menu line has: they cost no lookup.
    int id(QStringView key) const
    {
        return m_lengths.contains(key.size()) ? m_ids.value(key.toString(), -1) : -1;
    }
    int count(int id) const { return m_counts[id]; }
    qsizetype distinct() const { return qsizetype(m_counts.size()); }
    qsizetype total() const { return m_total; }

private:
    QHash<QString, int> m_ids;
    QSet<qsizetype> m_lengths;
    std::vector<int> m_counts;
    qsizetype m_total = 0;
};

struct Block
{
    qsizetype first = 0; // indices into the page's non-blank lines
    qsizetype last = 0;
    qsizetype score = 0; // lines shared with the menu less the others
};

// Every block from the line at `first` on that starts and ends with a menu line and meets both
// shares. Past 5/3 of the menu's length no block can.
void blocksFrom(qsizetype first, const std::vector<int>& ids, const MenuLines& menu,
                std::vector<Block>& blocks)
{
    std::vector<int> seen(menu.distinct(), 0);
    qsizetype shared = 0;
    for (qsizetype i = first; i < qsizetype(ids.size()); ++i) {
        const qsizetype length = i - first + 1;
        if (!isMajority(menu.total(), length))
            break;
        const int id = ids[i];
        if (id < 0)
            continue;
        if (++seen[id] <= menu.count(id))
            ++shared;
        if (isMajority(shared, menu.total()) && isMajority(shared, length))
            blocks.push_back({first, i, 2 * shared - length});
    }
}

// The copy is the best block (a drifted line inside it counts against it no more than the
// menu line after it counts for it, so of equal blocks the longer). A block that meets the
// shares apart from it is a second copy.
MenuCopySearch pickCandidate(const QString& text, const std::vector<Line>& lines,
                             const std::vector<Block>& blocks)
{
    MenuCopySearch search;
    if (blocks.empty())
        return search;
    const auto length = [](const Block& block) {
        return block.last - block.first;
    };
    Block best = blocks.front();
    for (const Block& block : blocks) {
        if (block.score > best.score || (block.score == best.score && length(block) > length(best)))
            best = block;
    }
    for (const Block& block : blocks) {
        if (block.last < best.first || block.first > best.last) {
            search.ambiguous = true;
            return search;
        }
    }
    search.copy = copyOf(text, lines[best.first].start, lines[best.last].end);
    return search;
}

} // namespace

MenuCopySearch findMenuCopy(const QString& cleanedText, const QString& menuText)
{
    if (const std::optional<MenuCopy> marked = markedCopy(cleanedText))
        return {marked, false};
    const MenuLines menu(menuText);
    if (menu.total() == 0)
        return {};
    const QString folded = applyAnchorCaseRule(cleanedText);
    const std::vector<Line> lines = nonBlankLines(folded);
    std::vector<int> ids;
    ids.reserve(lines.size());
    for (const Line& line : lines)
        ids.push_back(menu.id(line.key));
    std::vector<Block> blocks;
    for (qsizetype first = 0; first < qsizetype(ids.size()); ++first) {
        if (ids[first] >= 0)
            blocksFrom(first, ids, menu, blocks);
    }
    return pickCandidate(cleanedText, lines, blocks);
}

} // namespace quillet
