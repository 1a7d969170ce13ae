#include "gallery/Assets.h"

#include "imaging/ImageError.h"

#include "GalleryFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace galleryfixture;
using qortest::ReadAll;
using qortest::TempDir;
namespace fs = std::filesystem;

std::string KeyLine11(const TempDir& dir)
{
    TStringList lines = LoadTextLines(dir / "out/css/style.css");
    for (const std::string& line : lines)
        if (line.rfind("/*11*/", 0) == 0) return line;
    return {};
}

TEST(Assets, MissingChosenButtonFallsBackToButtonZero)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.PrevArrowFile = "07-prev.png";
    s.NextArrowFile = "07-next.png";
    ASSERT_TRUE(s.Make());
    EXPECT_EQ(ReadAll(dir / "out/css/prev_arrow.png"), ReadAll(dir / "rsc/ctrl/00-prev.png"));
    EXPECT_EQ(ReadAll(dir / "out/css/next_arrow.png"), ReadAll(dir / "rsc/ctrl/00-next.png"));
    EXPECT_EQ(KeyLine11(dir), "/*11*/ width:  30px; height: 40px; top:130px;");
}

TEST(Assets, ChosenButtonsAreCopiedAndSizeTheRule)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.PrevArrowFile = "03-prev.png";
    s.NextArrowFile = "03-next.png";
    ASSERT_TRUE(s.Make());
    EXPECT_EQ(ReadAll(dir / "out/css/prev_arrow.png"), ReadAll(dir / "rsc/ctrl/03-prev.png"));
    EXPECT_EQ(ReadAll(dir / "out/css/next_arrow.png"), ReadAll(dir / "rsc/ctrl/03-next.png"));
    EXPECT_EQ(ReadAll(dir / "out/css/ctrl3stat.png"), ReadAll(dir / "rsc/ctrl/ctrl3stat.png"));
    EXPECT_EQ(KeyLine11(dir), "/*11*/ width:  24px; height: 32px; top:130px;");
}

TEST(Assets, HeadingBackgroundOnlyInDemoMode)
{
    for (bool demo : {false, true}) {
        TempDir dir;
        TComQorCSS1 s = MakeSettings(dir);
        s.DemoMode = demo;
        ASSERT_TRUE(s.Make());
        EXPECT_EQ(fs::exists(dir / "out/css/h2_bg_silver.png"), demo);
    }
}

TEST(Assets, MissingControlPictureIsSkipped)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    fs::remove(dir / "rsc/ctrl/ctrl3stat.png");
    fs::remove(dir / "rsc/ctrl/00-next.png");
    ASSERT_TRUE(s.Make());
    EXPECT_FALSE(fs::exists(dir / "out/css/ctrl3stat.png"));
    EXPECT_FALSE(fs::exists(dir / "out/css/next_arrow.png"));
    EXPECT_TRUE(fs::exists(dir / "out/css/prev_arrow.png"));
}

TEST(Assets, UnreadablePreviousButtonEndsMakeWithReaderError)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    dir.Write("rsc/ctrl/00-prev.png", "not a png");
    EXPECT_THROW(s.Make(), EImageError);
    fs::remove(dir / "rsc/ctrl/00-prev.png");
    EXPECT_THROW(s.Make(), EImageError);
}

TEST(Assets, ScriptFolderSkipsGalleryScriptInAnyCaseAndSubfolders)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    ASSERT_TRUE(s.Make());
    EXPECT_EQ(ReadAll(dir / "out/js/jquery.min.js"), "/* jQuery */\n");
    EXPECT_FALSE(fs::exists(dir / "out/js/JQuery.QorSlider.MIN.js"));
    EXPECT_FALSE(fs::exists(dir / "out/js/extra"));
    EXPECT_EQ(ReadAll(dir / "out/js/jquery.qorslider.min.js"),
              "\xEF\xBB\xBF(function($){\r\n})(jQuery);\r\n");
}

TEST(Assets, ScriptIsWrittenWithoutResourceScriptFolder)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    fs::remove_all(dir / "rsc/js");
    ASSERT_TRUE(s.Make());
    EXPECT_EQ(ReadAll(dir / "out/js/jquery.qorslider.min.js"),
              "\xEF\xBB\xBF(function($){\r\n})(jQuery);\r\n");
}

TEST(Assets, ParseJSReadsResourceScriptWithoutByteOrderMark)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    dir.Write("rsc/js/jquery.qorslider.min.js", "\xEF\xBB\xBF"
                                                "a\nb\r\nc");
    EXPECT_TRUE(s.ParseJS());
    EXPECT_EQ(s.Java(), (TStringList{"a", "b", "c"}));
}

TEST(Assets, ParseJSOnMissingScriptKeepsTextAndThrows)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    EXPECT_THROW(s.ParseJS(), std::system_error);
    EXPECT_EQ(s.Java(), (TStringList{"(function($){", "})(jQuery);"}));
}

} // namespace
