#pragma once

#include "filelist/candidatesearch.h"

#include <QList>
#include <QObject>
#include <QUrl>

class QMenu;

namespace quillet {

struct MainMenu;
struct WindowParts;

// The commands on the file list: adding through the open dialog, removing and clearing
// entries, clicks and the popup menu, the drop with its project check (filelistdrop.cpp)
// and the candidate searches (filelistsearch.cpp).
class FileListCommands : public QObject
{
    Q_OBJECT
public:
    FileListCommands(WindowParts& parts, const MainMenu& menu, QObject* parent);

    // Pages the program was started with ("open with" on the desktop) join the list as a
    // drop of them would.
    void openPages(const QStringList& paths);

private:
    void connectControls(const MainMenu& menu);

    void mSelectHtmlFile_Click();
    void CmdLineDel_Click();
    void Md_Click();
    void mclr_Click();
    void LstFile_Click();
    void LstFile_DblClick();
    void LstFile_MouseDown(const QPoint& globalPos);
    // Adds the paths the project file can hold, each at its sorted place, and names the
    // others in one message.
    void addAdmittedPaths(const QStringList& paths);

    // The drop (filelistdrop.cpp).
    void LstFile_OLEDragDrop(const QList<QUrl>& urls);
    bool takeFoundProjectName(const QString& found);
    void setCurrentName(const QString& name);

    // The candidate searches (filelistsearch.cpp).
    void mhp_Click();
    void mhr_Click();
    void refillWithCandidates(const QStringList& candidates, const CandidateTest& test);

    WindowParts& m_parts;
    QMenu* m_popup = nullptr;
};

} // namespace quillet
