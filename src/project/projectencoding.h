#pragma once

#include "engine/pagefile.h"

#include <QString>

namespace quillet {

struct ProjectFileContent
{
    QString text;
    PageFormat format;
};

// What to write for the project text in the file's form. A Shift_JIS file that cannot hold the
// text (a menu or path with é or Hangul) becomes UTF-8 and its declaration says so, rather than
// refusing the project.
ProjectFileContent projectFileContent(const QString& text, const PageFormat& format);

} // namespace quillet
