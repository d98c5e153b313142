#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>
#include <QWidget>

namespace quillet {

class FileListWidget;
class WelcomePicture;

// The file list page: the target files of the project, kept in sorted order, with the
// welcome picture over them whenever the list is empty. It tells what the user did with
// the list; the command classes answer.
class FileListPage : public QWidget
{
    Q_OBJECT
public:
    explicit FileListPage(QWidget* parent = nullptr);
    ~FileListPage() override;

    QStringList paths() const;
    qsizetype count() const;
    // The first selected entry, or empty when none is selected.
    QString firstSelectedPath() const;
    void setPaths(const QStringList& paths);
    // Adds the paths at their sorted places (after equal entries), in time linear in the
    // list; the selection stays.
    void addPaths(const QStringList& paths);
    void clear();
    void deselectAll();
    // Removes every selected entry; the others keep their order.
    void removeSelected();
    // The welcome picture shows exactly when the list is empty.
    void updateWelcomePicture();

signals:
    void entryClicked(const QString& path);
    void entryDoubleClicked(const QString& path);
    // A right-button press anywhere over the list, entry or not.
    void popupRequested(const QPoint& globalPos);
    void filesDropped(const QList<QUrl>& urls);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void connectList();
    void insertSorted(const QStringList& sortedPaths);
    void rebuildWith(const QStringList& sortedPaths);
    void placeWelcomePicture();
    void keepWelcomePictureInStep();
    QString currentPath() const;

    FileListWidget* LstFile = nullptr;
    WelcomePicture* Picture1 = nullptr;
};

} // namespace quillet
