#include "gallery/PageWriter.h"
#include "gallery/PageTemplate.h"
#include "gallery/ScriptCall.h"

#include "GalleryFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace galleryfixture;
using qortest::ReadAll;
using qortest::TempDir;

struct TLoadedTemplate {
    TStringList Lines;
    TQorKeys Head;
    TQorKeys Wrapper;
    explicit TLoadedTemplate(const char* text = PageTemplateText())
        : Lines(SplitTextLines(text)), Head(FindKeys(Lines, HeadKeyTexts())),
          Wrapper(FindKeys(Lines, WrapperKeyTexts()))
    {
    }
    TPageTemplate View() const { return {Lines, Head, Wrapper}; }
};

std::string Join(const TStringList& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

TStringList Compose(const TComQorCSS1& s)
{
    TLoadedTemplate page;
    return ComposePage(s, page.View(), {});
}

bool Contains(const TStringList& lines, const std::string& text)
{
    return Join(lines).find(text) != std::string::npos;
}

TEST(PageWriter, DocumentedExampleComesOutByteForByte)
{
    TComQorCSS1 s = ExampleSettings();
    TPictures pictures;
    pictures.Add(Texts("Sea", {"Blue", "Calm"}));
    pictures.Add(Texts(""));
    pictures.ConnectTo(s);
    TempDir out;
    s.OutFolder = out.Path().string() + "/";
    TLoadedTemplate page;
    WritePage(s, page.View(), {});

    const std::string p = "\r\n\t\t\t\t";
    std::string expected =
        "\xEF\xBB\xBF"
        "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n"
        "\t<meta name=\"viewport\" content=\"width=770\" />\r\n"
        "\t<title>QorSlider</title>\r\n"
        "\t<link rel=\"stylesheet\" href=\"css/style.css\">\r\n"
        "<style>\r\n"
        "\t\tbody {background:#FFFFFF;}\r\n"
        "</style>\r\n<script>\r\n$(function(){\r\n"
        "  $('div#qo_wrapper1').qorslider({effectgrp:['random'],  " +
        p + "controller:'thumb'," + p + "width:720, height:270, " + p +
        "thumb:{width:112, height:54, titleheight:28}, " + p + "showbutton:true, " + p +
        "progress:false, autohidectrl:false, " + p + "transitduration:1000," + p +
        "autoslideshow:false, slideshow_interval:4000," + p +
        "thumbborderwidth:2, thumbbordercolor:'#FFFFFF'," + p +
        "showthumbtitle:false, showbanner:false, thumbporaloid:false," + p + "thumbtitleoffset:0," +
        p + "responsive:false, minscale:0.60," + p + "mouseflick:false," + p + "identifier:'1'," +
        p + "cmteffect:'up'  });\r\n" +
        "});\r\n</script>\r\n</head>\r\n<body>\r\n"
        "<div id=\"qo_wrapper1\">\r\n"
        "\t<div class=\"qo_slides\">\r\n"
        "\t\t<ul>\r\n"
        "\t\t\t<li>\r\n"
        "\t\t\t\t<img src=\"img/img1.jpg\" alt=\"img1.jpg\" title=\"Sea\" />\r\n"
        "\t\t\t\t<span><p class=\"qo_span_h1\">Sea</p><p class=\"qo_span_content\">Blue<br />"
        "Calm<br /></p></span>\r\n"
        "\t\t\t</li>\r\n"
        "\t\t\t<li><img src=\"img/img2.jpg\" alt=\"img2.jpg\"  /></li>\r\n"
        "\t\t</ul>\r\n"
        "\t</div> <!-- end of slides -->\r\n"
        "\t<div class=\"qo_thumb\">\r\n"
        "\t\t<ul>\r\n"
        "\t\t\t<li><img src=\"img/thumb/1.jpg\" alt=\"1.jpg\" title=\"Sea\" /></li>\r\n"
        "\t\t\t<li><img src=\"img/thumb/2.jpg\" alt=\"2.jpg\"  /></li>\r\n"
        "\t\t</ul>\r\n"
        "\t</div> <!-- end of thumb -->\r\n"
        "</div> <!-- end of wrapper -->\r\n"
        "</body>\r\n</html>\r\n";
    EXPECT_EQ(ReadAll(out / "index.html"), expected);
}

class TransitIndexOutsideTable : public testing::TestWithParam<int32_t> {};

TEST_P(TransitIndexOutsideTable, GivesCallHeadWithoutEffectOption)
{
    TComQorCSS1 s = ExampleSettings();
    s.TransitIndex = GetParam();
    EXPECT_EQ(ScriptCall(s).substr(0, ScriptCall(s).find('\r')),
              "  $('div#qo_wrapper1').qorslider({ ");
}

INSTANTIATE_TEST_SUITE_P(PageWriter, TransitIndexOutsideTable, testing::Values(-1, 16));

TEST(PageWriter, TransitionOptionNamesTheScriptNameOfTheIndex)
{
    TComQorCSS1 s = ExampleSettings();
    s.TransitIndex = 15;
    EXPECT_EQ(TransitOption(s), "effectgrp:['none'], ");
}

struct TCommentCase {
    int32_t Controller, CommentPos, CtrlPosition, CtrlWidth;
    const char* Expected;
};

class CommentOptionCases : public testing::TestWithParam<TCommentCase> {};

TEST_P(CommentOptionCases, FollowsControllerAndPosition)
{
    TComQorCSS1 s = ExampleSettings();
    s.ControllerType = GetParam().Controller;
    s.CommentPosIndex = GetParam().CommentPos;
    s.CtrlPosition = GetParam().CtrlPosition;
    s.CtrlWidth = GetParam().CtrlWidth;
    EXPECT_EQ(CommentOption(s), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    PageWriter, CommentOptionCases,
    testing::Values(
        TCommentCase{1, 1, 4, 80,
                     "cmteffect:'up', controllerpos: {right:10, bottom:10, centerx:true, "
                     "ratio:0.80 }"},
        TCommentCase{2, 0, 2, 100,
                     "cmteffect:'none', controllerpos: {left:10, top:10, centerx:false, "
                     "ratio:1.00 }"},
        TCommentCase{1, 5, 5, 50,
                     "cmteffect:'customr', controllerpos: {left:10, bottom:10, centerx:false, "
                     "ratio:0.50 }"},
        TCommentCase{2, 3, 1, 100,
                     "cmteffect:'custom', controllerpos: {right:10, top:10, centerx:true, "
                     "ratio:1.00 }"},
        TCommentCase{0, 2, 4, 80, "cmteffect:'down' "},
        TCommentCase{3, 4, 0, 100, "cmteffect:'customl' "},
        TCommentCase{0, 9, 0, 100, "cmteffect:'none' "}));

TEST(PageWriter, NoControllerOmitsThumbnailListButNamesController)
{
    TComQorCSS1 s = ExampleSettings();
    s.ControllerType = 3;
    TPictures pictures;
    pictures.Add(Texts("Sea"));
    pictures.ConnectTo(s);
    TStringList page = Compose(s);
    EXPECT_TRUE(Contains(page, "controller:'none',"));
    EXPECT_FALSE(Contains(page, "qo_thumb"));
    EXPECT_FALSE(Contains(page, "img/thumb/"));
    EXPECT_TRUE(
        Contains(page, "\t</div> <!-- end of slides -->\r\n</div> <!-- end of wrapper -->"));
}

TEST(PageWriter, EmptyAttributeListGivesEmptyLists)
{
    TComQorCSS1 s = ExampleSettings();
    TStringList page = Compose(s);
    EXPECT_TRUE(Contains(page, "\t<div class=\"qo_slides\">\r\n\t\t<ul>\r\n\t\t</ul>\r\n"));
    EXPECT_TRUE(Contains(page, "\t<div class=\"qo_thumb\">\r\n\t\t<ul>\r\n\t\t</ul>\r\n"));
}

TEST(PageWriter, ViewportLeavesRoomForTheFrame)
{
    TComQorCSS1 s = ExampleSettings();
    for (int32_t frame : {0, 1}) {
        s.FrameType = frame;
        EXPECT_EQ(Compose(s)[3], "\t<meta name=\"viewport\" content=\"width=750\" />");
    }
}

TEST(PageWriter, HeadLinesCarryTitleStyleSheetAndBackground)
{
    TComQorCSS1 s = ExampleSettings();
    s.PageTitle = "<i>Trip</i>";
    s.StyleSheet = "site.css";
    s.BackGroundColorHex = "102030";
    TStringList page = Compose(s);
    EXPECT_EQ(page[4], "\t<title><i>Trip</i></title>");
    EXPECT_EQ(page[5], "\t<link rel=\"stylesheet\" href=\"css/site.css\">");
    EXPECT_EQ(page[7], "\t\tbody {background:#102030;}");
}

TEST(PageWriter, SiteLayoutsMoveThumbnailTitlesDownByThree)
{
    TComQorCSS1 s = ExampleSettings();
    s.ThumbTitleOffsetY = 5;
    for (int32_t layout = 0; layout <= 4; ++layout) {
        s.ShowQorHeader = layout;
        std::string expected = layout >= 2 ? "thumbtitleoffset:8," : "thumbtitleoffset:5,";
        EXPECT_NE(ScriptCallOptions(s).find(expected), std::string::npos) << layout;
    }
}

TEST(PageWriter, DurationsAreRoundedToMilliseconds)
{
    TComQorCSS1 s = ExampleSettings();
    s.TransitDuration = 1.0006L;
    s.SlideshowInterval = 2.9994L;
    std::string options = ScriptCallOptions(s);
    EXPECT_NE(options.find("transitduration:1001,"), std::string::npos);
    EXPECT_NE(options.find("slideshow_interval:2999,"), std::string::npos);
}

TEST(PageWriter, TemplateNameFollowsLayout)
{
    EXPECT_EQ(PageTemplateName(0), "index-base.html");
    EXPECT_EQ(PageTemplateName(1), "index-base.html");
    EXPECT_EQ(PageTemplateName(2), "index-1columns.html");
    EXPECT_EQ(PageTemplateName(4), "index-3columns.html");
}

TEST(PageWriter, HookReplacesBuiltInLinesAndSeesPreviousOnes)
{
    TComQorCSS1 s = ExampleSettings();
    s.AttrLS = {"a", "b"};
    TStringList seen;
    s.OnMakeLIEntry = [&seen](const TComQorCSS1&, int32_t index, std::string& slide,
                              std::string& thumb) {
        seen.push_back(slide + "|" + thumb);
        slide = "<li>slide " + std::to_string(index) + "</li>";
        thumb = "<li>thumb " + std::to_string(index) + "</li>";
    };
    TStringList page = Compose(s);
    EXPECT_EQ(seen, (TStringList{"|", "<li>slide 0</li>|<li>thumb 0</li>"}));
    EXPECT_TRUE(Contains(page, "\t\t\t<li>slide 0</li>\r\n\t\t\t<li>slide 1</li>\r\n"));
    EXPECT_TRUE(Contains(page, "\t\t\t<li>thumb 0</li>\r\n\t\t\t<li>thumb 1</li>\r\n"));
}

TEST(PageWriter, WithoutImageListOrHookRowsHoldOnlyIndentation)
{
    TComQorCSS1 s = ExampleSettings();
    s.AttrLS = {"a"};
    EXPECT_TRUE(Contains(Compose(s), "\t\t<ul>\r\n\t\t\t\r\n\t\t</ul>\r\n"));
}

TEST(PageWriter, TemplateWithoutPlaceholderEndKeepsItsLines)
{
    std::string text = PageTemplateText();
    text.replace(text.find("<!-- end of wrapper"), 19, "<!-- closing");
    TLoadedTemplate page(text.c_str());
    TStringList lines = ComposePage(ExampleSettings(), page.View(), {});
    EXPECT_TRUE(Contains(lines, "<div id=\"qo_wrapper1\">"));
    EXPECT_TRUE(Contains(lines, "<p>placeholder</p>"));
}

TEST(PageWriter, KeysAreFoundInOrderOneLineEach)
{
    TStringList lines = {"B", "A", "AB", "B"};
    TQorKeys keys = FindKeys(lines, {"A", "B", "C"});
    EXPECT_EQ(keys[0].id, 1);
    EXPECT_EQ(keys[1].id, 2);
    EXPECT_EQ(keys[1].keyFormat, "AB");
    EXPECT_EQ(keys[2].id, -1);
    EXPECT_EQ(FindKeys(lines, {"C", "A"})[1].id, -1);
}

TEST(PageWriter, MissingOutputFolderThrowsTheFileError)
{
    TComQorCSS1 s = ExampleSettings();
    TempDir out;
    s.OutFolder = (out / "missing").string() + "/";
    TLoadedTemplate page;
    EXPECT_THROW(WritePage(s, page.View(), {}), std::system_error);
}

} // namespace
