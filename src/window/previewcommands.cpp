#include "window/previewcommands.h"

#include "engine/pagefile.h"
#include "window/crlftextedit.h"
#include "window/previewtoolbar.h"
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
    connect(chooser, &QComboBox::editTextChanged, this, &PreviewCommands::ShowPreview);
    connect(chooser, &QComboBox::activated, this, &PreviewCommands::ShowPreview);
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

// A file that cannot be read leaves the source view as it was, without a word.
void PreviewCommands::ShowPreview()
{
    const QString path = m_parts.FrmHtml->Combo1->currentText();
    if (path.isEmpty())
        return;
    const PageRead read = readPage(path);
    if (read.ok)
        m_parts.RTB1->setText(read.page.text);
}

} // namespace quillet
