#include "util/XEComShell.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace qor;
using qortest::TempDir;

// A session without any desktop: no display, no session bus.
class NoDesktop : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS"})
            unsetenv(name);
    }
    TempDir FDir;
};

TEST_F(NoDesktop, OpenDocumentAnswersFailure)
{
    fs::path page = FDir.Write("index.html", "<html></html>");
    EXPECT_FALSE(OpenDocument(page.string()));
    EXPECT_FALSE(OpenDocument("http://example.invalid/"));
    EXPECT_FALSE(OpenDocument(""));
}

TEST_F(NoDesktop, ShowInExplorerAnswersFailure)
{
    fs::path file = FDir.Write("a.jpg", "");
    EXPECT_FALSE(ShowInExplorer(file.string(), true));
    EXPECT_FALSE(ShowInExplorer(FDir.Path().string(), false));
    EXPECT_FALSE(ShowInExplorer("", true));
}

TEST_F(NoDesktop, ADeadSessionBusAddressIsNoDesktopEither)
{
    setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + (FDir / "no-bus").string()).c_str(), 1);
    EXPECT_FALSE(ShowInExplorer(FDir.Write("a.jpg", "").string(), true));
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
}

// A desktop whose xdg-open is a script of the test's own: it notes its argument and ends
// as the test tells it.
class FakeDesktop : public testing::Test {
protected:
    void SetUp() override
    {
        FSavedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        setenv("PATH", ((FDir / "bin").string() + ":" + FSavedPath).c_str(), 1);
        setenv("DISPLAY", ":99", 1);
        unsetenv("DBUS_SESSION_BUS_ADDRESS");
    }
    void TearDown() override
    {
        setenv("PATH", FSavedPath.c_str(), 1);
        unsetenv("DISPLAY");
    }
    void FakeXdgOpen(const std::string& body) const
    {
        fs::path script = FDir.Write("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" +
                                                         (FDir / "opened").string() + "'\n" + body);
        fs::permissions(script, fs::perms::owner_all);
    }
    std::string Opened() const { return qortest::ReadAll(FDir / "opened"); }
    TempDir FDir;
    std::string FSavedPath;
};

TEST_F(FakeDesktop, OpenDocumentHandsThePathToXdgOpen)
{
    FakeXdgOpen("exit 0\n");
    EXPECT_TRUE(OpenDocument("/srv/gallery/index.html"));
    EXPECT_EQ(Opened(), "/srv/gallery/index.html\n");
}

TEST_F(FakeDesktop, OpenDocumentReportsThatXdgOpenFailed)
{
    FakeXdgOpen("exit 4\n");
    EXPECT_FALSE(OpenDocument("/srv/gallery/index.html"));
}

// The stand-in application runs until the test folder, with the script in it, is gone.
TEST_F(FakeDesktop, AnApplicationStillRunningCountsAsOpen)
{
    FakeXdgOpen("while [ -e \"$0\" ]; do sleep 0.05; done\n");
    EXPECT_TRUE(OpenDocument("/srv/gallery/index.html"));
    EXPECT_EQ(Opened(), "/srv/gallery/index.html\n");
}

TEST_F(FakeDesktop, ShowInExplorerOpensTheFolderOfTheFile)
{
    FakeXdgOpen("exit 0\n");
    fs::path file = FDir.Write("pics/a.jpg", "");
    EXPECT_TRUE(ShowInExplorer(file.string(), true));
    EXPECT_TRUE(ShowInExplorer(file.string(), false));
    EXPECT_TRUE(ShowInExplorer((FDir / "pics/").string(), false));
    std::string folder = (FDir / "pics").string();
    EXPECT_EQ(Opened(), folder + "\n" + folder + "\n" + folder + "\n");
}

TEST(XEComShell, RunProgramAnswersTheExitStatus)
{
    EXPECT_EQ(RunProgram({"true"}, 10000), 0);
    EXPECT_EQ(RunProgram({"false"}, 10000), 1);
    EXPECT_EQ(RunProgram({"sh", "-c", "exit 3"}, 10000), 3);
    EXPECT_EQ(RunProgram({"sh", "-c", "test \"$1\" = 'a b \"c\"'", "sh", "a b \"c\""}, 10000), 0);
}

TEST(XEComShell, RunProgramAnswersMinusOneWhenItCannotRunOrDoesNotEnd)
{
    EXPECT_EQ(RunProgram({}, 1000), -1);
    EXPECT_EQ(RunProgram({"/nonexistent/program"}, 1000), -1);
    EXPECT_EQ(RunProgram({"sh", "-c", "kill -9 $$"}, 10000), -1);
    EXPECT_EQ(RunProgram({"sleep", "60"}, 100), -1); // killed instead of waited for
}

TEST(XEComShell, RunProgramNeverReportsSuccessItCouldNotSee)
{
    // With children reaped automatically their status is lost; that is no success.
    auto saved = std::signal(SIGCHLD, SIG_IGN);
    int status = RunProgram({"false"}, 10000);
    std::signal(SIGCHLD, saved);
    EXPECT_NE(status, 0);
}

