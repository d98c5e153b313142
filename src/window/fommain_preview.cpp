#include "window/fommain.h"

#include "engine/pagefile.h"
#include "window/crlftextedit.h"
#include "window/previewtoolbar.h"

#include <QComboBox>
#include <QListWidget>

namespace quillet {

// The chooser lists the file list as it is now and names the first selected file, or
// else the first file.
void FomMain::FillPreviewList()
{
    QComboBox* chooser = FrmHtml->Combo1;
    chooser->clear();
    for (int i = 0; i < LstFile->count(); ++i)
        chooser->addItem(LstFile->item(i)->text());
    if (LstFile->count() > 0)
        chooser->setEditText(LstFile->item(0)->text());
    for (int i = 0; i < LstFile->count(); ++i) {
        if (LstFile->item(i)->isSelected()) {
            chooser->setEditText(LstFile->item(i)->text());
            return;
        }
    }
}

// A file that cannot be read leaves the source view as it was, without a word.
void FomMain::ShowPreview()
{
    const QString path = FrmHtml->Combo1->currentText();
    if (path.isEmpty())
        return;
    const PageRead read = readPage(path);
    if (read.ok)
        RTB1->setText(read.page.text);
}

} // namespace quillet
