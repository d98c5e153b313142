#pragma once

#include <QObject>

namespace quillet {

struct MainMenu;
struct WindowParts;

// The project menu's last item: takes back the last command that replaced pages of the
// current project file, after asking, and logs one line per page.
class UndoCommand : public QObject
{
    Q_OBJECT
public:
    UndoCommand(WindowParts& parts, const MainMenu& menu, QObject* parent);

private:
    void mundo_Click();

    WindowParts& m_parts;
};

} // namespace quillet
