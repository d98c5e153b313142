#pragma once

#include "engine/sourcesave.h"
#include "window/crlftextedit.h"

#include <optional>

namespace quillet {

// The source view: the preview's editor and the runs' work buffer. It knows which file its
// text was loaded from, and forgets it as soon as anything else replaces the text, so the
// save never writes one page's text over another.
class SourceTextView : public CrLfTextEdit
{
    Q_OBJECT
public:
    explicit SourceTextView(QWidget* parent = nullptr);

    void showFile(const QString& path, const Page& page);
    const std::optional<SourceOrigin>& origin() const { return m_origin; }
    // The text was written to the origin's file.
    void markSaved(const SourceOrigin& origin);
    // Whether the text is the file's, with edits not yet saved.
    bool hasUnsavedEditsOf(const QString& path) const;

signals:
    // Files dropped from the desktop, in the order the drop carried them.
    void filesDropped(const QStringList& paths);

protected:
    // Only dropped files are taken; dropped text is never inserted.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::optional<SourceOrigin> m_origin;
};

} // namespace quillet
