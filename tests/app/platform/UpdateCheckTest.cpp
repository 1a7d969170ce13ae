#include "LoopbackHttpServer.h"

#include "app/platform/UpdateCheck.h"
#include "app/platform/UpdateRule.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace qor;
using qortest::TLoopbackHttpServer;
using Clock = std::chrono::system_clock;
using std::chrono::days;
using std::chrono::hours;

const TXEVersion Running{1, 6, 1, 0};

TEST(UpdateRule, ServerVersionIsTheFirstFieldOfTheFirstLine)
{
    const struct {
        std::string Body, Version;
    } cases[] = {
        {"1.6.2", "1.6.2"},
        {"1.6.2|anything", "1.6.2"},
        {"1.6.2|a|b\r\n9.9.9\r\n", "1.6.2"},
        {"2.0.0\n1.0.0", "2.0.0"},
        {"1.7.0\r9.9.9", "1.7.0"},
        {"\r\n1.7.0", ""},
        {"|1.7.0", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ServerVersionOf(c.Body), c.Version) << c.Body;
}

TEST(UpdateRule, CompareVersionUsesMajorMinorRevision)
{
    const struct {
        std::string Text;
        int Sign;
    } cases[] = {
        {"1.6.2", 1},  {"1.7.0", 1},   {"2.0.0", 1},     {"1.10.0", 1}, {"1.6.10", 1},
        {"1.6.1", 0},  {"1.6.1.9", 0}, {"1.6.1.0.5", 0}, {"1.5.9", -1}, {"1.6.0", -1},
        {"0.9.9", -1}, {"1.6.1", 0},   {"1.7", 0},       {"2", 0},      {"", 0},
        {"a.b.c", 0},  {"1.7.x", 0},   {"1..7", 0},      {"1.7.0 ", 0},
    };
    for (const auto& c : cases) {
        int result = CompareVersion(c.Text, Running);
        EXPECT_EQ((result > 0) - (result < 0), c.Sign) << c.Text;
    }
}

TEST(UpdateRule, AutomaticCheckIsDueAfterSevenWholeDays)
{
    const Clock::time_point now = Clock::time_point(days(20000));
    const struct {
        bool Forced;
        std::optional<Clock::time_point> Last;
        bool Due;
    } cases[] = {
        {false, std::nullopt, true},
        {false, now - days(3), false},
        {false, now - days(7) + hours(1), false},
        {false, now - days(7), true},
        {false, now - days(30), true},
        {false, now, false},
        {false, now + days(2), true},
        {true, now - days(3), true},
        {true, now, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsCheckDue(c.Forced, c.Last, now), c.Due);
}

TEST(UpdateCheck, VersionFileAddressAddsSchemeAndPath)
{
    EXPECT_EQ(VersionFileUrl("example.org"), "http://example.org/updater/verqkg.txt");
    EXPECT_EQ(VersionFileUrl("http://127.0.0.1:8080/"), "http://127.0.0.1:8080/updater/verqkg.txt");
    EXPECT_EQ(VersionFileUrl("https://h"), "https://h/updater/verqkg.txt");
}

class UpdateCheckServer : public ::testing::Test {
protected:
    TUpdateSource SourceFor(const TLoopbackHttpServer& server)
    {
        TUpdateSource source;
        source.ServerAddress = server.Address();
        source.LastCheckFile = FDir.Path() / "work/LastCheck";
        source.Limits.ConnectTimeout = std::chrono::milliseconds(1000);
        source.Limits.TotalTimeout = std::chrono::milliseconds(1500);
        return source;
    }
    qortest::TempDir FDir;
    const Clock::time_point FNow = Clock::time_point(days(20000) + hours(5));
};

TEST_F(UpdateCheckServer, AnswersOfTheServerGiveTheVersionOrNothing)
{
    using S = TLoopbackHttpServer;
    const struct {
        std::string Response, Version;
        int Compared;
    } cases[] = {
        {S::Response("200 OK", "1.6.2|release notes\r\n"), "1.6.2", 1},
        {S::Response("200 OK", "1.7.0\r\n"), "1.7.0", 1},
        {S::Response("200 OK", "2.0.0"), "2.0.0", 1},
        {S::Response("200 OK", "1.6.1|same"), "1.6.1", 0},
        {S::Response("200 OK", "1.5.9"), "1.5.9", -1},
        {S::Response("200 OK", "1.7"), "1.7", 0},
        {S::Response("302 Found", "9.9.9", "Location: http://127.0.0.1:1/updater/verqkg.txt\r\n"),
         "", 0},
        {S::Response("301 Moved Permanently", "9.9.9", "Location: /elsewhere\r\n"), "", 0},
        {S::Response("404 Not Found", "9.9.9"), "", 0},
        {S::Response("500 Internal Server Error", "9.9.9"), "", 0},
        {S::Response("200 OK", std::string(70 * 1024, '9')), "", 0},
        {"garbage without a status line", "", 0},
    };
    for (const auto& c : cases) {
        S server(c.Response);
        std::string version = GetServerVersion(true, SourceFor(server), FNow);
        EXPECT_EQ(version, c.Version) << c.Response.substr(0, 40);
        int compared = CompareVersion(version, Running);
        EXPECT_EQ((compared > 0) - (compared < 0), c.Compared) << c.Response.substr(0, 40);
        ASSERT_EQ(server.RequestLines().size(), 1u);
        EXPECT_EQ(server.RequestLines()[0], "GET /updater/verqkg.txt HTTP/1.1");
    }
}

TEST_F(UpdateCheckServer, ServerThatNeverAnswersGivesNothingAndStillCounts)
{
    TLoopbackHttpServer server("", true);
    TUpdateSource source = SourceFor(server);
    EXPECT_EQ(GetServerVersion(false, source, FNow), "");
    EXPECT_EQ(server.RequestLines().size(), 1u);
    EXPECT_EQ(ReadLastCheck(source.LastCheckFile), FNow);
}

TEST_F(UpdateCheckServer, RecentCheckSkipsTheAutomaticFetchButNotTheForcedOne)
{
    TLoopbackHttpServer server(TLoopbackHttpServer::Response("200 OK", "1.6.2"));
    TUpdateSource source = SourceFor(server);
    WriteLastCheck(source.LastCheckFile, FNow - days(3));

    EXPECT_EQ(GetServerVersion(false, source, FNow), "");
    EXPECT_TRUE(server.RequestLines().empty());
    EXPECT_EQ(ReadLastCheck(source.LastCheckFile), FNow - days(3));

    EXPECT_EQ(GetServerVersion(true, source, FNow), "1.6.2");
    EXPECT_EQ(server.RequestLines().size(), 1u);
    EXPECT_EQ(ReadLastCheck(source.LastCheckFile), FNow);

    // The forced fetch restarted the interval for the automatic one.
    EXPECT_EQ(GetServerVersion(false, source, FNow + days(6)), "");
    EXPECT_EQ(GetServerVersion(false, source, FNow + days(7)), "1.6.2");
    EXPECT_EQ(server.RequestLines().size(), 2u);
}

TEST_F(UpdateCheckServer, FailedFetchRestartsTheInterval)
{
    TLoopbackHttpServer server(TLoopbackHttpServer::Response("503 Service Unavailable", ""));
    TUpdateSource source = SourceFor(server);
    WriteLastCheck(source.LastCheckFile, FNow - days(8));
    EXPECT_EQ(GetServerVersion(false, source, FNow), "");
    EXPECT_EQ(ReadLastCheck(source.LastCheckFile), FNow);
    EXPECT_EQ(GetServerVersion(false, source, FNow + days(1)), "");
    EXPECT_EQ(server.RequestLines().size(), 1u);
}

TEST_F(UpdateCheckServer, NoServerAddressFetchesNothingAndRecordsNothing)
{
    TUpdateSource source;
    source.LastCheckFile = FDir.Path() / "LastCheck";
    EXPECT_EQ(GetServerVersion(true, source, FNow), "");
    EXPECT_FALSE(std::filesystem::exists(source.LastCheckFile));
}

TEST_F(UpdateCheckServer, UnreadableLastCheckMeansNeverChecked)
{
    TLoopbackHttpServer server(TLoopbackHttpServer::Response("200 OK", "1.6.2"));
    TUpdateSource source = SourceFor(server);
    std::filesystem::create_directories(source.LastCheckFile.parent_path());
    std::ofstream(source.LastCheckFile) << "not a time";
    EXPECT_EQ(GetServerVersion(false, source, FNow), "1.6.2");
}

} // namespace
