#include "app/platform/ChaUpdate.h"

#include "app/platform/BuildAddresses.h"
#include "app/platform/MessageBox.h"
#include "app/platform/UpdateRule.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

namespace qor {

TChaUpdate::TChaUpdate(QWidget* window) : QObject(window), FWindow(window)
{
    FSource.ServerAddress = BuildUpdateServer();
    FSource.LastCheckFile = DefaultLastCheckFile();
}

TChaUpdate::~TChaUpdate()
{
    // The fetch gives up within its time-out; its posted answer dies with this object.
    if (FWorker.joinable()) FWorker.join();
}

QString TChaUpdate::NoServerHint()
{
    return tr("更新はパッケージマネージャーから提供されます。このプログラムは更新を確認しません。");
}

void TChaUpdate::SetServerAddress(const std::string& address)
{
    FSource.ServerAddress = address;
}

void TChaUpdate::CheckUpdate(bool forced)
{
    if (FChecking) return;
    if (FSource.ServerAddress.empty()) {
        if (forced) ShowMsgBox(FWindow, NoServerHint().toStdString(), mbOK, TMsgKind::Information);
        emit Checked(false);
        return;
    }
    if (FWorker.joinable()) FWorker.join();
    FChecking = true;
    if (forced) emit StatusText(tr("更新を確認しています..."));
    FWorker = std::thread([this, forced, source = FSource] {
        std::string version = GetServerVersion(forced, source, std::chrono::system_clock::now());
        QMetaObject::invokeMethod(
            this, [this, forced, version] { Finish(forced, version); }, Qt::QueuedConnection);
    });
}

void TChaUpdate::Finish(bool forced, const std::string& version)
{
    FChecking = false;
    bool newer = CompareVersion(version) > 0;
    if (forced) emit StatusText(QString());
    if (newer) {
        if (ShowMsgText(FWindow, 25, {version}, mbYes | mbNo, TMsgKind::Confirmation) == mbYes &&
            *DownloadPageAddress() != '\0')
            QDesktopServices::openUrl(QUrl(QString::fromUtf8(DownloadPageAddress())));
    } else if (forced) {
        ShowMsgText(FWindow, 26, {}, mbOK, TMsgKind::Confirmation);
    }
    emit Checked(newer);
}

} // namespace qor
