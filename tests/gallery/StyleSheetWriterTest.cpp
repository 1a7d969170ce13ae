#include "gallery/StyleSheetWriter.h"

#include "GalleryFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace galleryfixture;

// Every key line of the template, with a rule of its own around some of them.
TStringList TemplateLines()
{
    TStringList lines = {"@charset \"utf-8\";"};
    for (int k = 0; k < StyleSheetKeyCount; ++k)
        lines.push_back("/*" + std::to_string(k) + "*/");
    lines.push_back("#qo_wrapper .qo_thumb li {float:left;}");
    lines.push_back("");
    return lines;
}

struct TComposed {
    TStringList Template = TemplateLines();
    TStringList Log;
    TQorKeys Keys = FindStyleSheetKeys(Template, Log);
    TButtonSize Button{30, 40};
    TStringList Compose(const TComQorCSS1& s) const
    {
        return ComposeStyleSheet(s, {Template, Keys}, Button);
    }
};

// The line that carries a marker in a composed style sheet.
std::string KeyLine(const TStringList& lines, int key)
{
    std::string marker = "/*" + std::to_string(key) + "*/";
    for (const std::string& line : lines)
        if (line.find(marker) != std::string::npos) return line;
    return {};
}

TComQorCSS1 StripSettings()
{
    TComQorCSS1 s = ExampleSettings(); // strip height 54
    s.FrameType = 0;
    return s;
}

TEST(StyleSheetWriter, ThumbnailWrapperRuleCarriesIdAndStripHeight)
{
    TComposed css;
    EXPECT_EQ(KeyLine(css.Compose(StripSettings()), 0),
              "/*0*/  #qo_wrapper1 {width:720px; height:334px;position:relative; margin: 10px auto "
              "10px auto; background-color:#C9C9C9;opacity:0;visibility:hidden;overflow:hidden;}");
}

TEST(StyleSheetWriter, NumberControllerSizesTheSlides)
{
    TComQorCSS1 s = StripSettings();
    s.ControllerType = 1;
    TComposed css;
    TStringList lines = css.Compose(s);
    EXPECT_EQ(KeyLine(lines, 0),
              "/*0*/  #qo_wrapper1 {width:720px; height:270px;position:relative; margin: 10px auto "
              "10px auto; background-color:#C9C9C9;opacity:0;visibility:hidden;}");
    EXPECT_EQ(KeyLine(lines, 1),
              "/*1*/  #qo_wrapper1 .qo_slides {width:720px; height:270px;padding:0px;position:"
              "relative; z-index:100;overflow:hidden;}");
    EXPECT_EQ(KeyLine(lines, 3),
              "/*3*/  #qo_wrapper1 .qo_thumb {height:44px; margin: 0 auto;\toverflow: hidden;");
}

TEST(StyleSheetWriter, ThumbnailModeSlidesRuleHasNoSize)
{
    TComposed css;
    TStringList lines = css.Compose(StripSettings());
    EXPECT_EQ(KeyLine(lines, 1), "/*1*/ #qo_wrapper1 .qo_slides {padding:0px;position:relative; "
                                 "z-index:100;overflow:hidden;}");
    EXPECT_EQ(KeyLine(lines, 3),
              "/*3*/  #qo_wrapper1 .qo_thumb {height:54px; margin: 0 auto;\toverflow: hidden;");
}

TEST(StyleSheetWriter, SiteLayoutsDropTheWrapperMargins)
{
    TComQorCSS1 s = StripSettings();
    s.WrapperMarginY = 25;
    TComposed css;
    for (int32_t layout : {0, 1, 2, 3, 4}) {
        s.ShowQorHeader = layout;
        std::string margin =
            layout <= 1 ? "margin: 25px auto 25px auto;" : "margin: 0px auto 0px auto;";
        EXPECT_NE(KeyLine(css.Compose(s), 0).find(margin), std::string::npos) << layout;
    }
}