class UserDirs : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("HOME", (FDir / "home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (FDir / "config").c_str(), 1);
        unsetenv("XDG_DATA_HOME");
    }
    void WriteDirs(const std::string& text) const { FDir.Write("config/user-dirs.dirs", text); }
    std::string Home() const { return (FDir / "home").string(); }
    TempDir FDir;
};

TEST_F(UserDirs, FoldersComeFromUserDirsWithHomeExpanded)
{
    WriteDirs("# written by xdg-user-dirs-update\n"
              "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
              "XDG_DOCUMENTS_DIR=\"$HOME/文書\"\n"
              "XDG_PICTURES_DIR=\"/media/photos\"\n");
    EXPECT_EQ(GetSpecialFolder(TSpecialFolder::Documents), Home() + "/文書");
    EXPECT_EQ(GetSpecialFolder(TSpecialFolder::Pictures), "/media/photos");
}

TEST_F(UserDirs, LinesAreReadAsTheDesktopReadsThem)
{
    WriteDirs("  XDG_DOCUMENTS_DIR = \"$HOME/My \\\"Docs\\\"\"\n"
              "XDG_PICTURES_DIR=\"/first\"\n"
              "XDG_PICTURES_DIR=\"relative/ignored\"\n"
              "XDG_PICTURES_DIR=unquoted\n"
              "#XDG_PICTURES_DIR=\"/commented\"\n"
              "XDG_PICTURES_DIRX=\"/other/key\"\n");
    EXPECT_EQ(GetSpecialFolder(TSpecialFolder::Documents), Home() + "/My \"Docs\"");
    EXPECT_EQ(GetSpecialFolder(TSpecialFolder::Pictures), "/first");
}

TEST_F(UserDirs, WithoutAnEntryTheUsualFoldersOfHomeAreTaken)
{
    EXPECT_EQ(GetSpecialFolder(TSpecialFolder::Documents), Home() + "/Documents");
    EXPECT_EQ(GetSpecialFolder(TSpecialFolder::Pictures), Home() + "/Pictures");
    WriteDirs("XDG_DOCUMENTS_DIR=\"$HOMEWORK/x\"\n");
    EXPECT_EQ(GetSpecialFolder(TSpecialFolder::Documents), Home() + "/Documents");
}

TEST_F(UserDirs, ARelativeConfigFolderIsIgnored)
{
    FDir.Write("home/.config/user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(GetSpecialFolder(TSpecialFolder::Pictures), Home() + "/Bilder");
}

TEST_F(UserDirs, LocalAppDataIsXdgDataHomeElseLocalShare)
{
    EXPECT_EQ(GetSpecialFolder(TSpecialFolder::LocalAppData), Home() + "/.local/share");
    setenv("XDG_DATA_HOME", "/srv/data", 1);
    EXPECT_EQ(GetSpecialFolder(TSpecialFolder::LocalAppData), "/srv/data");
    setenv("XDG_DATA_HOME", "not/absolute", 1);
    EXPECT_EQ(GetSpecialFolder(TSpecialFolder::LocalAppData), Home() + "/.local/share");
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    EXPECT_EQ(GetSpecialFolder(TSpecialFolder::LocalAppData), "");
}

TEST(XEComShell, GetLinkTargetFollowsALinkNamedLnk)
{
    TempDir dir;
    fs::create_directories(dir / "pages");
    dir.Write("doc.html", "");
    fs::create_directory_symlink(dir / "pages", dir / "help.lnk");
    fs::create_symlink("doc.html", dir / "doc.LNK");
    std::string target = "?";
    EXPECT_TRUE(GetLinkTarget((dir / "help.lnk").string(), target));
    EXPECT_EQ(target, (dir / "pages").string() + "/");
    EXPECT_TRUE(GetLinkTarget((dir / "doc.LNK").string(), target));
    EXPECT_EQ(target, (dir / "doc.html").string());
    TLinkFileInfo info;
    EXPECT_TRUE(GetLinkFileInfo((dir / "doc.LNK").string(), info));
    EXPECT_EQ(info.Filename, (dir / "doc.html").string());
    EXPECT_EQ(info.WorkDir, dir.Path().string());
}

TEST(XEComShell, GetLinkTargetFailsForAnythingElse)
{
    TempDir dir;
    dir.Write("plain.lnk", "not a link");
    fs::create_symlink(dir / "plain.lnk", dir / "link.txt");
    for (const char* name : {"plain.lnk", "link.txt", "missing.lnk"}) {
        std::string target = "?";
        EXPECT_FALSE(GetLinkTarget((dir / name).string(), target)) << name;
        EXPECT_EQ(target, "") << name;
    }
}

// The lap lies between the sleep and the whole time around StartLap and GetLap.
TEST(XEComShell, GetLapCountsMillisecondsSinceStartLap)
{
    using namespace std::chrono;
    for (int sleepMs : {0, 30}) {
        auto before = steady_clock::now();
        StartLap();
        std::this_thread::sleep_for(milliseconds(sleepMs));
        uint32_t lap = GetLap();
        auto whole = duration_cast<milliseconds>(steady_clock::now() - before).count();
        EXPECT_GE(lap, static_cast<uint32_t>(sleepMs));
        EXPECT_LE(lap, static_cast<uint32_t>(whole + 1));
    }
}

} // namespace
