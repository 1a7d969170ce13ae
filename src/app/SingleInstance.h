// One running program per user. The first start listens on a local socket named after the
// user; a later start hands it its project argument (or nothing) and ends. A socket left
// behind by a crashed program is taken over.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace qor {

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    // name: the socket's name without the user part.
    explicit TSingleInstance(const QString& name, QObject* parent = nullptr);

    // Hands message to the running program; true when there was one to take it.
    bool SendToRunning(const QString& message) const;
    // Starts listening; false when another program listens already.
    bool Listen();
    const QString& ServerName() const { return FServerName; }

signals:
    // A later start's message (its project argument, or empty).
    void MessageReceived(const QString& message);

private:
    void ReadConnection();

    QString FServerName;
    QLocalServer* FServer = nullptr;
};

} // namespace qor
