#pragma once

#include <QString>
#include <QStringList>

namespace quillet {

// What the window keeps beside its controls' own texts. The command classes share it; it
// holds no widget so it can be read and set anywhere.
struct WindowState
{
    QString currentName;       // follows the project name box's text at every change
    QString LinkColor;         // "#RRGGBB", empty for the default colour
    QString SearchFolder;      // the candidate searches' folder, with its trailing separator
    QString LoadedProjectName; // the name the project was last picked for
    // The project as last loaded or saved: the window's changes are measured against it.
    QString storedName;
    QStringList storedFiles;
    QString storedMenuText;
    bool IsConverting = false; // a run or the save-changes question saves: no overwrite question
    bool linksFromSiteFolder = false; // the menu's links are written from the site folder
    bool busy = false;                // a long command is under way; the reload and commands wait
};

// Marks the window busy for a command's whole length, however it ends.
class BusyGuard
{
public:
    explicit BusyGuard(WindowState& state) : m_state(state) { m_state.busy = true; }
    ~BusyGuard() { m_state.busy = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    WindowState& m_state;
};

} // namespace quillet
