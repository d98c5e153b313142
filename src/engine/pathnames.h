#pragma once

#include <QString>

namespace quillet {

inline constexpr QChar nativeSeparator = u'/';

// The bare file name: the last piece after the separator, or empty when the path
// holds no separator at all.
QString GetFileName(const QString& path, QChar separator = nativeSeparator);

// The folder of the path with its trailing separator; empty when there is none.
QString GetFolderPath(const QString& path, QChar separator = nativeSeparator);

} // namespace quillet
