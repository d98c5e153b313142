#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringEncoder>

#include <sys/stat.h>

// Page files built in code for the engine tests.
namespace quillet::fixtures {

inline QByteArray shiftJis(const QString& text)
{
    QStringEncoder encoder("Shift_JIS");
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        qFatal("fixture text is not Shift_JIS");
    return bytes;
}

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write fixture %s", qPrintable(path));
}

inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The names in a folder, to see that a write left no temporary file behind.
inline QStringList folderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

// Changes when a write replaced the file, even with the same bytes.
inline quint64 inodeOf(const QString& path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace quillet::fixtures