TEST(StyleSheetWriter, CommentColoursTakeHexAndOpacity)
{
    TComQorCSS1 s = StripSettings();
    s.ColorCommentText = "FFFFFF64";
    s.ColorCommentBG = "00000032";
    s.ColorCommentShadow = "102030";
    TComposed css;
    TStringList lines = css.Compose(s);
    EXPECT_EQ(KeyLine(lines, 2),
              "/*2*/\t#qo_wrapper1 .qo_slides_span { color:#FFFFFF; z-index:555; "
              "background-color: rgba(0,0,0,0.50);}");
    EXPECT_EQ(KeyLine(lines, 8),
              "/*8*/      color:#FFFFFF; text-shadow: rgba(16,32,48,1.00) 2px 2px 0;");
}

TEST(StyleSheetWriter, GradientRulesUseStartAndEndColours)
{
    TComQorCSS1 s = StripSettings();
    s.StartColor = 0x0000FF; // red
    s.EndColor = 0xFF0000;   // blue
    TComposed css;
    TStringList lines = css.Compose(s);
    EXPECT_EQ(KeyLine(lines, 4), "/*4*/      background:-moz-linear-gradient(#FF0000, #0000FF);");
    EXPECT_EQ(KeyLine(lines, 5), "/*5*/      background:-webkit-gradient(linear, left top, left "
                                 "bottom, from(#FF0000),to(#0000FF));");
    EXPECT_EQ(KeyLine(lines, 6), "/*6*/      background:-o-linear-gradient(#FF0000, #0000FF);");
    EXPECT_EQ(KeyLine(lines, 7),
              "/*7*/      -ms-filter: \"progid:DXImageTransform.Microsoft.gradient(GradientType=0,"
              "startColorstr='#FF0000',endColorstr='#0000FF')\";}");
}

TEST(StyleSheetWriter, TitleButtonProgressAndBannerRules)
{
    TComQorCSS1 s = StripSettings();
    s.ColorThumbTitleText = "00000064";
    s.ColorThumbTitleShadow = "10000014";
    s.ColorProgressBar = "FF990064";
    s.ColorTopicText = "FFFFFF64";
    s.ColorTopicBG = "00000032";
    s.ColorTopicShadow = "100000";
    TComposed css;
    TStringList lines = css.Compose(s);
    EXPECT_EQ(KeyLine(lines, 9), "/*9*/  #qo_wrapper1 .qo_span_h2 {display:block; width: 112px; "
                                 "height:28px;overflow:hidden; color:#000000;");
    EXPECT_EQ(KeyLine(lines, 10), "/*10*/       text-shadow: rgba(16,0,0,0.20) 1px 1px 0;}");
    EXPECT_EQ(KeyLine(lines, 11), "/*11*/ width:  30px; height: 40px; top:130px;");
    EXPECT_EQ(KeyLine(lines, 12), "/*12*/\tbackground-color: #FF9900;");
    EXPECT_EQ(KeyLine(lines, 13), "/*13*/  color:#FFFFFF;");
    EXPECT_EQ(KeyLine(lines, 14), "/*14*/  border: 1px solid rgba(0,0,0,0.2); \tbackground:rgba("
                                  "0,0,0,0.50); text-shadow:0 0 3px #aaa,1px 1px 1px #100000;");
    EXPECT_EQ(KeyLine(lines, 15), "/*15*/  background:#000000;");
}

TEST(StyleSheetWriter, MissingMarkerLeavesItAndLaterKeysUnreplaced)
{
    TComposed css;
    css.Template[6] = "/* five is gone */";
    css.Keys = FindStyleSheetKeys(css.Template, css.Log);
    TStringList lines = css.Compose(StripSettings());
    EXPECT_EQ(css.Keys[4].id, 5);
    for (int k = 5; k < StyleSheetKeyCount; ++k)
        EXPECT_EQ(css.Keys[k].id, -1) << k;
    EXPECT_EQ(lines[6], "/* five is gone */");
    for (int k = 6; k < StyleSheetKeyCount; ++k)
        EXPECT_EQ(lines[k + 1], css.Template[k + 1]);
    EXPECT_NE(KeyLine(lines, 4).find("-moz-linear-gradient"), std::string::npos);
}

