#include "engine/sourcesave.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace quillet {

namespace {

QByteArray digestOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

// The page was read from exactly these bytes (reading refuses anything that would not
// come back the same), so the digest needs no second read.
SourceOrigin sourceOrigin(const QString& path, const Page& page)
{
    return {path, page.format, digestOf(encodePage(page.text, page.format).bytes)};
}

std::optional<QString> refuseSourceSave(const std::optional<SourceOrigin>& origin,
                                        const QString& path)
{
    if (path.isEmpty())
        return QStringLiteral("保存先のファイル名がありません。");
    if (!origin || origin->path != path)
        return QStringLiteral("表示中のテキストはこのファイルを読み込んだものではありません。");
    return std::nullopt;
}

bool changedOnDisk(const SourceOrigin& origin)
{
    QFile file(origin.path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray bytes = file.readAll();
    return file.error() != QFileDevice::NoError || digestOf(bytes) != origin.digest;
}

PageFormat saveFormat(const SourceOrigin& origin)
{
    if (!QFileInfo::exists(origin.path))
        return PageFormat{};
    const PageRead now = readPage(origin.path);
    return now.ok ? now.page.format : origin.format;
}

SourceSave saveSource(const SourceOrigin& origin, const QString& text)
{
    const PageFormat format = saveFormat(origin);
    SourceSave save{writePage(origin.path, text, format), origin};
    if (save.write.ok)
        save.origin = sourceOrigin(origin.path, Page{text, format});
    return save;
}

UserMessage sourceSaveFailure(const QString& description)
{
    return {QString(), description + QStringLiteral("\r\nファイルは保存できませんでした")};
}

UserMessage sourceChangedQuestion(const QString& path)
{
    return {QStringLiteral("クイレット"),
            path + QStringLiteral("\r\nこのファイルは表示した後に変更されています。"
                                  "\r\n表示中のテキストで置き換えますか？")};
}

} // namespace quillet
