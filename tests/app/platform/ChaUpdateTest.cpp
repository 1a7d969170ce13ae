#include "app/support/AppTestEnv.h"

#include "LoopbackHttpServer.h"

#include "app/platform/ChaUpdate.h"
#include "app/platform/MessageBox.h"
#include "util/UnitMsg.h"

#include <QSignalSpy>
#include <QWidget>

using qortest::TLoopbackHttpServer;

namespace qor {

// The check as the window runs it: the fetch off the main thread, the messages on it.
class TChaUpdateTest : public QObject {
    Q_OBJECT

    struct TShown {
        std::string Text;
        unsigned Buttons;
    };
    std::vector<TShown> FShown;
    QWidget FWindow;

    // Runs one check against a server answering body and waits for its end.
    bool RunCheck(TChaUpdate& update, bool forced)
    {
        QSignalSpy checked(&update, &TChaUpdate::Checked);
        update.CheckUpdate(forced);
        if (checked.isEmpty() && !checked.wait(10000)) return false;
        return checked.takeFirst().at(0).toBool();
    }

    std::unique_ptr<TChaUpdate> UpdateFor(const TLoopbackHttpServer& server)
    {
        auto update = std::make_unique<TChaUpdate>(&FWindow);
        update->SetServerAddress(server.Address());
        update->SetLastCheckFile(std::filesystem::path(qgetenv("HOME").toStdString()) /
                                 "LastCheck");
        std::filesystem::remove(std::filesystem::path(qgetenv("HOME").toStdString()) / "LastCheck");
        return update;
    }

private slots:
    void init()
    {
        FShown.clear();
        SetMsgAnswerer([this](const std::string& text, unsigned buttons, TMsgKind) {
            FShown.push_back({text, buttons});
            return mbNo;
        });
    }
    void cleanup() { SetMsgAnswerer({}); }

    void NewerVersionOffersTheDownloadPage()
    {
        TLoopbackHttpServer server(TLoopbackHttpServer::Response("200 OK", "1.6.2|notes\r\n"));
        auto update = UpdateFor(server);
        QVERIFY(RunCheck(*update, false));
        QCOMPARE(FShown.size(), size_t(1));
        QCOMPARE(FShown[0].Text, FormatMsg(25, {"1.6.2"}));
        QCOMPARE(FShown[0].Buttons, unsigned(mbYes | mbNo));
    }

    void ForcedCheckWithoutNewsSaysSo_data()
    {
        QTest::addColumn<QString>("response");
        QTest::newRow("equal") << QString::fromStdString(
            TLoopbackHttpServer::Response("200 OK", "1.6.1"));
        QTest::newRow("older") << QString::fromStdString(
            TLoopbackHttpServer::Response("200 OK", "1.5.9"));
        QTest::newRow("two parts")
            << QString::fromStdString(TLoopbackHttpServer::Response("200 OK", "1.7"));
        QTest::newRow("error") << QString::fromStdString(
            TLoopbackHttpServer::Response("404 Not Found", "9.9.9"));
    }
    void ForcedCheckWithoutNewsSaysSo()
    {
        QFETCH(QString, response);
        TLoopbackHttpServer server(response.toStdString());
        auto update = UpdateFor(server);
        QVERIFY(!RunCheck(*update, true));
        QCOMPARE(FShown.size(), size_t(1));
        QCOMPARE(FShown[0].Text, GetMsgText(26));
        QCOMPARE(FShown[0].Buttons, unsigned(mbOK));
    }

    void AutomaticCheckWithoutNewsIsSilent()
    {
        TLoopbackHttpServer server(TLoopbackHttpServer::Response("200 OK", "1.6.1"));
        auto update = UpdateFor(server);
        QVERIFY(!RunCheck(*update, false));
        QVERIFY(FShown.empty());
        QCOMPARE(server.RequestLines().size(), size_t(1));
        // Within the interval the automatic check does not even ask.
        QVERIFY(!RunCheck(*update, false));
        QCOMPARE(server.RequestLines().size(), size_t(1));
    }

    void WindowStaysResponsiveWhileTheServerIsSilent()
    {
        TLoopbackHttpServer server("", true);
        auto update = UpdateFor(server);
        update->SetLimits({std::chrono::milliseconds(500), std::chrono::milliseconds(1000), 1024});
        QSignalSpy checked(update.get(), &TChaUpdate::Checked);
        update->CheckUpdate(true);
        QVERIFY(update->IsChecking());
        QVERIFY(checked.isEmpty()); // CheckUpdate returned before the server answered
        QVERIFY(checked.wait(10000));
        QCOMPARE(FShown.size(), size_t(1));
        QCOMPARE(FShown[0].Text, GetMsgText(26));
    }

    // Without an update server (the build's default) updates come with the package manager,
    // and the button says so in a message box.
    void NoServerMeansNoCheckAndTheButtonTellsWhy()
    {
        TChaUpdate update(&FWindow);
        update.SetServerAddress("");
        QVERIFY(!RunCheck(update, false));
        QVERIFY(FShown.empty());
        QVERIFY(!RunCheck(update, true));
        QCOMPARE(FShown.size(), size_t(1));
        QVERIFY(FShown[0].Text.find("パッケージマネージャー") != std::string::npos);
        QCOMPARE(FShown[0].Text, TChaUpdate::NoServerHint().toStdString());
        QCOMPARE(FShown[0].Buttons, unsigned(mbOK));
    }
};

} // namespace qor

QOR_QTEST_MAIN(qor::TChaUpdateTest)
#include "ChaUpdateTest.moc"
