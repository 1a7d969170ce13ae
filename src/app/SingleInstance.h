// One running program per user. The first start listens on a local socket in the user's
// private runtime folder; a later start hands it its project argument (or nothing) and ends.
// Only a program of the same user is ever talked to, in either direction; a socket left
// behind by a crashed program is taken over, and a name that cannot be used leaves the
// program to run on its own.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace qor {

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    // name: the socket's name in the runtime folder.
    explicit TSingleInstance(const QString& name, QObject* parent = nullptr);

    // Hands message to a running program of this user; true when there was one to take it.
    bool SendToRunning(const QString& message) const;
    // Starts listening; false when the name is taken or cannot be used.
    bool Listen();
    // The socket's full path; empty without a private folder to put it in.
    const QString& ServerName() const { return FServerName; }

signals:
    // A later start's message (its project argument, or empty), from the event loop.
    void MessageReceived(const QString& message);

private:
    void ReadConnection();

    QString FServerName;
    QLocalServer* FServer = nullptr;
};

// The folder for the user's sockets: $XDG_RUNTIME_DIR when it is the user's own and private,
// else a folder of mode 0700 in the temporary folder, made or checked to be the user's;
// empty when neither can be trusted.
QString PrivateRuntimeFolder();

} // namespace qor
