#include "window/pagepreview.h"

#include "engine/pagefile.h"
#include "window/previewtoolbar.h"
#include "window/sourcetextview.h"
#include "window/webpageview.h"

namespace quillet {

PagePreview::PagePreview(QWidget* window) : QObject(window)
{
    FrmHtml = new PreviewToolbar(window);
    RTB1 = new SourceTextView(window);
    RTB1->setObjectName(QStringLiteral("RTB1"));
    WB2 = new WebPageView(window);
    WB2->setObjectName(QStringLiteral("WB2"));
    connectControls();
}

void PagePreview::connectControls()
{
    connect(FrmHtml, &PreviewToolbar::chosenPathEdited, this, &PagePreview::showChosen);
    connect(FrmHtml, &PreviewToolbar::chosenPathPicked, this, &PagePreview::showChosen);
    connect(FrmHtml, &PreviewToolbar::menuFromSelectionClicked, this,
            &PagePreview::menuFromSelectionRequested);
    connect(FrmHtml, &PreviewToolbar::saveSourceClicked, this, &PagePreview::saveSourceRequested);
    connect(RTB1, &SourceTextView::filesDropped, this, &PagePreview::showDroppedFile);
}

QWidget* PagePreview::toolbar() const
{
    return FrmHtml;
}

QWidget* PagePreview::sourcePage() const
{
    return RTB1;
}

QWidget* PagePreview::webPage() const
{
    return WB2;
}

QString PagePreview::chosenPath() const
{
    return FrmHtml->chosenPath();
}

void PagePreview::choosePath(const QString& path)
{
    FrmHtml->choosePath(path);
}

void PagePreview::offerFiles(const QStringList& paths, const QString& chosen)
{
    FrmHtml->setChoices(paths);
    if (!chosen.isEmpty())
        choosePath(chosen);
    else if (!paths.isEmpty())
        choosePath(paths.first());
}

// Both views follow the chooser at once, shown or not. A file that cannot be read
// leaves both as they were, without a word. Edits not yet saved survive a look at the
// web tab and back: reloading the same file would throw them away.
void PagePreview::showChosen()
{
    const QString path = chosenPath();
    if (!path.isEmpty() && !RTB1->hasUnsavedEditsOf(path)) {
        const PageRead read = readPage(path);
        if (!read.ok)
            return;
        RTB1->showFile(path, read.page);
    }
    WB2->showFile(path);
}

bool PagePreview::hasUnsavedSourceEdits() const
{
    return RTB1->origin() && RTB1->hasUnsavedEditsOf(RTB1->origin()->path);
}

void PagePreview::setMenuFromSelectionEnabled(bool enabled)
{
    FrmHtml->setMenuFromSelectionEnabled(enabled);
}

void PagePreview::clear()
{
    RTB1->clear();
    FrmHtml->clearChoices();
}

void PagePreview::clearSource()
{
    RTB1->clear();
}

void PagePreview::showLastPageRead(const QString& text)
{
    RTB1->setText(text);
}

QString PagePreview::selectedSourceText() const
{
    return RTB1->selectedText();
}

QString PagePreview::saveTarget() const
{
    return chosenPath();
}

const std::optional<SourceOrigin>& PagePreview::sourceOrigin() const
{
    return RTB1->origin();
}

QString PagePreview::sourceText() const
{
    return RTB1->text();
}

void PagePreview::markSourceSaved(const SourceOrigin& origin)
{
    RTB1->markSaved(origin);
}

// Only the first dropped file is shown; one that cannot be read changes nothing.
void PagePreview::showDroppedFile(const QStringList& paths)
{
    const QString path = paths.first();
    const PageRead read = readPage(path);
    if (!read.ok)
        return;
    RTB1->showFile(path, read.page);
    // Naming the file the chooser already names is no change, yet the page may be new.
    if (chosenPath() == path)
        showChosen();
    else
        choosePath(path);
}

} // namespace quillet
