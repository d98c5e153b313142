#include "engine/menublock.h"

#include "engine/textops.h"

namespace quillet {

namespace {

bool isTrailingBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\u3000' || c == u'\r' || c == u'\n';
}

} // namespace

bool isProjectTagOnly(const QString& block)
{
    const QString text = block.trimmed();
    return text.startsWith(QStringLiteral("<!--")) && text.endsWith(QStringLiteral("-->")) &&
           text.size() >= 7 && text.indexOf(QStringLiteral("-->"), 4) == text.size() - 3;
}

QString GetMenuBlock(const QString& pageText)
{
    const qsizetype s = find(pageText, menuStartMarker, 1);
    const qsizetype e = find(pageText, menuEndMarker, 1);
    const qsizetype blockStart = s + menuStartMarker.size(); // 1-based, first character after
    if (s == 0 || e == 0 || e < blockStart)
        return {};
    QString block = pageText.mid(blockStart - 1, e - blockStart);
    while (!block.isEmpty() && isTrailingBlank(block.back()))
        block.chop(1);
    return block;
}

} // namespace quillet
