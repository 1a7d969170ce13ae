// The page header, the site layouts and the demo page, alone and combined.
#include "gallery/PageTemplate.h"

#include "GalleryFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace galleryfixture;
using qortest::ReadAll;
using qortest::TempDir;
namespace fs = std::filesystem;

TStringList Page(const TempDir& dir)
{
    return LoadTextLines(dir / "out/index.html");
}

int IndexOf(const TStringList& lines, const std::string& line)
{
    auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

int CountOf(const TStringList& lines, const std::string& part)
{
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
        return l.find(part) != std::string::npos;
    }));
}

TEST(PageLayouts, HeaderStandsBeforeWrapperAndFragmentAfterBackground)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.ShowQorHeader = 1;
    s.PageTitle = "My Photos";
    ASSERT_TRUE(s.Make());
    TStringList page = Page(dir);
    int heading = IndexOf(page, "<h1 class=\"qorheader\">My Photos</h1>");
    ASSERT_GE(heading, 0);
    EXPECT_EQ(page[heading + 1], "<div id=\"qo_wrapper1\">");
    int background = IndexOf(page, "\t\tbody {background:#FFFFFF;}");
    EXPECT_EQ(page[background + 1], "<style>h1.qorheader {margin:0;}</style>");
}

TEST(PageLayouts, MissingHeaderFragmentNamesTheFile)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.ShowQorHeader = 1;
    fs::remove(dir / "rsc/index-header.html");
    try {
        s.Make();
        FAIL() << "Make went on without the header fragment";
    } catch (const std::system_error& e) {
        EXPECT_NE(std::string(e.what()).find("index-header.html"), std::string::npos);
    }
}

TEST(PageLayouts, SiteLayoutReadsItsColumnsTemplateAndWritesColumnSheet)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.ShowQorHeader = 3;
    ASSERT_TRUE(s.Make());
    EXPECT_EQ(Page(dir)[0], "<!-- columns 2 -->");
    EXPECT_EQ(LoadTextLines(dir / "out/css/style_2columns.css"),
              (TStringList{"#main {width:720px; height:334px;}"}));
    EXPECT_EQ(ReadAll(dir / "out/css/column-bg.png"), ReadAll(dir / "rsc/embed/css/column-bg.png"));
    EXPECT_FALSE(fs::exists(dir / "out/css/notes.txt"));
    EXPECT_FALSE(fs::exists(dir / "out/css/style_1columns.css"));
}

TEST(PageLayouts, ColumnSheetUsesSlideHeightWithoutThumbnails)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.ShowQorHeader = 2;
    s.ControllerType = 2;
    ASSERT_TRUE(s.Make());
    EXPECT_EQ(LoadTextLines(dir / "out/css/style_1columns.css"),
              (TStringList{"#main {width:720px; height:270px;}"}));
}

TEST(PageLayouts, MissingColumnPicturesFolderCopiesNothing)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.ShowQorHeader = 4;
    fs::remove(dir / "rsc/embed/css/column-bg.png");
    ASSERT_TRUE(s.Make());
    EXPECT_TRUE(fs::exists(dir / "out/css/style_3columns.css"));
}

TEST(PageLayouts, DemoPageHoldsOneNamedWrapperPerTransition)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.DemoMode = true;
    TPictures pictures;
    pictures.Add(Texts("Sea"));
    pictures.ConnectTo(s);
    ASSERT_TRUE(s.Make());
    TStringList page = Page(dir);
    EXPECT_EQ(CountOf(page, "class=\"qo_wrapbase\""), 16);
    for (int i = 0; i < 16; ++i) {
        int at = IndexOf(page, "\t\t\t<div id=\"qo_wrapper" + std::to_string(i) +
                                   "\" class=\"qo_wrapbase\">");
        ASSERT_GE(at, 0) << i;
        EXPECT_EQ(page[at - 1], "\t\t<dt>");
        int name = IndexOf(page, "\t\t<dd class=\"qo_demoname\">" +
                                     TComQorCSS1::StdTransitNames()[i] + "</dd>");
        EXPECT_GT(name, at);
    }
    EXPECT_LT(IndexOf(page, "\t\t<dd class=\"qo_demoname\">ランダム</dd>"),
              IndexOf(page, "\t\t<dd class=\"qo_demoname\">効果無し</dd>"));
    EXPECT_EQ(CountOf(page, "\t\t\t\t\t\t<li><img src=\"img/thumb/1.jpg\""), 16);
    EXPECT_EQ(page[IndexOf(page, "<div class=\"qo_gallerydemo\">") + 1], "\t<dl>");
    EXPECT_EQ(page[IndexOf(page, "</div>  <!-- end of qo_gallerydemo -->") + 1], "</body>");
}

