#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

namespace quillet {

// One window per user: the first start listens on a local socket in the user's runtime
// folder; a later start hands its page arguments to it and exits, so that two windows never
// work on the same projects from two memories.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);

    // The socket's path for this user.
    static QString defaultServerName();
    QString serverName() const { return m_serverName; }

    // Listens for later starts. A socket left by a program that no longer answers is taken
    // over. False when a running program answers: this start should hand over instead. The
    // socket lies in the runtime folder, which only its user may enter.
    bool listen();

    // Gives the paths (made absolute here, as the running program has another working
    // folder) to the running program; true once it has taken them.
    static bool handOver(const QString& serverName, const QStringList& paths);

signals:
    // A later start handed these pages over (possibly none: it only asks to be shown).
    void pagesHandedOver(const QStringList& paths);

private:
    void takeConnection();
    void readPages(QLocalSocket* socket);

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};

} // namespace quillet
