#include "window/sourcecommands.h"

#include "engine/anchorcase.h"
#include "engine/sourcesave.h"
#include "window/menutextpage.h"
#include "window/pagepreview.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

namespace quillet {

SourceCommands::SourceCommands(WindowParts& parts, QObject* parent)
    : QObject(parent), m_parts(parts)
{
    connect(m_parts.preview, &PagePreview::menuFromSelectionRequested, this,
            &SourceCommands::CmdComInsert_Click);
    connect(m_parts.preview, &PagePreview::saveSourceRequested, this,
            &SourceCommands::CmdFileSave_Click);
}

void SourceCommands::CmdComInsert_Click()
{
    const QString selected = m_parts.preview->selectedSourceText();
    if (selected.isEmpty()) {
        m_parts.dialogs.showMessage(
            {tr("選択エラー"), tr("目次文字に設定する文字列を選択して下さい。")});
        return;
    }
    m_parts.menuText->setText(applyAnchorCaseRule(selected));
    m_parts.selectTab(WindowPage::MenuText);
}

// The view is also the runs' work buffer: its text goes only to the file it was loaded
// from, and over a file changed since only when the user agrees.
void SourceCommands::CmdFileSave_Click()
{
    const QString path = m_parts.preview->saveTarget();
    if (refuseSave(path))
        return;
    if (changedOnDisk(*m_parts.preview->sourceOrigin()) &&
        !m_parts.dialogs.askOkCancel(sourceChangedQuestion(path)))
        return;
    // The question let events run; the view must still show the file.
    if (refuseSave(path))
        return;
    JournalledPages pages = m_parts.journalledPages(QStringLiteral("source"));
    const SourceSave save =
        saveSource(*m_parts.preview->sourceOrigin(), m_parts.preview->sourceText(), pages);
    if (!save.write.ok) {
        if (!m_parts.showJournalFailure(pages))
            m_parts.dialogs.showMessage(sourceSaveFailure(save.write.error));
        return;
    }
    m_parts.preview->markSourceSaved(save.origin);
}

bool SourceCommands::refuseSave(const QString& path)
{
    const std::optional<QString> refusal = refuseSourceSave(m_parts.preview->sourceOrigin(), path);
    if (refusal)
        m_parts.dialogs.showMessage(sourceSaveFailure(*refusal));
    return refusal.has_value();
}

} // namespace quillet
