#include "app/platform/Association.h"

#include "app/platform/MessageBox.h"
#include "assoc/FreedesktopAssoc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>

namespace qor {

namespace {

constexpr int AssociationTimeoutMs = 30000;

// The context of this file's texts for translation.
class Association {
    Q_DECLARE_TR_FUNCTIONS(qor::Association)
};

QString AssociationProgram()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("qorgallery-assoc"));
}

// Why the association program did not do its work, empty when it did.
QString AssociationFailure(QProcess& assoc)
{
    if (!assoc.waitForStarted(AssociationTimeoutMs))
        return Association::tr("%1 を起動できません。").arg(QDir::toNativeSeparators(assoc.program()));
    // The program only writes three small files; waiting for it keeps message 36 truthful.
    if (!assoc.waitForFinished(AssociationTimeoutMs)) {
        assoc.kill();
        assoc.waitForFinished();
        return Association::tr("%1 が応答しません。").arg(QDir::toNativeSeparators(assoc.program()));
    }
    if (assoc.exitStatus() == QProcess::NormalExit && assoc.exitCode() == 0) return {};
    QString said = QString::fromLocal8Bit(assoc.readAllStandardError()).trimmed();
    return said.isEmpty() ? Association::tr("%1 が失敗しました。").arg(QDir::toNativeSeparators(assoc.program()))
                          : said;
}

} // namespace

bool LaunchAssociation(QWidget* window)
{
    QString program = QCoreApplication::applicationFilePath();
    QProcess assoc;
    assoc.setProcessChannelMode(QProcess::SeparateChannels);
    assoc.start(AssociationProgram(), {program});
    QString failure = AssociationFailure(assoc);
    if (!failure.isEmpty()) {
        ShowMsgBox(window,
                   Association::tr("プロジェクトファイルを関連付けできませんでした。\n%1").arg(failure).toStdString(),
                   mbOK, TMsgKind::Error);
        return false;
    }
    ShowMsgText(window, 36, {QDir::toNativeSeparators(program).toStdString()}, mbOK,
                TMsgKind::Confirmation);
    return true;
}

bool IsProjectFileAssociated()
{
    return IsAssociated(UserXdgDirs());
}

} // namespace qor