TEST(PageLayouts, DemoPageLinksItsSheetBeforeTitleAndCallsFromDemoHead)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.DemoMode = true;
    ASSERT_TRUE(s.Make());
    TStringList page = Page(dir);
    int title = IndexOf(page, "\t<title>QorSlider</title>");
    EXPECT_EQ(page[title - 1], "\t<link rel=\"stylesheet\" href=\"css/gallerydemo.css\">");
    int call = IndexOf(page, "$('.qo_wrapbase').each(function(){");
    ASSERT_GE(call, 0);
    EXPECT_EQ(page[call + 1], "  $(this).qorslider({");
    EXPECT_EQ(page[call + 2], "\t\t\t\tcontroller:'thumb',");
    EXPECT_EQ(page[call + 15], "\t\t\t\tcmteffect:'up'  });");
    EXPECT_EQ(page[call + 16], "\t\t\t\t}");
    EXPECT_EQ(CountOf(page, "effectgrp"), 0);
}

struct TDemoWidthCase {
    int32_t ImageWidth, DemoWidth;
    const char* Demo;
    const char* Each;
};

class DemoSheetWidths : public testing::TestWithParam<TDemoWidthCase> {};

TEST_P(DemoSheetWidths, TakeTheWiderOfPageAndGallery)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.DemoMode = true;
    s.ImageWidth = GetParam().ImageWidth;
    s.DemoWidth = GetParam().DemoWidth;
    ASSERT_TRUE(s.Make());
    EXPECT_EQ(LoadTextLines(dir / "out/css/gallerydemo.css"),
              (TStringList{std::string(".qo_gallerydemo {width:") + GetParam().Demo + ";}",
                           std::string("dl {width:") + GetParam().Each + ";}"}));
}

INSTANTIATE_TEST_SUITE_P(PageLayouts, DemoSheetWidths,
                         testing::Values(TDemoWidthCase{720, 1200, "1200px", "730px"},
                                         TDemoWidthCase{1280, 1200, "1290px", "1290px"},
                                         TDemoWidthCase{1190, 1200, "1200px", "1200px"}));

TEST(PageLayouts, HeaderWithDemoStandsBeforeDemoBlock)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.DemoMode = true;
    s.ShowQorHeader = 1;
    ASSERT_TRUE(s.Make());
    TStringList page = Page(dir);
    int heading = IndexOf(page, "<h1 class=\"qorheader\">QorSlider</h1>");
    ASSERT_GE(heading, 0);
    EXPECT_EQ(page[heading + 1], "<div class=\"qo_gallerydemo\">");
    int background = IndexOf(page, "\t\tbody {background:#FFFFFF;}");
    EXPECT_EQ(page[background + 1], "<style>h1.qorheader {margin:0;}</style>");
}

TEST(PageLayouts, DemoWithColumnsWritesBothSheets)
{
    TempDir dir;
    TComQorCSS1 s = MakeSettings(dir);
    s.DemoMode = true;
    s.ShowQorHeader = 2;
    ASSERT_TRUE(s.Make());
    TStringList page = Page(dir);
    EXPECT_EQ(page[0], "<!-- columns 1 -->");
    EXPECT_EQ(CountOf(page, "class=\"qo_wrapbase\""), 16);
    EXPECT_TRUE(fs::exists(dir / "out/css/gallerydemo.css"));
    EXPECT_TRUE(fs::exists(dir / "out/css/style_1columns.css"));
    EXPECT_EQ(CountOf(LoadTextLines(dir / "out/css/style.css"), "#qo_wrapper"), 0);
}

} // namespace
