#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The names a batch is about to give its pages' new files, each for the moment between the
// link that names a file and the rename that moves it over its page. They are written to a
// file in the journal folder, locked while the command lives, so that the next command can
// take away whatever name a kill left behind: the page then keeps its old text.
namespace quillet {

class BatchIntent
{
public:
    explicit BatchIntent(QString folder);
    ~BatchIntent(); // the batches ended: the file goes
    BatchIntent(const BatchIntent&) = delete;
    BatchIntent& operator=(const BatchIntent&) = delete;

    // Stands for the names until the next call; false when they could not be written.
    bool announce(const QList<QByteArray>& names);

    // Removes the names announced by every command that is no longer running, then their
    // files. Run before a command touches any page.
    static void removeLeftNames(const QString& folder);

private:
    QString m_folder;
    QByteArray m_path;
    int m_fd = -1;
};

} // namespace quillet
