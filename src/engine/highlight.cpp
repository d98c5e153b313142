#include "engine/highlight.h"

#include "engine/textops.h"

namespace quillet {

QString effectiveLinkColour(const QString& chosen)
{
    return chosen.isEmpty() ? defaultLinkColour : chosen;
}

qsizetype FindSelfLink(const QString& text, const QString& name)
{
    const qsizetype a = find(text, name, 1);
    if (a == 0)
        return 0;
    const qsizetype nl = findBack(text, QStringLiteral("\n"), a);
    const qsizetype ap = findBack(text, QStringLiteral("<a"), a);
    return nl < ap ? a : 0;
}

LinkState GetLinkState(const QString& text, const QString& name)
{
    const qsizetype c = find(text, name, 1);
    if (c == 0)
        return LinkState::None;
    const qsizetype nl = findBack(text, QStringLiteral("\n"), c);
    const qsizetype ap = findBack(text, QStringLiteral("<a"), c);
    const qsizetype cm = findBack(text, QStringLiteral("<!--"), c);
    if (nl >= ap)
        return LinkState::None;
    if (cm < nl)
        return LinkState::Plain;
    if (cm > nl)
        return LinkState::Highlighted;
    return LinkState::None;
}

QString HighlightLinkLine(const QString& line, const QString& name, const QString& colour)
{
    const QString target = name + QStringLiteral("\">");
    const QString span =
        QStringLiteral("--><span style=\"font-weight:550;color:") + colour + QStringLiteral("\">");
    QString result = replaceAll(line, QStringLiteral("<a"), QStringLiteral("<!--<a"));
    result = replaceAll(result, target, target + span);
    return replaceAll(result, QStringLiteral("</a>"), QStringLiteral("</span><!--</a>-->"));
}

QString HighlightFileLink(const QString& text, const QString& name, const QString& colour)
{
    if (GetLinkState(text, name) != LinkState::Plain)
        return {};
    return editLineAround(text, FindSelfLink(text, name), [&](const QString& line) {
        return HighlightLinkLine(line, name, colour);
    });
}

} // namespace quillet
