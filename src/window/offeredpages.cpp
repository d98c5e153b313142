#include "window/offeredpages.h"

#include "window/filelistpage.h"
#include "window/pagepreview.h"
#include "window/windowdialogs.h"
#include "window/windowparts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace quillet {

namespace {

constexpr int retryAfterMs = 300;

UserMessage addQuestion(const QStringList& pages, const QString& projectName)
{
    const QString question =
        projectName.isEmpty() ? QCoreApplication::translate("quillet::OfferedPages",
                                                            "次のページをファイル一覧に加えますか?")
                              : QCoreApplication::translate(
                                    "quillet::OfferedPages",
                                    "次のページをプロジェクト「%1」のファイル一覧に加えますか?")
                                    .arg(projectName);
    return {QCoreApplication::translate("quillet::OfferedPages", "ページの追加"),
            question + QStringLiteral("\r\n") + pages.join(QStringLiteral("\r\n"))};
}

} // namespace

OfferedPages::OfferedPages(WindowParts& parts, AddPages addPages, QObject* parent)
    : QObject(parent), m_parts(parts), m_addPages(std::move(addPages))
{}

void OfferedPages::offer(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (QFileInfo::exists(path))
            m_waiting.append(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    }
    offerWaiting();
}

// A question in the middle of a run or over another dialog would interleave two commands.
bool OfferedPages::mustWait() const
{
    return m_parts.state.busy || QApplication::activeModalWidget() != nullptr;
}

void OfferedPages::offerWaiting()
{
    if (m_waiting.isEmpty())
        return;
    if (mustWait()) {
        if (!m_retryPlanned) {
            m_retryPlanned = true;
            QTimer::singleShot(retryAfterMs, this, [this] {
                m_retryPlanned = false;
                offerWaiting();
            });
        }
        return;
    }
    const QStringList pages = std::exchange(m_waiting, {});
    showInPreview(pages);
    const QStringList toAdd = unlisted(pages);
    if (!toAdd.isEmpty() && m_parts.dialogs.askYesNo(addQuestion(toAdd, m_parts.state.currentName)))
        m_addPages(toAdd);
}

// Source edits not yet saved stay on screen: the user asked for nothing. A folder is only
// offered.
void OfferedPages::showInPreview(const QStringList& pages)
{
    if (m_parts.preview->hasUnsavedSourceEdits())
        return;
    QStringList files;
    for (const QString& page : pages) {
        if (QFileInfo(page).isFile())
            files.append(page);
    }
    if (files.isEmpty())
        return;
    m_parts.preview->offerFiles(files, files.first());
    m_parts.selectTab(WindowPage::Web);
}

QStringList OfferedPages::unlisted(const QStringList& pages) const
{
    const QStringList listed = m_parts.fileList->paths();
    QStringList result;
    for (const QString& page : pages) {
        if (!listed.contains(page) && !result.contains(page))
            result.append(page);
    }
    return result;
}

} // namespace quillet
