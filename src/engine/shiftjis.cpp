#include "engine/shiftjis.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace quillet {

namespace {

constexpr const char* shiftJisName = "Shift_JIS";

// Nothing decodes to this noncharacter; it marks an invalid sequence.
constexpr char16_t noUnit = 0xFFFF;
// FF is no lead byte, so no character encodes to FF FF; it marks an unencodable one.
constexpr quint16 noCode = 0xFFFF;

struct DecodeTable
{
    std::array<char16_t, 0x100> single; // noUnit for lead and invalid bytes
    std::array<char16_t, 0x10000> pair; // by lead << 8 | trail; noUnit unless lead and valid
};

// A single byte code below 0x100, a double byte one as lead << 8 | trail.
using EncodeTable = std::array<quint16, 0x10000>;

// ICU's one UTF-16 unit for a whole sequence, or noUnit. Stateless: a cut-off sequence
// counts as an error rather than waiting for more bytes.
char16_t icuDecodeOne(QByteArrayView bytes)
{
    QStringDecoder decoder(shiftJisName, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (!decoder.isValid() || decoder.hasError() || text.size() != 1)
        return noUnit;
    return text.front().unicode();
}

// ICU holds a lead byte alone back for the next call: neither decoded nor an error.
bool icuTakesAsLead(char byte)
{
    QStringDecoder decoder(shiftJisName);
    const QString text = decoder.decode(QByteArrayView(&byte, 1));
    return decoder.isValid() && !decoder.hasError() && text.isEmpty();
}

quint16 icuEncodeOne(char16_t unit)
{
    QStringEncoder encoder(shiftJisName, QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder.encode(QStringView(&unit, 1));
    if (!encoder.isValid() || encoder.hasError())
        return noCode;
    const auto byte = [&bytes](int i) {
        return static_cast<quint16>(uchar(bytes.at(i)));
    };
    if (bytes.size() == 1)
        return byte(0);
    if (bytes.size() == 2 && byte(0) != 0 && !(byte(0) == 0xFF && byte(1) == 0xFF))
        return quint16(byte(0) << 8 | byte(1));
    return noCode;
}

DecodeTable buildDecodeTable()
{
    DecodeTable table;
    table.pair.fill(noUnit);
    for (int byte = 0; byte < 0x100; ++byte) {
        const char lead = char(byte);
        // ICU swaps the control codes 0x1A, 0x1C and 0x7F; pages mean them as ASCII.
        table.single[byte] = byte < 0x80 ? char16_t(byte) : icuDecodeOne(QByteArrayView(&lead, 1));
        if (table.single[byte] != noUnit || !icuTakesAsLead(lead))
            continue;
        for (int trail = 0; trail < 0x100; ++trail) {
            const char sequence[2] = {lead, char(trail)};
            table.pair[byte << 8 | trail] = icuDecodeOne(QByteArrayView(sequence, 2));
        }
    }
    return table;
}

char16_t decodeCode(const DecodeTable& decode, quint16 code)
{
    return code > 0xFF ? decode.pair[code] : decode.single[code];
}

// Only codes that read back as the same character: a one-way fallback (a private-use
// character written as another one) would change the page silently.
EncodeTable buildEncodeTable(const DecodeTable& decode)
{
    EncodeTable table;
    for (int unit = 0; unit < 0x10000; ++unit) {
        const quint16 code = unit < 0x80 ? quint16(unit) : icuEncodeOne(char16_t(unit));
        table[unit] = code != noCode && decodeCode(decode, code) == unit ? code : noCode;
    }
    return table;
}

const DecodeTable& decodeTable()
{
    static const DecodeTable table = buildDecodeTable();
    return table;
}

const EncodeTable& encodeTable()
{
    static const EncodeTable table = buildEncodeTable(decodeTable());
    return table;
}

// The decode table without the codes that encode back to another code. A single byte left
// out reads as a lead byte, which no pair then completes.
DecodeTable buildExactDecodeTable(const DecodeTable& decode, const EncodeTable& encode)
{
    DecodeTable table = decode;
    const auto keepIfExact = [&encode](char16_t& unit, quint16 code) {
        if (unit != noUnit && encode[unit] != code)
            unit = noUnit;
    };
    for (int code = 0; code < 0x100; ++code)
        keepIfExact(table.single[code], quint16(code));
    for (int code = 0x100; code < 0x10000; ++code)
        keepIfExact(table.pair[code], quint16(code));
    return table;
}

const DecodeTable& exactDecodeTable()
{
    static const DecodeTable table = buildExactDecodeTable(decodeTable(), encodeTable());
    return table;
}

std::optional<QString> decodeWith(const DecodeTable& table, QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* const start = text.data();
    QChar* out = start;
    const auto* in = reinterpret_cast<const uchar*>(bytes.data());
    const auto* const end = in + bytes.size();
    while (in != end) {
        const uchar byte = *in++;
        char16_t unit = table.single[byte];
        if (unit == noUnit) {
            if (in == end)
                return std::nullopt;
            unit = table.pair[byte << 8 | *in++];
            if (unit == noUnit)
                return std::nullopt;
        }
        *out++ = QChar(unit);
    }
    text.truncate(out - start);
    return text;
}

} // namespace

std::optional<QString> decodeShiftJis(QByteArrayView bytes)
{
    return decodeWith(decodeTable(), bytes);
}

std::optional<QString> decodeShiftJisExactly(QByteArrayView bytes)
{
    return decodeWith(exactDecodeTable(), bytes);
}

std::optional<QByteArray> encodeShiftJis(QStringView text)
{
    const EncodeTable& table = encodeTable();
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char* const start = bytes.data();
    char* out = start;
    for (const QChar c : text) {
        const quint16 code = table[c.unicode()];
        if (code == noCode)
            return std::nullopt;
        if (code > 0xFF)
            *out++ = char(code >> 8);
        *out++ = char(code & 0xFF);
    }
    bytes.truncate(out - start);
    return bytes;
}

} // namespace quillet
