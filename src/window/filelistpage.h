#pragma once

#include <QStringList>
#include <QWidget>

namespace quillet {

class FileListWidget;
class WelcomePicture;

// The file list page: the target files of the project, kept in sorted order, with the
// welcome picture over them whenever the list is empty.
class FileListPage : public QWidget
{
    Q_OBJECT
public:
    explicit FileListPage(QWidget* parent = nullptr);
    ~FileListPage() override;

    FileListWidget* LstFile = nullptr;
    WelcomePicture* Picture1 = nullptr;

    QStringList paths() const;
    void setPaths(const QStringList& paths);
    // Inserts the path at its sorted place (after equal entries).
    void addPath(const QString& path);
    // The same for many paths at once, in time linear in the list; the selection stays.
    void addPaths(const QStringList& paths);
    void clear();
    void deselectAll();
    // Removes every selected entry; the others keep their order.
    void removeSelected();
    // The welcome picture shows exactly when the list is empty.
    void updateWelcomePicture();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeWelcomePicture();
    void keepWelcomePictureInStep();
};

} // namespace quillet
