#include "app/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace qor {

namespace {
constexpr int AnswerMs = 2000;
}

TSingleInstance::TSingleInstance(const QString& name, QObject* parent)
    : QObject(parent), FServerName(name + "-" + QString::number(getuid()))
{
}

bool TSingleInstance::SendToRunning(const QString& message) const
{
    QLocalSocket socket;
    socket.connectToServer(FServerName);
    if (!socket.waitForConnected(AnswerMs)) return false;
    socket.write(message.toUtf8());
    socket.write("\n");
    socket.waitForBytesWritten(AnswerMs);
    // The running program answers once it has raised its window.
    socket.waitForReadyRead(AnswerMs);
    return true;
}

// The running program is asked first: a socket with access options is made by renaming,
// which would silently replace the running program's socket.
bool TSingleInstance::Listen()
{
    QLocalSocket probe;
    probe.connectToServer(FServerName);
    if (probe.waitForConnected(AnswerMs)) return false;
    // Nobody answers on the name: a socket a crashed program left behind goes.
    QLocalServer::removeServer(FServerName);
    FServer = new QLocalServer(this);
    FServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (!FServer->listen(FServerName)) return false;
    connect(FServer, &QLocalServer::newConnection, this, &TSingleInstance::ReadConnection);
    return true;
}

void TSingleInstance::ReadConnection()
{
    while (QLocalSocket* socket = FServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto readMessage = [this, socket] {
            if (!socket->canReadLine()) return;
            QString message = QString::fromUtf8(socket->readLine()).trimmed();
            emit MessageReceived(message);
            socket->write("ok\n");
            socket->flush();
        };
        connect(socket, &QLocalSocket::readyRead, this, readMessage);
        // The line may have come before the connection was taken.
        readMessage();
    }
}

} // namespace qor
