#include "window/filelistwidget.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace quillet {

FileListWidget::FileListWidget(QWidget* parent) : QListWidget(parent)
{
    setAcceptDrops(true);
    // The entries are never dragged: the list only receives.
    setDragDropMode(QAbstractItemView::DropOnly);
}

// Every drop is taken: one that brings no file still runs the check.
void FileListWidget::dragEnterEvent(QDragEnterEvent* event)
{
    event->acceptProposedAction();
}

void FileListWidget::dragMoveEvent(QDragMoveEvent* event)
{
    event->acceptProposedAction();
}

void FileListWidget::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    emit filesDropped(urls);
}

// A right-button press leaves the selection as it is: the popup works on it.
void FileListWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        emit rightButtonPressed(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

} // namespace quillet
