#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace quillet {

struct WindowParts;

// Files dropped on the file list join it, and every listed file is checked: the pages must
// agree on their project, whose name the window takes, and an empty menu text is taken from
// them.
class FileListDrop : public QObject
{
    Q_OBJECT
public:
    FileListDrop(WindowParts& parts, QObject* parent);

    // Pages the program was started with ("open with" on the desktop) join the list as a
    // drop of them would.
    void openPages(const QStringList& paths);

private:
    void LstFile_OLEDragDrop(const QList<QUrl>& urls);
    bool takeFoundProjectName(const QString& found);
    void setCurrentName(const QString& name);

    WindowParts& m_parts;
};

} // namespace quillet
