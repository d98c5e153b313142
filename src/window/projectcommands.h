#pragma once

#include "engine/pagewriter.h"
#include "project/projectstore.h"

#include <QObject>

class QFileSystemWatcher;
class QTimer;

namespace quillet {

struct MainMenu;
struct WindowParts;

// The project commands: the start-up reload, typing and picking a name, the clear button,
// saving and deleting the project; the project list follows the project file when another
// program changes it.
class ProjectCommands : public QObject
{
    Q_OBJECT
public:
    ProjectCommands(WindowParts& parts, const MainMenu& menu, QObject* parent);

    // Saves the project shown in the window; false when the project text could not be stored.
    // linksCorrectedByRun: the run that follows corrects the self-links (SaveRequest).
    SaveOutcome saveProject(PageWriter& pages, bool linksCorrectedByRun = false);

    // Asks whether to save the window's unsaved changes before they are dropped; false when
    // the user cancels or the save fails, and they must stay.
    bool mayDropChanges();

    // The project tag of the current name.
    QString projectTag() const;

signals:
    // The start-up (or post-deletion) reload has filled the window.
    void reloaded();

private:
    void setupTimer();
    void setupWatcher();
    void watchProjectFile();
    void projectFileChanged();
    void refreshProjectList();
    void connectControls(const MainMenu& menu);

    void Timer1_Timer();
    void CmbName_Change(const QString& text);
    void CmbName_Click();
    void SelectProject();
    void CmdClear_Click();
    void mpsave_Click();
    void mperase_Click();
    bool mayDropChangesUnder(const QString& name, bool nameCounts);
    bool hasUnsavedChanges(bool nameCounts) const;
    bool saveUnder(QString name); // by value: name may be the state's own
    void markStored();
    void showProjectList(const ProjectList& list);
    void LoadFileList(const QString& name);
    void LoadMenuText(const QString& name);
    void setProjectTag();

    WindowParts& m_parts;
    QTimer* Timer1 = nullptr;
    QFileSystemWatcher* m_watcher = nullptr;
    QTimer* m_refreshTimer = nullptr; // re-reads the file once the window is idle
};

} // namespace quillet
