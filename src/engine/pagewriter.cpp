#include "engine/pagewriter.h"

namespace quillet {

void PageWriter::changed(const QString& path, const QString& before, const QString& after) const
{
    if (m_listener)
        m_listener(path, before, after);
}

JournalledPages::JournalledPages(QString journalFolder, JournalCommand command)
    : m_journal(std::move(journalFolder), std::move(command))
{}

PageRead JournalledPages::read(const QString& path)
{
    return readPage(path);
}

PageWrite JournalledPages::replace(const QString& path, const PageRead& before, const QString& text)
{
    const StageResult staged = stage(path, before, text);
    if (!staged.write.ok)
        return staged.write;
    const PageWrite synced = syncJournal();
    if (!synced.ok)
        return synced;
    return commit(staged.staged);
}

JournalledPages::StageResult JournalledPages::stage(const QString& path, const PageRead& before,
                                                    const QString& text)
{
    StageResult result;
    PageBytes encoded = encodePage(text, before.page.format);
    if (!encoded.ok) {
        result.write = {false, unencodableError()};
        return result;
    }
    if (!m_journal.append(path, before.bytes, encoded.bytes)) {
        result.write = {false, m_journal.error()};
        return result;
    }
    result.write.ok = true;
    result.staged = {path, std::move(encoded.bytes), before.page.text, text};
    return result;
}

PageWrite JournalledPages::syncJournal()
{
    if (!m_journal.sync())
        return {false, m_journal.error()};
    return {true, {}};
}

PageWrite JournalledPages::commit(const Staged& staged)
{
    const PageWrite written = writePageBytes(staged.path, staged.bytes);
    if (written.ok)
        changed(staged.path, staged.oldText, staged.newText);
    return written;
}

PageRead DryRunPages::read(const QString& path)
{
    const auto kept = m_pages.constFind(path);
    if (kept == m_pages.constEnd())
        return readPage(path);
    PageRead read;
    read.ok = true;
    read.page = *kept;
    read.bytes = encodePage(kept->text, kept->format).bytes;
    return read;
}

PageWrite DryRunPages::replace(const QString& path, const PageRead& before, const QString& text)
{
    if (!encodePage(text, before.page.format).ok)
        return {false, unencodableError()};
    m_pages.insert(path, {text, before.page.format});
    changed(path, before.page.text, text);
    return {true, {}};
}

} // namespace quillet
