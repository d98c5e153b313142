#pragma once

#include "scripteddialogs.h"
#include "window/fommain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QUrl>
#include <QWebEngineView>
#include <memory>

// Drives the main window the way a user does: clicks, typing and menu commands, finding
// every control by its name.
class WindowDriver
{
public:
    // Opens the window on the project file and waits for the start-up reload.
    // openedPages: the pages the program is started with.
    explicit WindowDriver(const QString& projectFile, const QStringList& openedPages = {});

    ScriptedDialogs dialogs;
    quillet::FomMain& window() { return *m_window; }

    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QComboBox* names() const { return control<QComboBox>("CmbName"); }
    QLineEdit* tag() const { return control<QLineEdit>("TxtTag"); }
    QListWidget* fileList() const { return control<QListWidget>("LstFile"); }
    QPlainTextEdit* menuText() const { return control<QPlainTextEdit>("TxtOrg"); }
    QPlainTextEdit* sourceView() const { return control<QPlainTextEdit>("RTB1"); }
    QTabBar* tabs() const { return control<QTabBar>("TabStrip1"); }
    QComboBox* chooser() const { return control<QComboBox>("Combo1"); }
    QWebEngineView* webView() const { return control<QWebEngineView>("WB2"); }

    bool waitForReload() const;
    void pickProject(const QString& name);
    void typeProjectName(const QString& name);
    void typeMenuText(const QStringList& lines); // each line after a new line
    void typeInChooser(const QString& path);     // replacing what it held
    void click(const char* buttonName);
    void choose(const char* menuItemName);
    void clickTab(int n);
    void clickFileListEntry(int row);
    void doubleClickFileListEntry(int row);
    void controlClickFileListEntries(const QList<int>& rows);
    void rightClickFileList(const QPoint& pos);
    // Drops the local files (or other URLs) on the file list as the desktop does.
    void dropOnFileList(const QList<QUrl>& urls);
    void dropFilesOnFileList(const QStringList& paths);

    QStringList fileListEntries() const;
    QStringList logLines() const;
    QStringList projectNames() const;

private:
    std::unique_ptr<quillet::FomMain> m_window;
};
