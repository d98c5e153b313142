#include "engine/anchorcase.h"

#include "engine/textops.h"

namespace quillet {

namespace {

// "<A" or "</A". A page holds far fewer capital A than "<", and a search for one character
// is the fast one: each page is checked several times by a run.
bool holdsCapitalAnchor(const QString& text)
{
    for (qsizetype a = text.indexOf(u'A', 1); a > 0; a = text.indexOf(u'A', a + 1)) {
        if (text[a - 1] == u'<' || (a >= 2 && text[a - 1] == u'/' && text[a - 2] == u'<'))
            return true;
    }
    return false;
}

} // namespace

QString applyAnchorCaseRule(const QString& text)
{
    if (!holdsCapitalAnchor(text))
        return text;
    const QString opening = replaceAll(text, QStringLiteral("<A"), QStringLiteral("<a"));
    return replaceAll(opening, QStringLiteral("</A"), QStringLiteral("</a"));
}

qsizetype indexIgnoringAnchorCase(const QString& text, const QString& s, qsizetype from)
{
    return applyAnchorCaseRule(text).indexOf(applyAnchorCaseRule(s), from);
}

std::optional<QString> replaceIgnoringAnchorCase(const QString& text, const QString& s,
                                                 const QString& r)
{
    const QString folded = applyAnchorCaseRule(text);
    const QString key = applyAnchorCaseRule(s);
    qsizetype at = key.isEmpty() ? -1 : folded.indexOf(key);
    if (at < 0)
        return std::nullopt;
    QString result;
    result.reserve(text.size());
    qsizetype done = 0;
    for (; at >= 0; at = folded.indexOf(key, done)) {
        result += QStringView(text).mid(done, at - done) + r;
        done = at + key.size();
    }
    result += QStringView(text).mid(done);
    return result;
}

} // namespace quillet