TEST(StyleSheetWriter, KeyScanIsLogged)
{
    TComposed css;
    css.Template[16] = "x /*15*/ y";
    css.Keys = FindStyleSheetKeys(css.Template, css.Log);
    ASSERT_EQ(css.Log.size(), 16u);
    EXPECT_EQ(css.Log[0], "  1: /*0*/");
    EXPECT_EQ(css.Log[15], " 16: x /*15*/ y");
    css.Template[1] = "gone";
    css.Keys = FindStyleSheetKeys(css.Template, css.Log);
    EXPECT_EQ(css.Log.size(), 16u);
    EXPECT_EQ(css.Log[0], " -1: ");
}

TEST(StyleSheetWriter, FrameRuleFollowsKeyLineZero)
{
    TComQorCSS1 s = StripSettings();
    s.FrameType = 2;
    TComposed css;
    TStringList lines = css.Compose(s);
    EXPECT_EQ(lines[2],
              "#qo_wrapper1 {border:8px solid #F0F0F0; border-radius:4px; padding:0;"
              "box-shadow:1px 1px 6px #3c3c3c;-ms-filter: \"progid:DXImageTransform."
              "Microsoft.Shadow(color=#3c3c3c,direction=135,strength=3,enabled=true)\";}");
    s.FrameType = 1;
    lines = css.Compose(s);
    EXPECT_EQ(lines[2], "#qo_wrapper1 {box-shadow: 1px 1px 3px 1px #8d8c8c;-ms-filter: "
                        "\"progid:DXImageTransform.Microsoft.Shadow(color=#3c3c3c,direction=135,"
                        "strength=3,enabled=true)\";}");
    EXPECT_EQ(lines.size(), css.Template.size() + 1);
    s.FrameType = 0;
    EXPECT_EQ(css.Compose(s).size(), css.Template.size());
}

TEST(StyleSheetWriter, FrameRuleOpensTheSheetWithoutKeyZero)
{
    TComQorCSS1 s = StripSettings();
    s.FrameType = 1;
    TComposed css;
    css.Template[1] = "nothing";
    css.Keys = FindStyleSheetKeys(css.Template, css.Log);
    EXPECT_EQ(css.Compose(s)[0].rfind("#qo_wrapper1 {box-shadow", 0), 0u);
}

TEST(StyleSheetWriter, DemoModeSharesRulesAndPrefixesNothing)
{
    TComQorCSS1 s = StripSettings();
    s.DemoMode = true;
    TComposed css;
    TStringList lines = css.Compose(s);
    EXPECT_EQ(lines[17], " .qo_wrapbase .qo_thumb li {float:left;}");
    EXPECT_EQ(KeyLine(lines, 0).rfind("/*0*/   .qo_wrapbase {width:720px;", 0), 0u);
}

TEST(StyleSheetWriter, SuppressedNoteRenamesWrapperOnly)
{
    TComQorCSS1 s = StripSettings();
    s.SuppressWrapperNote = true;
    s.SlideIdentifier = 7;
    TComposed css;
    TStringList lines = css.Compose(s);
    EXPECT_EQ(lines[17], "#qo_wrapper7 .qo_thumb li {float:left;}");
}

TEST(StyleSheetWriter, PrefixReachesEveryPointQo)
{
    TComQorCSS1 s = StripSettings();
    s.SlideIdentifier = 3;
    TComposed css;
    css.Template.push_back(".qo_a,.qo_b {background:url(x.qo.png)}");
    TStringList lines = css.Compose(s);
    EXPECT_EQ(lines[17], "#qo_wrapper3 #qo_wrapper3 .qo_thumb li {float:left;}");
    EXPECT_EQ(lines.back(), "#qo_wrapper3 .qo_a,#qo_wrapper3 .qo_b {background:url(x#qo_wrapper3 "
                            ".qo.png)}");
    EXPECT_EQ(lines[18], "");
}

TEST(StyleSheetWriter, WrapperHeightCountsStripOnlyForThumbnails)
{
    TComQorCSS1 s = StripSettings();
    EXPECT_EQ(WrapperHeight(s), 334);
    s.ControllerType = 2;
    EXPECT_EQ(WrapperHeight(s), 270);
}

} // namespace
