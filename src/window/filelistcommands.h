#pragma once

#include <QObject>

class QMenu;

namespace quillet {

struct MainMenu;
struct WindowParts;

// The commands on the file list's entries: adding through the open dialog, removing and
// clearing entries, clicks and the popup menu.
class FileListCommands : public QObject
{
    Q_OBJECT
public:
    FileListCommands(WindowParts& parts, const MainMenu& menu, QObject* parent);

private:
    void connectControls(const MainMenu& menu);

    void mSelectHtmlFile_Click();
    void CmdLineDel_Click();
    void Md_Click();
    void mclr_Click();
    void LstFile_Click(const QString& path);
    void LstFile_DblClick(const QString& path);
    void LstFile_MouseDown(const QPoint& globalPos);
    // Adds the paths the project file can hold, each at its sorted place, and names the
    // others in one message.
    void addAdmittedPaths(const QStringList& paths);

    WindowParts& m_parts;
    QMenu* m_popup = nullptr;
};

} // namespace quillet
