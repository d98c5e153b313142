#include "engine/textops.h"

namespace quillet {

qsizetype find(const QString& text, const QString& s, qsizetype from)
{
    from = std::max<qsizetype>(from, 1);
    if (s.isEmpty())
        return from;
    if (from > text.size())
        return 0;
    return text.indexOf(s, from - 1) + 1;
}

qsizetype findBack(const QString& text, const QString& s, qsizetype p)
{
    p = std::min(p, text.size());
    const qsizetype lastStart = p - s.size();
    if (lastStart < 0)
        return 0;
    if (s.isEmpty())
        return p;
    return text.lastIndexOf(s, lastStart) + 1;
}

QString replaceAll(QString text, const QString& s, const QString& r)
{
    if (s.isEmpty())
        return text;
    return text.replace(s, r);
}

LineSpan lineAround(const QString& text, qsizetype p)
{
    const qsizetype nl = findBack(text, QStringLiteral("\n"), p);
    qsizetype end = std::clamp<qsizetype>(p - 1, nl, text.size());
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
        ++end;
    return {nl, end - nl};
}

} // namespace quillet
