#include "project/projectencoding.h"

#include "project/projecttext.h"

namespace quillet {

ProjectFileContent projectFileContent(const QString& text, const PageFormat& format)
{
    if (format.encoding != PageEncoding::ShiftJis || encodePage(text, format).ok)
        return {text, format};
    ProjectFileContent content{text, format};
    content.format.encoding = PageEncoding::Utf8;
    if (text.startsWith(projectDeclarationLine))
        content.text.replace(0, projectDeclarationLine.size(), utf8DeclarationLine);
    return content;
}

} // namespace quillet
