#include "window/sourcecommands.h"

#include "engine/anchorcase.h"
#include "engine/sourcesave.h"
#include "window/previewtoolbar.h"
#include "window/sourcetextview.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

namespace quillet {

SourceCommands::SourceCommands(WindowParts& parts, QObject* parent)
    : QObject(parent), m_parts(parts)
{
    connect(m_parts.FrmHtml, &PreviewToolbar::menuFromSelectionClicked, this,
            &SourceCommands::CmdComInsert_Click);
    connect(m_parts.FrmHtml, &PreviewToolbar::saveSourceClicked, this,
            &SourceCommands::CmdFileSave_Click);
}

void SourceCommands::CmdComInsert_Click()
{
    const QString selected = m_parts.RTB1->selectedText();
    if (selected.isEmpty()) {
        m_parts.dialogs.showMessage({QStringLiteral("選択エラー"),
                                     QStringLiteral("目次文字に設定する文字列を選択して下さい。")});
        return;
    }
    m_parts.TxtOrg->setText(applyAnchorCaseRule(selected));
    m_parts.selectTab(WindowPage::MenuText);
}

// The view is also the runs' work buffer: its text goes only to the file it was loaded
// from, and over a file changed since only when the user agrees.
void SourceCommands::CmdFileSave_Click()
{
    const QString path = m_parts.FrmHtml->chosenPath();
    if (refuseSave(path))
        return;
    if (changedOnDisk(*m_parts.RTB1->origin()) &&
        !m_parts.dialogs.askOkCancel(sourceChangedQuestion(path)))
        return;
    // The question let events run; the view must still show the file.
    if (refuseSave(path))
        return;
    JournalledPages pages = m_parts.journalledPages(QStringLiteral("source"));
    const SourceSave save = saveSource(*m_parts.RTB1->origin(), m_parts.RTB1->text(), pages);
    if (!save.write.ok) {
        if (!m_parts.showJournalFailure(pages))
            m_parts.dialogs.showMessage(sourceSaveFailure(save.write.error));
        return;
    }
    m_parts.RTB1->markSaved(save.origin);
}

bool SourceCommands::refuseSave(const QString& path)
{
    const std::optional<QString> refusal = refuseSourceSave(m_parts.RTB1->origin(), path);
    if (refusal)
        m_parts.dialogs.showMessage(sourceSaveFailure(*refusal));
    return refusal.has_value();
}

} // namespace quillet
