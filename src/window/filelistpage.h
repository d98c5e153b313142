#pragma once

#include <QStringList>
#include <QWidget>

class QListWidget;

namespace quillet {

class WelcomePicture;

// The file list page: the target files of the project, kept in sorted order, with the
// welcome picture over them.
class FileListPage : public QWidget
{
    Q_OBJECT
public:
    explicit FileListPage(QWidget* parent = nullptr);

    QListWidget* LstFile = nullptr;
    WelcomePicture* Picture1 = nullptr;

    QStringList paths() const;
    void setPaths(const QStringList& paths);
    void addPath(const QString& path);
    void clear();
    void deselectAll();
    // The welcome picture shows exactly when the list is empty.
    void updateWelcomePicture();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeWelcomePicture();
};

} // namespace quillet
