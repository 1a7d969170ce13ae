// TChaUpdate: the update check against the maker's version file. The fetch runs on a thread
// of its own, so the window stays responsive while the network answers; the decision and the
// messages happen on the main thread when the answer is in.
#pragma once

#include "app/platform/UpdateCheck.h"

#include <QObject>

#include <string>
#include <thread>

class QWidget;

namespace qor {

class TChaUpdate : public QObject {
    Q_OBJECT
public:
    explicit TChaUpdate(QWidget* window);
    ~TChaUpdate() override;

    // The update server: the build's own unless the configuration names another; empty
    // turns the check off.
    void SetServerAddress(const std::string& address);
    const std::string& ServerAddress() const { return FSource.ServerAddress; }
    // Where the last check is remembered (the user's WorkFolder unless set).
    void SetLastCheckFile(const std::filesystem::path& file) { FSource.LastCheckFile = file; }
    void SetLimits(const THttpGetLimits& limits) { FSource.Limits = limits; }
    // Why nothing is checked without an update server (as distributions build the program).
    static QString NoServerHint();

    // Checks when forced or when the last check is old enough; tells the user of a newer
    // version (message 25) or, when forced, that there is none (message 26), or without a
    // server that updates come with the package manager (NoServerHint). A check asked for
    // while one runs is ignored.
    void CheckUpdate(bool forced);
    bool IsChecking() const { return FChecking; }

signals:
    // A check ended; newer tells whether the server named a newer version.
    void Checked(bool newer);
    // A text for the status bar while a forced check runs.
    void StatusText(const QString& text);

private:
    void Finish(bool forced, const std::string& version);

    QWidget* FWindow;
    TUpdateSource FSource;
    std::thread FWorker;
    bool FChecking = false;
};

} // namespace qor
