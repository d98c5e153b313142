#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

namespace quillet {

struct WindowParts;

// Pages opened with the program (its command line, or handed over by a later start) are
// shown in the preview and offered for the file list: none joins it without the user's yes.
class OfferedPages : public QObject
{
    Q_OBJECT
public:
    // addPages: how pages join the list once the user agrees (as a drop of them would).
    using AddPages = std::function<void(const QStringList&)>;
    OfferedPages(WindowParts& parts, AddPages addPages, QObject* parent);

    // Offers the pages now, or once the command under way has ended.
    void offer(const QStringList& paths);

private:
    void offerWaiting();
    bool mustWait() const;
    void showInPreview(const QStringList& pages);
    QStringList unlisted(const QStringList& pages) const;

    WindowParts& m_parts;
    AddPages m_addPages;
    QStringList m_waiting;
    bool m_retryPlanned = false;
};

} // namespace quillet
