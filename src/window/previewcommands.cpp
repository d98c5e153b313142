#include "window/previewcommands.h"

#include "engine/pagefile.h"
#include "window/filelistpage.h"
#include "window/previewtoolbar.h"
#include "window/sourcetextview.h"
#include "window/webpageview.h"
#include "window/windowparts.h"

#include <QListWidget>

namespace quillet {

PreviewCommands::PreviewCommands(WindowParts& parts, QObject* parent)
    : QObject(parent), m_parts(parts)
{
    connectControls();
}

void PreviewCommands::connectControls()
{
    const PreviewToolbar* chooser = m_parts.FrmHtml;
    connect(chooser, &PreviewToolbar::chosenPathEdited, this, &PreviewCommands::Combo1_Change);
    connect(chooser, &PreviewToolbar::chosenPathPicked, this, &PreviewCommands::Combo1_Click);
    connect(m_parts.RTB1, &SourceTextView::filesDropped, this, &PreviewCommands::RTB1_OLEDragDrop);
}

// The chooser lists the file list as it is now and names the first selected file, or
// else the first file.
void PreviewCommands::FillPreviewList()
{
    PreviewToolbar* chooser = m_parts.FrmHtml;
    const QListWidget* list = m_parts.LstFile;
    chooser->setChoices(m_parts.fileListPage->paths());
    if (list->count() > 0)
        chooser->choosePath(list->item(0)->text());
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected()) {
            chooser->choosePath(list->item(i)->text());
            return;
        }
    }
}

// Both views follow the chooser at once, shown or not. A file that cannot be read
// leaves both as they were, without a word. Edits not yet saved survive a look at the
// web tab and back: reloading the same file would throw them away.
void PreviewCommands::ShowPreview()
{
    const QString path = m_parts.FrmHtml->chosenPath();
    if (!path.isEmpty() && !m_parts.RTB1->hasUnsavedEditsOf(path)) {
        const PageRead read = readPage(path);
        if (!read.ok)
            return;
        m_parts.RTB1->showFile(path, read.page);
    }
    m_parts.WB2->showFile(path);
}

void PreviewCommands::Combo1_Change()
{
    ShowPreview();
}

void PreviewCommands::Combo1_Click()
{
    ShowPreview();
}

// Only the first dropped file is shown; one that cannot be read changes nothing.
void PreviewCommands::RTB1_OLEDragDrop(const QStringList& paths)
{
    const QString path = paths.first();
    const PageRead read = readPage(path);
    if (!read.ok)
        return;
    m_parts.RTB1->showFile(path, read.page);
    // Naming the file the chooser already names is no change, yet the page may be new.
    if (m_parts.FrmHtml->chosenPath() == path)
        ShowPreview();
    else
        m_parts.FrmHtml->choosePath(path);
}

} // namespace quillet
