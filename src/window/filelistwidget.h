#pragma once

#include <QList>
#include <QListWidget>
#include <QUrl>

namespace quillet {

// The target file list: takes files dropped from the desktop and reports a right-button
// press anywhere over it, entry or not.
class FileListWidget : public QListWidget
{
    Q_OBJECT
public:
    explicit FileListWidget(QWidget* parent = nullptr);

signals:
    void filesDropped(const QList<QUrl>& urls);
    void rightButtonPressed(const QPoint& globalPos);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace quillet
