#include "app/platform/Association.h"

#include "app/platform/MessageBox.h"
#include "assoc/FreedesktopAssoc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace qor {

namespace {

constexpr int AssociationTimeoutMs = 30000;

QString AssociationProgram()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("qorgallery-assoc"));
}

} // namespace

bool LaunchAssociation(QWidget* window)
{
    QString program = QCoreApplication::applicationFilePath();
    QProcess assoc;
    assoc.setProcessChannelMode(QProcess::ForwardedChannels);
    assoc.start(AssociationProgram(), {program});
    // The program only writes three small files; waiting for it keeps message 36 truthful.
    if (!assoc.waitForFinished(AssociationTimeoutMs) ||
        assoc.exitStatus() != QProcess::NormalExit || assoc.exitCode() != 0)
        return false;
    ShowMsgText(window, 36, {QDir::toNativeSeparators(program).toStdString()}, mbOK,
                TMsgKind::Confirmation);
    return true;
}

bool IsProjectFileAssociated()
{
    return IsAssociated(UserXdgDirs());
}

} // namespace qor
