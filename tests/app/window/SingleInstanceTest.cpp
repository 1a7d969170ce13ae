// One program per user, checked with two processes: the test listens as the running program
// would, and a second qorgallery-gui hands it its project and ends.
#include "app/SingleInstance.h"
#include "app/support/AppTestEnv.h"
#include "support/TempDir.h"

#include <QDir>
#include <QProcess>
#include <QDialog>
#include <QSignalSpy>
#include <QTimer>

#include <csignal>
#include <memory>
#include <vector>

#include <poll.h>
#include <sys/wait.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace qor;

class TSingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void ASecondStartHandsOverItsProjectAndEnds();
    void ASocketLeftByACrashIsTakenOver();
    void ASenderThatLeavesWhileAQuestionIsOpenCostsNothing();
    void ANameTakenByAnythingElseLetsTheProgramStart();
    void AListenerOfAnotherUserIsNeverTalkedTo();

private:
    QProcess* SecondStart(const QString& project);
    std::vector<std::unique_ptr<QProcess>> FStarts;
};

QProcess* TSingleInstanceTest::SecondStart(const QString& project)
{
    auto& start = FStarts.emplace_back(std::make_unique<QProcess>());
    start->setProgram(QString(QOR_BIN_DIR) + "/qorgallery-gui");
    start->setArguments({project});
    start->start();
    return start.get();
}

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
    QString path = first.ServerName();
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.toLocal8Bit().constData(), sizeof address.sun_path);
    QVERIFY(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
    close(fd);
    QVERIFY(QFile::exists(path));
    QVERIFY(first.Listen());
}

// The receiver opens a question (a modal dialog with its own event loop) for the message,
// and the sender ends while it is open; the receiver goes on taking messages afterwards.
void TSingleInstanceTest::ASenderThatLeavesWhileAQuestionIsOpenCostsNothing()
{
    TSingleInstance running("qorslider");
    QVERIFY(running.Listen());
    QStringList received;
    QProcess* sender = nullptr;
    connect(&running, &TSingleInstance::MessageReceived, this, [&](const QString& message) {
        received << message;
        if (received.size() > 1) return;
        QDialog question;
        QTimer::singleShot(0, &question, [&] {
            QTRY_COMPARE_WITH_TIMEOUT(sender->state(), QProcess::NotRunning, 10000);
            question.reject();
        });
        question.exec();
    });
    sender = SecondStart("/first.qor");
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(sender->state(), QProcess::NotRunning, 10000);
    QCOMPARE(sender->exitCode(), 0);
    QProcess* another = SecondStart("/second.qor");
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), 2, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(another->state(), QProcess::NotRunning, 10000);
    QCOMPARE(another->exitCode(), 0);
    QCOMPARE(received, (QStringList{"/first.qor", "/second.qor"}));
}

// A file or folder at the socket's name is nobody's running program: a start there opens a
// window instead of ending silently.
void TSingleInstanceTest::ANameTakenByAnythingElseLetsTheProgramStart()
{
    TSingleInstance probe("qorslider");
    const QString name = probe.ServerName();
    QVERIFY(name.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + "/"));
    for (bool folder : {false, true}) {
        QFile::remove(name);
        QDir().rmdir(name);
        if (folder)
            QVERIFY(QDir().mkdir(name));
        else
            QVERIFY(QFile(name).open(QIODevice::WriteOnly));
        QVERIFY(!probe.SendToRunning("/x.qor"));
        QProcess* start = SecondStart("");
        QVERIFY(!start->waitForFinished(3000)); // still running: it shows its window
        start->kill();
        start->waitForFinished();
    }
    QDir().rmdir(name);
}

// A socket whose listener is another user's (made here by a child that gives up root before
// it listens) is never handed a project path.
void TSingleInstanceTest::AListenerOfAnotherUserIsNeverTalkedTo()
{
    if (getuid() != 0) QSKIP("needs root to become another user");
    TSingleInstance mine("qorslider-foreign");
    const QByteArray path = mine.ServerName().toLocal8Bit();
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    QVERIFY(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
    int accepted[2];
    QVERIFY(pipe(accepted) == 0);
    pid_t child = fork();
    if (child == 0) {
        if (setuid(65534) != 0 || listen(fd, 4) != 0) _exit(1);
        for (;;) {
            int peer = accept(fd, nullptr, nullptr);
            if (peer < 0) continue;
            (void)!write(accepted[1], "a", 1);
            char line[256];
            if (read(peer, line, sizeof line) > 0) _exit(2); // a path reached it
            close(peer);
        }
    }
    close(fd);
    close(accepted[1]);
    QTest::qWait(200);
    QVERIFY(!mine.SendToRunning("/secret/project.qor"));
    pollfd reached{accepted[0], POLLIN, 0};
    QCOMPARE(poll(&reached, 1, 5000), 1); // the name was the listener's: it took the connection
    QTest::qWait(200);
    int status = 0;
    QCOMPARE(waitpid(child, &status, WNOHANG), 0); // still waiting: it read nothing
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    close(accepted[0]);
}

QOR_QTEST_MAIN(TSingleInstanceTest)
#include "SingleInstanceTest.moc"
