#include "gallery/StyleSheetKeys.h"

#include "GalleryFixture.h"

#include <gtest/gtest.h>
#include <png.h>

#include <vector>

namespace {

using namespace galleryfixture;
using qortest::ReadAll;
using qortest::TempDir;
namespace fs = std::filesystem;

// A PNG file as RGBA pixels, through libpng's own reader.
struct TRgbaPicture {
    uint32_t Width = 0;
    uint32_t Height = 0;
    std::vector<uint8_t> Pixels;
    const uint8_t* At(uint32_t x, uint32_t y) const { return &Pixels[(y * Width + x) * 4]; }
};

TRgbaPicture ReadRgba(const fs::path& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    TRgbaPicture picture;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return picture;
    image.format = PNG_FORMAT_RGBA;
    picture.Pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.Pixels.data(), 0, nullptr)) return {};
    picture.Width = image.width;
    picture.Height = image.height;
    return picture;
}

TStringList FilesIn(const fs::path& folder)
{
    TStringList names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.push_back(fs::relative(entry.path(), folder).generic_string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Make, RefusesWithoutScriptTextAndWritesNothing)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.AssignJS({});
    EXPECT_FALSE(s.Make());
    EXPECT_TRUE(FilesIn(dir / "out").empty());
}

struct TCombination {
    int32_t Controller, Frame, Comment, Layout;
    bool Demo;
};

class EveryCombination : public testing::TestWithParam<TCombination> {};

TEST_P(EveryCombination, WritesCompleteFolder)
{
    const TCombination c = GetParam();
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.ControllerType = c.Controller;
    s.FrameType = c.Frame;
    s.CommentPosIndex = c.Comment;
    s.ShowQorHeader = c.Layout;
    s.DemoMode = c.Demo;
    TPictures pictures;
    pictures.Add(Texts("Sea", {"Blue"}));
    pictures.ConnectTo(s);
    ASSERT_TRUE(s.Make());

    TStringList expected = {".qorgallery-files",
                            "css",
                            "css/comment-bg.png",
                            "css/ctrl3stat.png",
                            "css/next_arrow.png",
                            "css/prev_arrow.png",
                            "css/style.css",
                            "index.html",
                            "js",
                            "js/jquery.min.js",
                            "js/jquery.qorslider.min.js"};
    if (c.Controller == 0)
        for (const char* name : {"css/ie8thumb_li_active.png", "css/ie8thumb_li_bg.png",
                                 "css/ie8thumb_li_hover.png", "css/thumbbg_ie.png"})
            expected.push_back(name);
    if (c.Demo) {
        expected.push_back("css/gallerydemo.css");
        expected.push_back("css/h2_bg_silver.png");
    }
    if (c.Layout >= 2) {
        expected.push_back("css/column-bg.png");
        expected.push_back("css/style_" + std::to_string(c.Layout - 1) + "columns.css");
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesIn(dir / "out"), expected);

    std::string page = ReadAll(dir / "out/index.html");
    EXPECT_EQ(page.rfind("\xEF\xBB\xBF", 0), 0u);
    EXPECT_NE(page.find("img/img1.jpg"), std::string::npos);
    EXPECT_EQ(page.find("placeholder"), std::string::npos);
    EXPECT_EQ(page.find("img/thumb/1.jpg") != std::string::npos, c.Controller != 3);
}

std::vector<TCombination> Combinations()
{
    std::vector<TCombination> all;
    int n = 0;
    for (int32_t controller = 0; controller < 4; ++controller)
        for (int32_t layout = 0; layout <= 4; ++layout)
            for (bool demo : {false, true}) {
                all.push_back({controller, n % 3, n % 6, layout, demo});
                ++n;
            }
    return all;
}

INSTANTIATE_TEST_SUITE_P(Make, EveryCombination, testing::ValuesIn(Combinations()));

TEST(Make, NewSettingsWithoutSizesStillWriteTheFolder)
{
    TempDir dir;
    TComQorCSS1 prepared = MakeSettings(dir);
    TComQorCSS1 s;
    s.SetRscFolder(prepared.RscFolder());
    s.SetOutFolder(prepared.OutFolder);
    s.AssignJS(prepared.Java());
    ASSERT_TRUE(s.Make());
    EXPECT_TRUE(fs::exists(dir / "out/css/ie8thumb_li_active.png"));
    EXPECT_EQ(ReadRgba(dir / "out/css/thumbbg_ie.png").Height, 22u);
}

TEST(Make, MissingStyleSheetTemplateNamesItAndKeepsThePage)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    fs::remove(dir / "rsc/css/style.css");
    try {
        s.Make();
        FAIL() << "Make went on without the style-sheet template";
    } catch (const std::system_error& e) {
        EXPECT_NE(std::string(e.what()).find("style.css"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(dir / "out/index.html"));
}

TEST(Make, MissingDemoSheetTemplateKeepsWhatWasWritten)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.DemoMode = true;
    fs::remove(dir / "rsc/css/gallerydemo.css");
    EXPECT_THROW(s.Make(), std::system_error);
    EXPECT_TRUE(fs::exists(dir / "out/index.html"));
    EXPECT_TRUE(fs::exists(dir / "out/css/style.css"));
    EXPECT_FALSE(fs::exists(dir / "out/js"));
}

