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

// The files named by each warning of the last Make.
TStringList WarnedFiles(const TComQorCSS1& s)
{
    TStringList files;
    for (const TMakeWarning& warning : s.MakeWarnings())
        files.push_back(fs::path(warning.File).filename().string());
    return files;
}

TEST(Assets, MissingOrUncopiableControlPictureAndScriptFileAreReported)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    fs::remove(dir / "rsc/ctrl/ctrl3stat.png");
    fs::remove(dir / "rsc/ctrl/00-next.png");
    fs::create_directories(dir / "out/js/jquery.min.js"); // a folder in the copy's place
    ASSERT_TRUE(s.Make());
    EXPECT_FALSE(fs::exists(dir / "out/css/ctrl3stat.png"));
    EXPECT_FALSE(fs::exists(dir / "out/css/next_arrow.png"));
    EXPECT_TRUE(fs::exists(dir / "out/css/prev_arrow.png"));
    EXPECT_EQ(WarnedFiles(s), (TStringList{"00-next.png", "ctrl3stat.png", "jquery.min.js"}));

    fs::remove_all(dir / "out/js/jquery.min.js");
    WritePicture(dir / "rsc/ctrl/00-next.png", 30, 40, clWhite);
    WritePicture(dir / "rsc/ctrl/ctrl3stat.png", 16, 48, clWhite);
    ASSERT_TRUE(s.Make());
    EXPECT_TRUE(s.MakeWarnings().empty()); // each Make reports its own
}

TEST(Assets, ColumnPictureThatCannotBeCopiedIsReported)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.ShowQorHeader = 2;
    fs::create_directories(dir / "out/css/column-bg.png");
    ASSERT_TRUE(s.Make());
    EXPECT_EQ(WarnedFiles(s), TStringList{"column-bg.png"});
}

// Projects are exchanged: no name in one may bring a file from outside the resource folder
// into the gallery, or write outside the output folder.
TEST(Assets, HostileNamesInAProjectGiveTheDefaults)
{
    TempDir dir;
    WritePicture(dir / "secret.png", 50, 60, MakeColor(255, 0, 0)); // decodes as a picture
    dir.Write("rsc/ctrl/sub/03-prev.png", "");
    const std::string hostile[] = {(dir / "secret.png").string(), "../../secret.png",
                                   "sub/../../../secret.png", "..", ".", "sub\\03-prev.png",
                                   "03-prev.png/."};
    for (const std::string& name : hostile) {
        SCOPED_TRACE(name);
        TComQorCSS1 s = MakeSettings(dir);
        s.PrevArrowFile = name;
        s.NextArrowFile = name;
        ASSERT_TRUE(s.Make());
        EXPECT_EQ(ReadAll(dir / "out/css/prev_arrow.png"), ReadAll(dir / "rsc/ctrl/00-prev.png"));
        EXPECT_EQ(ReadAll(dir / "out/css/next_arrow.png"), ReadAll(dir / "rsc/ctrl/00-next.png"));
        EXPECT_EQ(KeyLine11(dir), "/*11*/ width:  30px; height: 40px; top:130px;");
        ASSERT_EQ(s.MakeWarnings().size(), 2u);
        EXPECT_EQ(s.MakeWarnings()[0].File, name);
    }
}

TEST(Assets, PageAndStyleSheetNamesStayInTheirFolders)
{
    const std::pair<std::string, std::string> names[] = {
        {"../escaped.html", "../escaped.css"}, {"/tmp/qor-escaped.html", "/tmp/qor-escaped.css"},
        {"sub/page.html", "sub/style.css"},    {"..", "."}};
    for (const auto& [html, css] : names) {
        SCOPED_TRACE(html);
        TempDir dir;
        TComQorCSS1 s = MakeSettings(dir);
        s.HTML = html;
        s.StyleSheet = css;
        ASSERT_TRUE(s.Make());
        EXPECT_TRUE(fs::exists(dir / "out/index.html"));
        EXPECT_TRUE(fs::exists(dir / "out/css/style.css"));
        EXPECT_FALSE(fs::exists(dir / "escaped.html"));
        EXPECT_FALSE(fs::exists(dir / "out/escaped.css"));
        EXPECT_FALSE(fs::exists("/tmp/qor-escaped.html"));
        EXPECT_FALSE(fs::exists(dir / "out/sub"));
        EXPECT_NE(ReadAll(dir / "out/index.html").find("href=\"css/style.css\""), std::string::npos);
        EXPECT_EQ(WarnedFiles(s).size(), 2u);
    }
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
