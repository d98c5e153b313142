#include "window/sourcetextview.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTextDocument>
#include <QUrl>

namespace quillet {

SourceTextView::SourceTextView(QWidget* parent) : CrLfTextEdit(parent)
{
    connect(this, &CrLfTextEdit::textReplaced, this, [this] { m_origin.reset(); });
}

void SourceTextView::showFile(const QString& path, const Page& page)
{
    setText(page.text);
    document()->setModified(false);
    m_origin = sourceOrigin(path, page);
}

void SourceTextView::markSaved(const SourceOrigin& origin)
{
    m_origin = origin;
    document()->setModified(false);
}

bool SourceTextView::hasUnsavedEditsOf(const QString& path) const
{
    return m_origin && m_origin->path == path && document()->isModified();
}

void SourceTextView::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void SourceTextView::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        event->ignore();
}

void SourceTextView::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    QStringList paths;
    for (const QUrl& url : urls)
        paths.append(url.toLocalFile());
    emit filesDropped(paths);
}

} // namespace quillet
