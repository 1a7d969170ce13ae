#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qor {

namespace {

constexpr int AnswerMs = 2000;
// A project path is short; a longer line is not a message of ours.
constexpr qint64 MaxMessageBytes = 64 * 1024;

// A real folder (not a link), the user's, that nobody else may enter.
bool IsPrivateFolder(const QByteArray& path)
{
    struct stat st {};
    return lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() &&
           (st.st_mode & 077) == 0;
}

bool PeerIsThisUser(const QLocalSocket& socket)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == getuid();
}

} // namespace

QString PrivateRuntimeFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateFolder(runtime)) return QString::fromLocal8Bit(runtime);
    const QByteArray own = QDir::tempPath().toLocal8Bit() + "/qorgallery-" + QByteArray::number(getuid());
    mkdir(own.constData(), 0700);
    return IsPrivateFolder(own) ? QString::fromLocal8Bit(own) : QString();
}

TSingleInstance::TSingleInstance(const QString& name, QObject* parent) : QObject(parent)
{
    if (QString folder = PrivateRuntimeFolder(); !folder.isEmpty()) FServerName = folder + "/" + name;
}

bool TSingleInstance::SendToRunning(const QString& message) const
{
    if (FServerName.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(FServerName);
    if (!socket.waitForConnected(AnswerMs) || !PeerIsThisUser(socket)) return false;
    socket.write(message.toUtf8());
    socket.write("\n");
    socket.waitForBytesWritten(AnswerMs);
    // The running program answers as soon as it has the line.
    return socket.waitForReadyRead(AnswerMs) && socket.readLine().startsWith("ok");
}

// The running program is asked first: a socket with access options is made by renaming,
// which would silently replace the running program's socket.
bool TSingleInstance::Listen()
{
    if (FServerName.isEmpty()) return false;
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

// The sender is answered at once and the message handed on from the event loop: whatever
// the receiver does with it (questions, a project opened) runs after the socket is done
// with, so a sender that leaves, or one that arrives while a question is open, can never
// meet a connection that is gone.
void TSingleInstance::ReadConnection()
{
    while (QLocalSocket* next = FServer->nextPendingConnection()) {
        connect(next, &QLocalSocket::disconnected, next, &QObject::deleteLater);
        if (!PeerIsThisUser(*next)) {
            next->abort();
            continue;
        }
        QPointer<QLocalSocket> socket(next);
        auto readMessage = [this, socket] {
            if (!socket) return;
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > MaxMessageBytes) socket->abort();
                return;
            }
            QString message = QString::fromUtf8(socket->readLine(MaxMessageBytes)).trimmed();
            socket->write("ok\n");
            socket->flush();
            socket->disconnectFromServer();
            QMetaObject::invokeMethod(this, [this, message] { emit MessageReceived(message); },
                                      Qt::QueuedConnection);
        };
        connect(next, &QLocalSocket::readyRead, this, readMessage);
        // The line may have come before the connection was taken.
        readMessage();
    }
}

} // namespace qor
