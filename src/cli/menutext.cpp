#include "cli/menutext.h"

#include "engine/anchorcase.h"

namespace quillet::cli {

QString asMenuText(const QString& text)
{
    QString lines;
    lines.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue; // the LF that follows makes the break
        if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            lines += QStringLiteral("\r\n");
        else
            lines += c;
    }
    return applyAnchorCaseRule(lines);
}

} // namespace quillet::cli