TEST(Make, MissingPageTemplateNamesIt)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.ShowQorHeader = 4;
    fs::remove(dir / "rsc/index-3columns.html");
    try {
        s.Make();
        FAIL() << "Make went on without the page template";
    } catch (const std::system_error& e) {
        EXPECT_NE(std::string(e.what()).find("index-3columns.html"), std::string::npos);
    }
}

TEST(Make, ReadsTemplatesAfreshEveryTime)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    ASSERT_TRUE(s.Make());
    dir.Write("rsc/css/style.css", std::string(StyleSheetTemplateText()) + "/* edited */\r\n");
    dir.Write("rsc/index-base.html", std::string("<!-- edited -->\r\n") + PageTemplateText());
    ASSERT_TRUE(s.Make());
    EXPECT_EQ(LoadTextLines(dir / "out/css/style.css").back(), "/* edited */");
    EXPECT_EQ(LoadTextLines(dir / "out/index.html").front(), "<!-- edited -->");
    EXPECT_EQ(s.Log().size(), 16u);
    EXPECT_EQ(s.KeyIndex()[0].id, 4);
}

TEST(Make, ResourceFolderLoadsTemplatesAtOnce)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    EXPECT_EQ(s.KeyCSS()[15].id, 15);
    EXPECT_EQ(s.Log()[0], "  0: /*0*/");
    EXPECT_EQ(s.KeyImg()[1].keyFormat, "</div> <!-- end of wrapper -->");
    TComQorCSS1 missing;
    missing.SetRscFolder((dir / "nothing").string());
    EXPECT_TRUE(missing.IndexLS().empty());
}

struct TAlphaCase {
    const char* Color;
    uint8_t Red, Green, Blue, Alpha;
};

class CommentBackground : public testing::TestWithParam<TAlphaCase> {};

TEST_P(CommentBackground, CarriesColourAndRoundedOpacity)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.ControllerType = 1;
    s.ColorCommentBG = GetParam().Color;
    ASSERT_TRUE(s.Make());
    TRgbaPicture picture = ReadRgba(dir / "out/css/comment-bg.png");
    ASSERT_EQ(picture.Width, 24u);
    ASSERT_EQ(picture.Height, 18u);
    for (uint32_t y = 0; y < 18; y += 17)
        for (uint32_t x = 0; x < 24; x += 23) {
            const uint8_t* p = picture.At(x, y);
            EXPECT_EQ(p[0], GetParam().Red);
            EXPECT_EQ(p[1], GetParam().Green);
            EXPECT_EQ(p[2], GetParam().Blue);
            EXPECT_EQ(p[3], GetParam().Alpha);
        }
}

INSTANTIATE_TEST_SUITE_P(Make, CommentBackground,
                         testing::Values(TAlphaCase{"00000032", 0, 0, 0, 128},
                                         TAlphaCase{"80800064", 128, 128, 0, 255},
                                         TAlphaCase{"102030", 16, 32, 48, 255},
                                         TAlphaCase{"FFFFFF0A", 255, 255, 255, 26},
                                         TAlphaCase{"FFFFFF00", 255, 255, 255, 0}));

TEST(Make, StripPicturesHaveTheirSizesAndColours)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir); // thumbnails 112 x 44, border 2, strip 54
    s.StartColor = MakeColor(255, 255, 255);
    s.EndColor = MakeColor(0, 0, 0);
    s.ThumbBorderColorHex = "F0FBFF";
    ASSERT_TRUE(s.Make());
    TRgbaPicture strip = ReadRgba(dir / "out/css/thumbbg_ie.png");
    EXPECT_EQ(strip.Width, 8u);
    EXPECT_EQ(strip.Height, 70u);
    EXPECT_EQ(strip.At(0, 0)[0], 255);
    EXPECT_EQ(strip.At(7, 69)[0], 0);
    EXPECT_EQ(strip.At(3, 0)[3], 255);

    for (const char* name :
         {"ie8thumb_li_bg.png", "ie8thumb_li_hover.png", "ie8thumb_li_active.png"}) {
        TRgbaPicture li = ReadRgba(dir / "out/css" / name);
        EXPECT_EQ(li.Width, 126u) << name;
        EXPECT_EQ(li.Height, 58u) << name;
        const uint8_t* box = li.At(60, 30);
        EXPECT_EQ(box[0], 0xF0) << name;
        EXPECT_EQ(box[1], 0xFB) << name;
        EXPECT_EQ(box[2], 0xFF) << name;
    }
    // Just outside the box the active picture glows red and the hover picture aqua.
    TRgbaPicture active = ReadRgba(dir / "out/css/ie8thumb_li_active.png");
    EXPECT_GT(active.At(4, 30)[0], active.At(4, 30)[1]);
    EXPECT_GT(active.At(4, 30)[0], active.At(4, 30)[2]);
    TRgbaPicture hover = ReadRgba(dir / "out/css/ie8thumb_li_hover.png");
    EXPECT_GT(hover.At(4, 30)[2], hover.At(4, 30)[0]);
}

TEST(Make, ShortBorderColourGivesWhiteBoxes)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.ThumbBorderColorHex = "";
    ASSERT_TRUE(s.Make());
    TRgbaPicture background = ReadRgba(dir / "out/css/ie8thumb_li_bg.png");
    const uint8_t* box = background.At(60, 30);
    EXPECT_EQ(box[0] + box[1] + box[2], 3 * 255);
}

} // namespace
