#pragma once

#include <QString>

namespace quillet {

#ifdef Q_OS_WIN
inline constexpr QChar nativeSeparator = u'\\';
#else
inline constexpr QChar nativeSeparator = u'/';
#endif

// The bare file name: the last piece after the separator, or empty when the path
// holds no separator at all.
QString GetFileName(const QString& path, QChar separator = nativeSeparator);

// The folder of the path with its trailing separator; empty when there is none.
QString GetFolderPath(const QString& path, QChar separator = nativeSeparator);

} // namespace quillet
