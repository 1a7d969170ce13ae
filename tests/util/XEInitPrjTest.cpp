#include "util/XEInitPrj.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace qor;
using qortest::TempDir;

std::string ExecutableFolder()
{
    return fs::read_symlink("/proc/self/exe").parent_path().string() + "/";
}

// A user of the test's own: home, configuration, data and resource folders in the test
// folder, documents in a folder with a Japanese name.
class UserFolders : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("HOME", (FDir / "home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (FDir / "config").c_str(), 1);
        setenv("XDG_DATA_HOME", (FDir / "data").c_str(), 1);
        setenv("QORGALLERY_RSC", (FDir / "rsc").c_str(), 1);
        FDir.Write("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/文書\"\n");
    }
    std::string In(const std::string& relative) const { return (FDir / relative).string(); }
    TempDir FDir;
};

// Something placed beside the test program for one test, removed afterwards.
class TBesideProgram {
public:
    explicit TBesideProgram(const std::string& name) : FPath(ExecutableFolder() + name) {}
    ~TBesideProgram()
    {
        std::error_code ec;
        fs::remove(FPath, ec);
    }
    const fs::path& Path() const { return FPath; }

private:
    fs::path FPath;
};

// Runs first: nothing has computed the folders yet in this process.
TEST_F(UserFolders, FoldersAreComputedOnFirstUseWithoutCreatingAnything)
{
    const TAppFolders& f = Folders();
    EXPECT_EQ(f.WorkFolder, In("data") + "/qorHTML5Gallery/");
    EXPECT_FALSE(fs::exists(f.WorkFolder));
    EXPECT_FALSE(fs::exists(f.DocFolder));
}

TEST_F(UserFolders, EveryFolderIsMappedAsOnTheDesktop)
{
    TAppFolders f = ComputeFolders("qorHTML5Gallery");
    EXPECT_EQ(f.AppFolder, ExecutableFolder());
    EXPECT_EQ(f.DocFolder, In("home") + "/文書/qorHTML5Gallery/");
    EXPECT_EQ(f.WorkFolder, In("data") + "/qorHTML5Gallery/");
    EXPECT_EQ(f.IniFolder, In("data") + "/qorHTML5Gallery/Ini/");
    EXPECT_EQ(f.StdSettingFile, In("data") + "/qorHTML5Gallery/stdSetting.qor");
    EXPECT_EQ(f.RscFolder, In("rsc") + "/");
    EXPECT_EQ(f.StdIniFolder, In("rsc") + "/Ini/");
    EXPECT_EQ(f.HelpFolder, ExecutableFolder() + "help/");
}

TEST_F(UserFolders, WorkFolderDefaultsToLocalShare)
{
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(ComputeFolders("p").WorkFolder, In("home") + "/.local/share/p/");
}

TEST_F(UserFolders, DocumentsDefaultToTheDocumentsFolderOfHome)
{
    fs::remove(FDir / "config/user-dirs.dirs");
    EXPECT_EQ(ComputeFolders("p").DocFolder, In("home") + "/Documents/p/");
}

TEST_F(UserFolders, ResourceFolderWithoutTheVariableIsBesideTheProgramElseInstalled)
{
    setenv("QORGALLERY_RSC", "", 1);
    std::string app = ExecutableFolder();
    std::string installed =
        fs::path(app).parent_path().parent_path().string() + "/share/qorgallery/rsc/";
    if (fs::exists(app + "rsc"))
        GTEST_SKIP() << "a resource folder already stands beside the tests";
    EXPECT_EQ(ComputeFolders("p").RscFolder, installed);
    TBesideProgram rsc("rsc");
    fs::create_directory(rsc.Path());
    EXPECT_EQ(ComputeFolders("p").RscFolder, app + "rsc/");
    EXPECT_EQ(ComputeFolders("p").StdIniFolder, app + "rsc/Ini/");
}

TEST_F(UserFolders, HelpFolderFollowsHelpLnkWhenThereIsNoHelpFolder)
{
    std::string app = ExecutableFolder();
    if (fs::exists(app + "help") || fs::exists(fs::symlink_status(app + "help.lnk")))
        GTEST_SKIP() << "help pages already stand beside the tests";
    fs::create_directory(FDir / "pages");
    TBesideProgram link("help.lnk");
    fs::create_directory_symlink(FDir / "pages", link.Path());
    EXPECT_EQ(ComputeFolders("p").HelpFolder, In("pages") + "/");
}

TEST_F(UserFolders, MakeFoldersCreatesTheUsersFoldersOnly)
{
    TXEInitPrj init;
    init.SetProjectName("qorHTML5Gallery");
    const TAppFolders& f = Folders();
    EXPECT_TRUE(fs::is_directory(f.DocFolder));
    EXPECT_TRUE(fs::is_directory(f.WorkFolder));
    EXPECT_TRUE(fs::is_directory(f.IniFolder));
    EXPECT_FALSE(fs::exists(f.RscFolder));
    EXPECT_FALSE(fs::exists(f.StdSettingFile));
    EXPECT_EQ(f.DocFolder, In("home") + "/文書/qorHTML5Gallery/");
    EXPECT_EQ(init.ProjectName(), "qorHTML5Gallery");
    EXPECT_EQ(init.ProjectIniFile(), f.IniFolder + "qorHTML5Gallery.ini");
    EXPECT_EQ(init.GetIniFile("TFrmSetting"), f.IniFolder + "TFrmSetting.ini");
    EXPECT_EQ(init.GetStdIniFile("TFrmSetting"), f.StdIniFolder + "TFrmSetting.ini");
}

TEST_F(UserFolders, AnEmptyProjectNameCreatesNothing)
{
    TXEInitPrj init;
    init.SetProjectName("");
    EXPECT_FALSE(fs::exists(FDir / "data"));
    EXPECT_FALSE(fs::exists(FDir / "home"));
}

TEST_F(UserFolders, EarlierFoldersStayReadableWhenTheyAreComputedAgain)
{
    TXEInitPrj init;
    init.SetProjectName("first");
    const TAppFolders& first = Folders();
    init.SetProjectName("second");
    EXPECT_EQ(first.WorkFolder, In("data") + "/first/");
    EXPECT_EQ(Folders().WorkFolder, In("data") + "/second/");
}

TEST_F(UserFolders, RemoveDirEmptiesTheWorkFoldersIntoTheTrash)
{
    TXEInitPrj init;
    init.SetProjectName("qorHTML5Gallery");
    const TAppFolders& f = Folders();
    FDir.Write("data/qorHTML5Gallery/stdSetting.qor", "s");
    FDir.Write("data/qorHTML5Gallery/Ini/history.cfg", "h");
    init.RemoveDir();
    EXPECT_TRUE(fs::is_directory(f.IniFolder));
    EXPECT_TRUE(fs::is_empty(f.IniFolder));
    EXPECT_FALSE(fs::exists(f.StdSettingFile));
    EXPECT_EQ(qortest::ReadAll(FDir / "data/Trash/files/qorHTML5Gallery/Ini/history.cfg"), "h");
}

TEST(XEInitPrj, VersionTexts)
{
    EXPECT_EQ(AppVersion().LongVersion(), "1.6.1.0");
    EXPECT_EQ(AppVersion().ShortVersion(), "1.6.1");
    TXEVersion v{2, 0, 13, 7};
    EXPECT_EQ(v.LongVersion(), "2.0.13.7");
    EXPECT_EQ(v.ShortVersion(), "2.0.13");
}

} // namespace
