#include "engine/shiftjis.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include <algorithm>
#include <random>

using namespace quillet;

namespace {

// ICU swaps three control codes that pages mean as ASCII: U+001C for 0x1A, U+007F for 0x1C
// and U+001A for 0x7F. The reference undoes the swap.
char16_t fromIcuControl(char16_t unit)
{
    switch (unit) {
    case 0x1C:
        return 0x1A;
    case 0x7F:
        return 0x1C;
    case 0x1A:
        return 0x7F;
    }
    return unit;
}

char16_t toIcuControl(char16_t unit)
{
    switch (unit) {
    case 0x1A:
        return 0x1C;
    case 0x1C:
        return 0x7F;
    case 0x7F:
        return 0x1A;
    }
    return unit;
}

// ICU through Qt, the converter the tables must match, with ASCII kept as ASCII. Stateless: a
// cut-off sequence at the end is an error instead of being held back for more input.
std::optional<QString> icuDecode(QByteArrayView bytes)
{
    QStringDecoder decoder("Shift_JIS", QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (!decoder.isValid() || decoder.hasError())
        return std::nullopt;
    for (QChar& c : text)
        c = QChar(fromIcuControl(c.unicode()));
    return text;
}

// ICU's encoding, with ASCII kept as ASCII and without one-way fallbacks: only what reads
// back as the same text.
std::optional<QByteArray> icuEncode(QStringView text)
{
    QString icuText = text.toString();
    for (QChar& c : icuText)
        c = QChar(toIcuControl(c.unicode()));
    QStringEncoder encoder("Shift_JIS", QStringEncoder::Flag::Stateless);
    QByteArray bytes = encoder.encode(icuText);
    if (!encoder.isValid() || encoder.hasError() || icuDecode(bytes) != text.toString())
        return std::nullopt;
    return bytes;
}

// An empty string when both agree, else what differs (QCOMPARE per case would be too slow).
QString decodeMismatch(QByteArrayView bytes)
{
    const std::optional<QString> ours = decodeShiftJis(bytes);
    const std::optional<QString> icu = icuDecode(bytes);
    if (ours == icu)
        return {};
    return QStringLiteral("bytes %1: ours %2, ICU %3")
        .arg(QString::fromLatin1(bytes.toByteArray().toHex(' ')),
             ours ? QString::fromLatin1(ours->toUtf8().toHex(' ')) : QStringLiteral("error"),
             icu ? QString::fromLatin1(icu->toUtf8().toHex(' ')) : QStringLiteral("error"));
}

QString encodeMismatch(QStringView text)
{
    const std::optional<QByteArray> ours = encodeShiftJis(text);
    const std::optional<QByteArray> icu = icuEncode(text);
    if (ours == icu)
        return {};
    return QStringLiteral("text %1: ours %2, ICU %3")
        .arg(QString::fromLatin1(text.toUtf8().toHex(' ')),
             ours ? QString::fromLatin1(ours->toHex(' ')) : QStringLiteral("error"),
             icu ? QString::fromLatin1(icu->toHex(' ')) : QStringLiteral("error"));
}

// Every one- or two-byte sequence ICU decodes on its own.
QList<QByteArray> validSequences()
{
    QList<QByteArray> sequences;
    for (int first = 0; first < 0x100; ++first) {
        const QByteArray single(1, char(first));
        if (icuDecode(single)) {
            sequences.append(single);
            continue;
        }
        for (int second = 0; second < 0x100; ++second) {
            const QByteArray pair = single + char(second);
            if (icuDecode(pair))
                sequences.append(pair);
        }
    }
    return sequences;
}

QString encodableUnits()
{
    QString units;
    for (int unit = 0; unit < 0x10000; ++unit) {
        const QChar c{char16_t(unit)};
        if (icuEncode(QStringView(&c, 1)))
            units.append(c);
    }
    return units;
}

} // namespace

class TestShiftJis : public QObject
{
    Q_OBJECT

private slots:
    void everyByteAndBytePairDecodesAsIcu();
    void everyBmpUnitEncodesAsIcu();
    void charactersOutsideTheBmpAreUnencodable();
    void loneHighSurrogateAtTheEndIsAnError();
    void wholeTextsConvertAsIcu();
    void exactDecodingIsDecodingThatEncodesBack();
};

void TestShiftJis::everyByteAndBytePairDecodesAsIcu()
{
    for (int first = 0; first < 0x100; ++first) {
        const QByteArray single(1, char(first));
        QString mismatch = decodeMismatch(single);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        for (int second = 0; second < 0x100; ++second) {
            // An ASCII byte after the pair: what a page has after a character.
            const char ascii = char((first ^ second) & 0x7F);
            const QByteArray pair = single + char(second);
            mismatch = decodeMismatch(pair);
            if (mismatch.isEmpty())
                mismatch = decodeMismatch(QByteArray(pair + ascii));
            QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        }
    }
}

void TestShiftJis::everyBmpUnitEncodesAsIcu()
{
    for (int unit = 0; unit < 0x10000; ++unit) {
        const QChar c{char16_t(unit)};
        const QString mismatch = encodeMismatch(QStringView(&c, 1));
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
}

void TestShiftJis::charactersOutsideTheBmpAreUnencodable()
{
    for (const char32_t codePoint : {0x10000, 0x1F600, 0x20B9F, 0x2A6B2, 0x10FFFF}) {
        const QString text = QStringLiteral("a") + QString::fromUcs4(&codePoint, 1) + u'b';
        QVERIFY(!encodeShiftJis(text));
        const QString mismatch = encodeMismatch(text);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
}

// A streaming encoder holds such a surrogate back for the next call: the page would lose it.
void TestShiftJis::loneHighSurrogateAtTheEndIsAnError()
{
    const QString text = QStringLiteral("末尾") + QChar(char16_t(0xD83D));
    QVERIFY(!encodeShiftJis(text));
    QVERIFY(!encodeShiftJis(QStringView(text).right(1)));
}

// Sequences side by side, in a fixed order and shuffled, as one page.
void TestShiftJis::wholeTextsConvertAsIcu()
{
    QList<QByteArray> sequences = validSequences();
    QCOMPARE_GT(sequences.size(), 9000);
    QString units = encodableUnits();
    QCOMPARE_GT(units.size(), 9000);
    std::mt19937 random(20240601);
    for (int order = 0; order < 3; ++order) {
        const QByteArray page = sequences.join();
        QVERIFY(decodeShiftJis(page) == icuDecode(page));
        QVERIFY(encodeShiftJis(units) == icuEncode(units));
        std::shuffle(sequences.begin(), sequences.end(), random);
        std::shuffle(units.begin(), units.end(), random);
    }
}

// The one-pass check must say exactly what decoding and encoding again would say.
void TestShiftJis::exactDecodingIsDecodingThatEncodesBack()
{
    int refused = 0;
    for (int first = 0; first < 0x100; ++first) {
        for (int second = -1; second < 0x100; ++second) {
            QByteArray bytes(1, char(first));
            if (second >= 0)
                bytes += char(second);
            bytes += 'a';
            const std::optional<QString> decoded = decodeShiftJis(bytes);
            const bool roundTrips = decoded && encodeShiftJis(*decoded) == bytes;
            const std::optional<QString> exact = decodeShiftJisExactly(bytes);
            QVERIFY2(exact.has_value() == roundTrips, bytes.toHex().constData());
            if (exact)
                QCOMPARE(*exact, *decoded);
            refused += decoded && !roundTrips;
        }
    }
    QCOMPARE_GT(refused, 0); // the duplicate codes (NEC and IBM extensions) are there
}

QTEST_APPLESS_MAIN(TestShiftJis)
#include "test_shiftjis.moc"
