#pragma once

#include <QObject>

namespace quillet {

struct WindowParts;

// The preview toolbar's two commands on the source view: taking the menu text from the
// selection, and saving the edited source back to the previewed file.
class SourceCommands : public QObject
{
    Q_OBJECT
public:
    SourceCommands(WindowParts& parts, QObject* parent);

private:
    void CmdComInsert_Click();
    void CmdFileSave_Click();
    // Shows why the view's text may not be written to path, if it may not.
    bool refuseSave(const QString& path);

    WindowParts& m_parts;
};

} // namespace quillet
