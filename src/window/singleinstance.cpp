#include "window/singleinstance.h"

#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace quillet {

namespace {

constexpr int answerWithinMs = 3000;
constexpr char takenReply = '1';

} // namespace

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_serverName(std::move(serverName))
{}

QString SingleInstance::defaultServerName()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("quillet-window"));
}

bool SingleInstance::listen()
{
    QLocalSocket probe;
    probe.connectToServer(m_serverName);
    if (probe.waitForConnected(answerWithinMs))
        return false;
    // A program killed before it closed its socket left the file behind.
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
    // Another start took the name between the probe and here: that one is the window.
    // Without any socket at all this window works alone rather than not at all.
    return m_server->listen(m_serverName) ||
           m_server->serverError() != QAbstractSocket::AddressInUseError;
}

bool SingleInstance::handOver(const QString& serverName, const QStringList& paths)
{
    QStringList absolute;
    for (const QString& path : paths)
        absolute.append(QFileInfo(path).absoluteFilePath());
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(answerWithinMs))
        return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << absolute;
    socket.write(message);
    if (!socket.waitForBytesWritten(answerWithinMs))
        return false;
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(answerWithinMs))
            return false;
    }
    char reply = 0;
    return socket.getChar(&reply) && reply == takenReply;
}

void SingleInstance::takeConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readPages(socket); });
        readPages(socket);
    }
}

// The list may come in pieces; it is read once it is whole.
void SingleInstance::readPages(QLocalSocket* socket)
{
    QDataStream in(socket);
    in.startTransaction();
    QStringList paths;
    in >> paths;
    if (!in.commitTransaction())
        return;
    socket->putChar(takenReply);
    socket->flush();
    emit pagesHandedOver(paths);
}

} // namespace quillet
