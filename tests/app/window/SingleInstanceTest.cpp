// One program per user, checked with two processes: the test listens as the running program
// would, and a second qorgallery-gui hands it its project and ends.
#include "app/SingleInstance.h"
#include "app/support/AppTestEnv.h"
#include "support/TempDir.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace qor;

class TSingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void ASecondStartHandsOverItsProjectAndEnds();
    void ASocketLeftByACrashIsTakenOver();
};

void TSingleInstanceTest::ASecondStartHandsOverItsProjectAndEnds()
{
    TSingleInstance running("qorslider");
    QVERIFY(running.Listen());
    QSignalSpy received(&running, &TSingleInstance::MessageReceived);
    qortest::TempDir dir;
    auto project = dir.Write("trip.qor", "x");
    QProcess second;
    second.setProgram(QString(QOR_BIN_DIR) + "/qorgallery-gui");
    second.setArguments({QString::fromStdString(project.string())});
    second.start();
    QTRY_COMPARE_WITH_TIMEOUT(received.count(), 1, 10000);
    QCOMPARE(received.front().front().toString(), QString::fromStdString(project.string()));
    QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 10000);
    QCOMPARE(second.exitCode(), 0);

    TSingleInstance another("qorslider");
    QVERIFY(!another.Listen());
}

void TSingleInstanceTest::ASocketLeftByACrashIsTakenOver()
{
    TSingleInstance first("qorslider-crashed");
    // A socket file that nobody listens on, as a killed program leaves it.
    QString path = QDir::tempPath() + "/" + first.ServerName();
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.toLocal8Bit().constData(), sizeof address.sun_path);
    QVERIFY(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
    close(fd);
    QVERIFY(QFile::exists(path));
    QVERIFY(first.Listen());
}

QOR_QTEST_MAIN(TSingleInstanceTest)
#include "SingleInstanceTest.moc"
