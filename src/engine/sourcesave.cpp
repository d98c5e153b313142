#include "engine/sourcesave.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace quillet {

namespace {

QByteArray digestOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// The page as it stands, for the writer's journal. Bytes that no longer read are still
// kept, with the format the view was loaded with.
PageRead pageBefore(const SourceOrigin& origin, PageWriter& pages)
{
    const PageRead before = pages.read(origin.path);
    if (before.ok || !QFileInfo(origin.path).isFile())
        return before;
    PageRead bytes = readPageBytes(origin.path);
    bytes.page = Page{QString(), origin.format};
    return bytes;
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
        return QCoreApplication::translate("SourceSave", "保存先のファイル名がありません。");
    if (!origin || origin->path != path)
        return QCoreApplication::translate(
            "SourceSave", "表示中のテキストはこのファイルを読み込んだものではありません。");
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

SourceSave saveSource(const SourceOrigin& origin, const QString& text, PageWriter& pages)
{
    SourceSave save{{}, origin};
    PageFormat format;
    if (!QFileInfo::exists(origin.path)) {
        // Nothing to keep for an undo.
        save.write = writePage(origin.path, text, format);
    } else {
        const PageRead before = pageBefore(origin, pages);
        if (!before.ok) {
            save.write = {false, before.error};
            return save;
        }
        format = before.page.format;
        save.write = pages.replace(origin.path, before, text);
    }
    if (save.write.ok)
        save.origin = sourceOrigin(origin.path, Page{text, format});
    return save;
}

UserMessage sourceSaveFailure(const QString& description)
{
    return {QString(), description + QCoreApplication::translate(
                                         "SourceSave", "\r\nファイルは保存できませんでした")};
}

UserMessage sourceChangedQuestion(const QString& path)
{
    return {QCoreApplication::translate("SourceSave", "クイレット"),
            path + QCoreApplication::translate("SourceSave",
                                               "\r\nこのファイルは表示した後に変更されています。"
                                               "\r\n表示中のテキストで置き換えますか？")};
}

} // namespace quillet
