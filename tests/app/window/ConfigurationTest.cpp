#include "app/window/Configuration.h"
#include "support/TempDir.h"
#include "util/UiLanguage.h"

#include <gtest/gtest.h>

using namespace qor;
using qortest::TempDir;

namespace {

// The defaults a running program hands in before reading.
TAppConfig StartDefaults()
{
    TAppConfig config;
    config.ProjectFile = "";
    config.LastPictFolder = "/home/u/Pictures";
    config.OpenDialogInitialFolder = "/home/u/Documents/qorHTML5Gallery/";
    return config;
}

TAppConfig LoadText(const TempDir& dir, const std::string& text)
{
    TXEIniFile ini(dir.Write("q.ini", text).string());
    TAppConfig config = StartDefaults();
    LoadConfiguration(ini, config);
    return config;
}

} // namespace

TEST(Configuration, OnlyTheDebugFlagLeavesEveryOtherOptionAtItsDefault)
{
    TempDir dir;
    TAppConfig config = LoadText(dir, "[System]\r\nDebug=1\r\n");
    EXPECT_TRUE(config.Debug);
    EXPECT_FALSE(config.JQuery);
    EXPECT_TRUE(config.Carbon);
    const TSettingOptions& o = config.Options;
    EXPECT_FALSE(o.ChAddWrapperToClass);
    EXPECT_TRUE(o.ChAutoOpenLastProject);
    EXPECT_TRUE(o.ChCheckUpdate);
    EXPECT_FALSE(o.ChDemoMode);
    EXPECT_TRUE(o.ChIgnoreSampleSize);
    EXPECT_TRUE(o.ChNoResizeSameSizeJPEG);
    EXPECT_EQ(o.LSSample, 0);
    EXPECT_FALSE(o.ChWaterMark);
    EXPECT_EQ(o.WaterMark, "Created by QorikaHTML5ギャラリー, Tessaro Software");
    EXPECT_EQ(config.LastPictFolder, "/home/u/Pictures");
    EXPECT_EQ(config.OpenPictDialogInitialFolder, "/home/u/Pictures");
    EXPECT_EQ(config.OpenDialogInitialFolder, "/home/u/Documents/qorHTML5Gallery/");
    EXPECT_FALSE(config.ChSkipResize);
    EXPECT_TRUE(config.ActShowMenuBar);
    EXPECT_EQ(config.cbCaptionSet, 0);
    EXPECT_EQ(config.MainGeo, "");
    EXPECT_FALSE(config.InitMax);
}

TEST(Configuration, CarbonZeroStartsInTheWindowsTheme)
{
    TempDir dir;
    EXPECT_FALSE(LoadText(dir, "[System]\r\nCarbon=0\r\n").Carbon);
}

TEST(Configuration, TheLastProjectIsReadOnlyWhenReopeningIsOn)
{
    TempDir dir;
    EXPECT_EQ(LoadText(dir, "[Project]\r\nProjectFile=/p/a.qor\r\n").ProjectFile, "/p/a.qor");
    EXPECT_EQ(LoadText(dir, "[Setting]\r\nChAutoOpenLastProject=0\r\n[Project]\r\nProjectFile=/p/a.qor\r\n")
                  .ProjectFile,
              "");
}

TEST(Configuration, ThePictureDialogStartsInTheLastPictureFolderWhenItsOwnKeyIsMissing)
{
    TempDir dir;
    TAppConfig config = LoadText(dir, "[Files]\r\nLastPictFolder=/trip\r\n");
    EXPECT_EQ(config.OpenPictDialogInitialFolder, "/trip");
}

TEST(Configuration, SavedKeysComeInTheirOrderAndHandWrittenFlagsStay)
{
    TempDir dir;
    auto path = dir.Write("q.ini", "[System]\r\nDebug=1\r\n");
    TXEIniFile ini(path.string());
    TAppConfig config = StartDefaults();
    config.Carbon = false;
    config.ProjectFile = "/p/summer.qor";
    config.OpenPictDialogInitialFolder = "/trip";
    config.Options.LSSample = -1;
    config.cbCaptionSet = 3;
    config.MainGeo = "100|50|1100|750";
    config.InitMax = true;
    SaveConfiguration(ini, config, {});
    TStringList lines = ini.Lines();
    ASSERT_EQ(lines.size(), 33u);
    const TStringList expectedStart = {"[System]", "Debug=1", "Carbon=0", "", "[Project]", "ProjectFile=/p/summer.qor",
                                       "", "[Files]", "LastPictFolder=/home/u/Pictures",
                                       "OpenPictDialogInitialFolder=/trip",
                                       "OpenDialogInitialFolder=/home/u/Documents/qorHTML5Gallery/", "", "[Setting]",
                                       "ChSkipResize=0", "ChFastBuild=0", "ActShowMenuBar=1", "ChAddWrapperToClass=0",
                                       "ChAutoOpenLastProject=1", "ChCheckUpdate=1", "ChDemoMode=0",
                                       "ChIgnoreSampleSize=1", "ChNoResizeSameSizeJPEG=1", "ChKeepMetadata=0",
                                       "ChMetadataCaptions=1", "LSSample=-1",
                                       "ChWaterMark=0", "WaterMark=Created by QorikaHTML5ギャラリー, Tessaro Software",
                                       "cbCaptionSet=3", "MainGeo=100|50|1100|750", "", "[FrmSlider1]", "InitMax=1"};
    EXPECT_EQ(TStringList(lines.begin(), lines.begin() + expectedStart.size()), expectedStart);
    EXPECT_TRUE(lines[32].starts_with("LastRun="));

    // What was written reads back as it was.
    ini.UpdateFile();
    TAppConfig back = StartDefaults();
    LoadConfiguration(TXEIniFile(path.string()), back);
    EXPECT_FALSE(back.Carbon);
    EXPECT_EQ(back.ProjectFile, "/p/summer.qor");
    EXPECT_EQ(back.Options.LSSample, -1);
    EXPECT_EQ(back.cbCaptionSet, 3);
    EXPECT_TRUE(back.InitMax);
}

TEST(Configuration, MainGeoIsPlacedOnlyOnAScreenItOverlaps)
{
    const std::vector<TRect> screens = {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}};
    struct TCase {
        const char* Text;
        bool Placed;
    } cases[] = {
        {"100|50|1100|750", true},
        {"100|50|1100", false},           // three pieces
        {"5|5|5|5", false},               // empty
        {"4000|0|4800|600", false},       // right of every screen
        {"3200|1024|4000|2000", true},    // touching the second screen's corner
        {"-900|-700|0|0", true},          // touching the first screen's corner
        {"", false},
    };
    for (const TCase& c : cases) EXPECT_EQ(PlaceMainGeo(c.Text, screens).has_value(), c.Placed) << c.Text;
    EXPECT_EQ(*PlaceMainGeo("100|50|1100|750", screens), (TRect{100, 50, 1100, 750}));
}

TEST(Configuration, TheDefaultWatermarkSpeaksTheProgramsLanguage)
{
    SetUiLanguage(TUiLanguage::English);
    EXPECT_EQ(TSettingOptions{}.WaterMark, "Created by Qorika HTML5 Gallery, Tessaro Software");
    SetUiLanguage(TUiLanguage::Japanese);
    EXPECT_EQ(TSettingOptions{}.WaterMark, "Created by QorikaHTML5ギャラリー, Tessaro Software");
}
