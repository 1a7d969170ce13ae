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

bool TSingleInstance::Listen()
{
    FServer = new QLocalServer(this);
    FServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (!FServer->listen(FServerName)) {
        // Nobody answers on the name: a crashed program left its socket behind.
        if (SendToRunning(QString())) return false;
        QLocalServer::removeServer(FServerName);
        if (!FServer->listen(FServerName)) return false;
    }
    connect(FServer, &QLocalServer::newConnection, this, &TSingleInstance::ReadConnection);
    return true;
}

void TSingleInstance::ReadConnection()
{
    while (QLocalSocket* socket = FServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            QString message = QString::fromUtf8(socket->readLine()).trimmed();
            emit MessageReceived(message);
            socket->write("ok\n");
            socket->flush();
        });
    }
}

} // namespace qor
