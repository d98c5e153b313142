#pragma once

#include "scripteddialogs.h"
#include "window/fommain.h"

#include <QStringList>
#include <memory>

class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabBar;
class QWidget;

// Drives the main window the way a user does: clicks, typing and menu commands, finding
// every control by its name.
class WindowDriver
{
public:
    // Opens the window on the project file and waits for the start-up reload.
    explicit WindowDriver(const QString& projectFile);
    ~WindowDriver();

    ScriptedDialogs dialogs;
    quillet::FomMain& window() { return *m_window; }

    template <typename T> T* control(const char* name) const
    {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    QComboBox* names() const;
    QLineEdit* tag() const;
    QListWidget* fileList() const;
    QPlainTextEdit* menuText() const;
    QPlainTextEdit* sourceView() const;
    QListWidget* log() const;
    QTabBar* tabs() const;

    bool waitForReload() const;
    void pickProject(const QString& name);
    void typeProjectName(const QString& name);
    void typeMenuText(const QStringList& lines);
    void click(const char* buttonName);
    void choose(const char* menuItemName);
    void clickTab(int n);
    void clickFileListEntry(int row);

    QStringList fileListEntries() const;
    QStringList logLines() const;
    QStringList projectNames() const;

private:
    std::unique_ptr<quillet::FomMain> m_window;
};
