#pragma once

#include "engine/pagewriter.h"
#include "engine/usermessage.h"
#include "window/windowpage.h"
#include "window/windowstate.h"

#include <QList>
#include <QStringList>
#include <functional>

class QStatusBar;
class QWidget;

namespace quillet {

class FileListPage;
class LogView;
class MenuTextPage;
class PagePreview;
class ProjectPanel;
class ProjectStore;
class WindowDialogs;

// The parts of the window that the command classes work on, each through its own small
// interface. The window builds them and outlives every command class.
struct WindowParts
{
    WindowDialogs& dialogs;
    ProjectStore& store;
    WindowState& state;
    QWidget* window = nullptr; // parent of progress dialogs
    ProjectPanel* projectPanel = nullptr;
    FileListPage* fileList = nullptr;
    MenuTextPage* menuText = nullptr;
    PagePreview* preview = nullptr;
    LogView* log = nullptr;
    QStatusBar* statusBar = nullptr;           // sums up the last run
    std::function<void(WindowPage)> selectTab; // with the effect of the user's click on its tab

    void appendLog(const QStringList& lines) const;
    // Replaces the log with the lines of the command just run and shows it.
    void showRunLog(const QStringList& lines) const;

    // Shows each message in a box, in order.
    void showMessages(const QList<UserMessage>& messages) const;

    // Tells once that the journal could not be written, if so; whether it told.
    bool showJournalFailure(const PageWriter& pages) const;

    // The pages a command replaces, journalled under the current project.
    JournalledPages journalledPages(const QString& command) const;
};

} // namespace quillet
