#include "gallery/ComQorCSS.h"
#include "gallery/ProjectStream.h"
#include "util/XEInitPrj.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace {

using namespace qor;
using qortest::ReadAll;
using qortest::TempDir;

TEST(ComQorCSS, NewSettingsHoldTheInitialValues)
{
    TComQorCSS1 s;
    EXPECT_EQ(s.TransitDuration, 1.0L);
    EXPECT_EQ(s.ImageQuality, 80);
    EXPECT_EQ(s.CtrlWidth, 100);
    EXPECT_EQ(s.MinScale, 50);
    EXPECT_EQ(s.CommentPosIndex, 1);
    EXPECT_TRUE(s.ShowButton);
    EXPECT_EQ(s.WrapperMarginY, 10);
    EXPECT_EQ(s.DemoWidth, 1200);
    EXPECT_EQ(s.GalleryFrameColorHex, "F0F0F0");
    EXPECT_EQ(s.BackGroundColorHex, "FFFFFF");
    EXPECT_EQ(s.StyleSheet, "style.css");
    EXPECT_EQ(s.HTML, "index.html");
    EXPECT_EQ(s.PageTitle, "QorSlider");
    EXPECT_EQ(s.Identifier, "qorcss1" + AppVersion().ShortVersion());
    EXPECT_EQ(s.SlideshowInterval, 0.0L);
    EXPECT_EQ(s.ControllerType, 0);
    EXPECT_FALSE(s.AutoSlideShow);
    EXPECT_TRUE(s.AttrLS.empty());
    EXPECT_EQ(s.Name, "QorCSS1");
}

TEST(ComQorCSS, PlacedInstancesCarryTheirIdentifierAndPlace)
{
    TComQorCSS1 project = TComQorCSS1::NewProjectSettings();
    EXPECT_EQ(project.Identifier, "qorcss1");
    EXPECT_EQ(project.Left, 167);
    EXPECT_EQ(project.Top, 602);
    TComQorCSS1 dialog = TComQorCSS1::NewDialogSettings();
    EXPECT_EQ(dialog.Identifier, "qorcss117.0");
    EXPECT_EQ(dialog.Left, 239);
    EXPECT_EQ(dialog.Top, 10);
}

TEST(ComQorCSS, ThumbStripHeightFollowsTheController)
{
    TComQorCSS1 s;
    s.ThumbHeight = 44;
    s.ThumbBorderWidth = 2;
    s.ShowThumbTitle = true;
    s.ThumbTitleHeight = 28;
    s.ThumbPolaroid = true;
    for (int type : {1, 2, 3}) {
        s.ControllerType = type;
        EXPECT_EQ(s.ThumbStripHeight(), 50) << type;
    }
    s.ControllerType = 0;
    EXPECT_EQ(s.ThumbStripHeight(), 84);
    s.ThumbPolaroid = false;
    EXPECT_EQ(s.ThumbStripHeight(), 82);
    s.ShowThumbTitle = false;
    EXPECT_EQ(s.ThumbStripHeight(), 54);
}

TEST(ComQorCSS, TransitionTableHasSixteenParallelEntries)
{
    TComQorCSS1 s;
    ASSERT_EQ(s.TransitItems().size(), 16u);
    ASSERT_EQ(s.TransitNames().size(), 16u);
    EXPECT_EQ(s.TransitItems()[0], "random");
    EXPECT_EQ(s.TransitNames()[0], "ランダム");
    EXPECT_EQ(s.TransitItems()[7], "dropblock");
    EXPECT_EQ(s.TransitNames()[7], "ブロック(ドロップ)");
    EXPECT_EQ(s.TransitItems()[15], "none");
    EXPECT_EQ(s.TransitNames()[15], "効果無し");
    s.SetTransitItems({"fade"});
    EXPECT_EQ(s.TransitItems(), TStringList{"fade"});
}

TEST(ComQorCSS, SaveAndLoadGiveBackTheProject)
{
    TempDir dir;
    TComQorCSS1 s = TComQorCSS1::NewProjectSettings();
    s.PageTitle = "旅行";
    s.AttrLS = {"a.jpg\x19line"};
    std::string file = (dir / "p.qor").string();
    s.SaveToFile(file);
    EXPECT_EQ(ReadAll(file), WriteProjectStream(s));
    TComQorCSS1 read;
    ASSERT_TRUE(read.LoadFromFile(file));
    EXPECT_EQ(read.PageTitle, "旅行");
    EXPECT_EQ(read.AttrLS, s.AttrLS);
    EXPECT_FALSE(read.LoadFromFile((dir / "missing.qor").string()));
}

TEST(ComQorCSS, LoadOfADamagedFileThrowsTheReadersText)
{
    TempDir dir;
    std::string file = dir.Write("bad.qor", "TPF0").string();
    TComQorCSS1 s;
    try {
        s.LoadFromFile(file);
        FAIL() << "no error";
    } catch (const EProjectReadError& e) {
        EXPECT_STREQ(e.what(), "ストリーム形式が無効です");
    }
}

TEST(ComQorCSS, FailedSaveLeavesThePreviousFile)
{
    if (geteuid() == 0) {
        // Root writes into read-only folders; a folder in place of the file fails for all.
        TempDir dir;
        std::filesystem::create_directory(dir / "p.qor");
        EXPECT_ANY_THROW(TComQorCSS1().SaveToFile((dir / "p.qor").string()));
        EXPECT_TRUE(std::filesystem::is_directory(dir / "p.qor"));
        return;
    }
    TempDir dir;
    std::string file = (dir / "p.qor").string();
    TComQorCSS1 s;
    s.SaveToFile(file);
    std::string before = ReadAll(file);
    chmod(dir.Path().c_str(), 0555);
    s.PageTitle = "changed";
    EXPECT_ANY_THROW(s.SaveToFile(file));
    chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ(ReadAll(file), before);
}

TEST(ComQorCSS, SaveReplacesAnOldFileWithoutLeavingTemporaries)
{
    TempDir dir;
    std::string file = dir.Write("p.qor", std::string(100000, 'x')).string();
    TComQorCSS1 s;
    s.SaveToFile(file);
    EXPECT_EQ(ReadAll(file), WriteProjectStream(s));
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.Path())) entries += e.exists();
    EXPECT_EQ(entries, 1);
}

TEST(ComQorCSS, IsUpdatedComparesWithTheSavedFile)
{
    TempDir dir;
    // Folders() is computed once per process; point its work folder into the test folder.
    setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
    std::string file = (dir / "p.qor").string();
    TComQorCSS1 s;
    EXPECT_TRUE(s.IsUpdated(file));
    s.SaveToFile(file);
    EXPECT_FALSE(s.IsUpdated(file));
    EXPECT_TRUE(std::filesystem::exists(Folders().WorkFolder + "_crcsupd.tmp"));
    s.ThumbWidth = 99;
    EXPECT_TRUE(s.IsUpdated(file));
}

} // namespace
