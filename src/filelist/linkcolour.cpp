#include "filelist/linkcolour.h"

#include <QRegularExpression>

namespace quillet {

namespace {

QString twoHexDigits(quint32 byte)
{
    return QStringLiteral("%1").arg(byte & 0xFFu, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

QString linkColourFromDialogValue(quint32 value)
{
    // The top byte carries no colour; ignoring it keeps the text at six digits.
    return u'#' + twoHexDigits(value) + twoHexDigits(value >> 8) + twoHexDigits(value >> 16);
}

std::optional<QString> parseLinkColour(const QString& text)
{
    static const QRegularExpression colour(QStringLiteral("\\A#[0-9A-Fa-f]{6}\\z"));
    if (!colour.match(text).hasMatch())
        return std::nullopt;
    return text.toUpper();
}

} // namespace quillet
