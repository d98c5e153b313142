#include "window/previewcommands.h"

#include "engine/pagefile.h"
#include "window/previewtoolbar.h"
#include "window/sourcetextview.h"
#include "window/webpageview.h"
#include "window/windowparts.h"

#include <QComboBox>
#include <QListWidget>

namespace quillet {

PreviewCommands::PreviewCommands(WindowParts& parts, QObject* parent)
    : QObject(parent), m_parts(parts)
{
    connectControls();
}

void PreviewCommands::connectControls()
{
    QComboBox* chooser = m_parts.FrmHtml->Combo1;
    connect(chooser, &QComboBox::editTextChanged, this, &PreviewCommands::Combo1_Change);
    connect(chooser, &QComboBox::activated, this, &PreviewCommands::Combo1_Click);
    connect(m_parts.RTB1, &SourceTextView::filesDropped, this, &PreviewCommands::RTB1_OLEDragDrop);
}

// The chooser lists the file list as it is now and names the first selected file, or
// else the first file.
void PreviewCommands::FillPreviewList()
{
    QComboBox* chooser = m_parts.FrmHtml->Combo1;
    const QListWidget* list = m_parts.LstFile;
    chooser->clear();
    for (int i = 0; i < list->count(); ++i)
        chooser->addItem(list->item(i)->text());
    if (list->count() > 0)
        chooser->setEditText(list->item(0)->text());
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected()) {
            chooser->setEditText(list->item(i)->text());
            return;
        }
    }
}

// Both views follow the chooser at once, shown or not. A file that cannot be read
// leaves both as they were, without a word. Edits not yet saved survive a look at the
// web tab and back: reloading the same file would throw them away.
void PreviewCommands::ShowPreview()
{
    const QString path = m_parts.FrmHtml->Combo1->currentText();
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
    QComboBox* chooser = m_parts.FrmHtml->Combo1;
    // Naming the file the chooser already names is no change, yet the page may be new.
    if (chooser->currentText() == path)
        ShowPreview();
    else
        chooser->setEditText(path);
}

} // namespace quillet
