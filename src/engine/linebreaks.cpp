#include "engine/linebreaks.h"

namespace quillet {

QString toCrLf(const QString& widgetText)
{
    QString result;
    result.reserve(widgetText.size() + widgetText.size() / 16);
    for (const QChar c : widgetText) {
        if (c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            result += QStringLiteral("\r\n");
        else
            result += c;
    }
    return result;
}

QString fromCrLf(const QString& crlfText)
{
    QString result = crlfText;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // A text document turns a lone CR into a line break as well; say so explicitly.
    result.replace(u'\r', u'\n');
    return result;
}

} // namespace quillet
