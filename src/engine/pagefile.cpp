#include "engine/pagefile.h"
#include "engine/shiftjis.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace quillet {

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");

QString undecodableError()
{
    return QStringLiteral("文字コードを正しく変換できないバイトを含んでいます。");
}

bool hasHighByte(const QByteArray& bytes)
{
    return std::any_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

bool declaresUtf8(const QByteArray& asciiBytes)
{
    static const QRegularExpression declaration(QStringLiteral(R"(charset *= *["']?utf-8)"),
                                                QRegularExpression::CaseInsensitiveOption);
    return declaration.match(QString::fromLatin1(asciiBytes)).hasMatch();
}

PageEncoding detectEncoding(const QByteArray& bytes)
{
    if (bytes.startsWith(utf8Bom))
        return PageEncoding::Utf8WithBom;
    // The check stops at the first invalid byte (a Shift_JIS page fails at once) and counts
    // a character cut off by the end of the file as invalid.
    if (hasHighByte(bytes))
        return bytes.isValidUtf8() ? PageEncoding::Utf8 : PageEncoding::ShiftJis;
    return declaresUtf8(bytes) ? PageEncoding::Utf8 : PageEncoding::ShiftJis;
}

struct Decoded
{
    bool ok = false;
    QString text;
};

Decoded decodeUtf8(QByteArrayView body)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(body);
    return {decoder.isValid() && !decoder.hasError(), text};
}

struct Encoded
{
    bool ok = false;
    QByteArray bytes;
};

Encoded encodeAs(const QString& text, PageEncoding encoding)
{
    if (encoding == PageEncoding::ShiftJis) {
        std::optional<QByteArray> bytes = encodeShiftJis(text);
        return {bytes.has_value(), std::move(bytes).value_or(QByteArray())};
    }
    QStringEncoder encoder(QStringEncoder::Utf8);
    QByteArray bytes = encoder.encode(text);
    return {encoder.isValid() && !encoder.hasError(), bytes};
}

// Invalid bytes and duplicate codes would come back different: such a text is refused
// rather than corrupted. The Shift_JIS table knows which codes come back the same.
Decoded decodeExactly(QByteArrayView body, PageEncoding encoding)
{
    if (encoding == PageEncoding::ShiftJis) {
        std::optional<QString> text = decodeShiftJisExactly(body);
        return {text.has_value(), std::move(text).value_or(QString())};
    }
    Decoded decoded = decodeUtf8(body);
    const Encoded again = encodeAs(decoded.text, encoding);
    decoded.ok = decoded.ok && again.ok && again.bytes == body;
    return decoded;
}

// QSaveFile derives the new file's mode from what the current user may do, which differs
// from the page's own mode when the user is not its owner (root made a 0444 page 0644).
bool keepPermissions(const QString& path, QSaveFile& file)
{
    if (!QFileInfo::exists(path))
        return true;
    const QFileDevice::Permissions userBits =
        QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    return file.setPermissions(QFile::permissions(path) & ~userBits);
}

// Whether every CR and LF of the text stands in a CR LF pair.
bool hasOnlyLineBreakPairs(const QString& text)
{
    qsizetype pairs = 0;
    for (qsizetype i = text.indexOf(u'\r'); i >= 0; i = text.indexOf(u'\r', i + 1)) {
        if (i + 1 == text.size() || text[i + 1] != u'\n')
            return false;
        ++pairs;
    }
    return text.count(u'\n') == pairs;
}

bool isLfFile(const QString& text)
{
    return !text.contains(u'\r') && text.contains(u'\n');
}

} // namespace

QString unencodableError()
{
    return QStringLiteral("ファイルの文字コードで表せない文字を含んでいます。");
}

PageRead decodePage(const QByteArray& bytes)
{
    PageRead read;
    read.page.format.encoding = detectEncoding(bytes);
    const qsizetype bomSize =
        read.page.format.encoding == PageEncoding::Utf8WithBom ? utf8Bom.size() : 0;
    Decoded decoded =
        decodeExactly(QByteArrayView(bytes).sliced(bomSize), read.page.format.encoding);
    if (!decoded.ok) {
        read.error = undecodableError();
        return read;
    }
    read.bytes = bytes;
    read.page.format.lfLineEnds = isLfFile(decoded.text);
    if (read.page.format.lfLineEnds)
        decoded.text.replace(u'\n', QStringLiteral("\r\n"));
    read.page.text = std::move(decoded.text);
    read.ok = true;
    return read;
}

PageBytes encodePage(const QString& text, const PageFormat& format)
{
    // A lone CR or LF would not read back as written in LF form (a lone CR stops the file
    // reading as LF-only, a lone LF comes back as CR LF): such a text keeps its CR LF form.
    const bool asLf = format.lfLineEnds && hasOnlyLineBreakPairs(text);
    const QString onDisk =
        asLf ? QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) : text;
    Encoded encoded = encodeAs(onDisk, format.encoding);
    if (format.encoding == PageEncoding::Utf8WithBom)
        encoded.bytes.prepend(utf8Bom);
    return {encoded.ok, encoded.bytes};
}

PageRead readPage(const QString& path)
{
    PageRead read;
    const QFileInfo info(path);
    if (info.isDir()) {
        read.error = QStringLiteral("フォルダです。");
        return read;
    }
    // A pipe or a device would block the run or never end.
    if (info.exists() && !info.isFile()) {
        read.error = QStringLiteral("通常のファイルではありません。");
        return read;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.error = file.errorString();
        return read;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        read.error = file.errorString();
        return read;
    }
    return decodePage(bytes);
}

PageWrite writePage(const QString& path, const QString& text, const PageFormat& format)
{
    const PageBytes encoded = encodePage(text, format);
    if (!encoded.ok)
        return {false, unencodableError()};
    return writePageBytes(path, encoded.bytes);
}

PageWrite writePageBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (!keepPermissions(path, file))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return {false, error};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

} // namespace quillet
