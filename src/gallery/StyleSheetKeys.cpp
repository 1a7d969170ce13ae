#include "gallery/StyleSheetKeys.h"

#include "gallery/ColorText.h"

#include "util/DelphiFormat.h"
#include "util/SaturatedSum.h"

namespace qor {

namespace {

bool IsThumbMode(const TComQorCSS1& s)
{
    return s.ControllerType == 0;
}

// Site layouts place the gallery in their own columns, without a margin of its own.
int32_t VerticalMargin(const TComQorCSS1& s)
{
    return s.ShowQorHeader == 0 || s.ShowQorHeader == 1 ? s.WrapperMarginY : 0;
}

std::string WrapperRule(const TComQorCSS1& s)
{
    int32_t m = VerticalMargin(s);
    return Format("/*0*/  #qo_wrapper {width:%dpx; height:%dpx;position:relative; margin: %dpx "
                  "auto %dpx auto; background-color:#C9C9C9;opacity:0;visibility:hidden;%s}",
                  {s.ImageWidth, WrapperHeight(s), m, m, IsThumbMode(s) ? "overflow:hidden;" : ""});
}

std::string SlidesRule(const TComQorCSS1& s)
{
    if (IsThumbMode(s))
        return "/*1*/ .qo_slides {padding:0px;position:relative; z-index:100;overflow:hidden;}";
    return Format("/*1*/  .qo_slides {width:%dpx; height:%dpx;padding:0px;position:relative; "
                  "z-index:100;overflow:hidden;}",
                  {s.ImageWidth, s.ImageHeight});
}

std::string GradientRule(const char* format, const TComQorCSS1& s)
{
    return Format(format, {HexOfColor(s.StartColor), HexOfColor(s.EndColor)});
}

} // namespace

const TStringList& StyleSheetKeyTexts()
{
    static const TStringList texts = [] {
        TStringList t;
        for (int k = 0; k < StyleSheetKeyCount; ++k)
            t.push_back(Format("/*%d*/", {k}));
        return t;
    }();
    return texts;
}

TQorKeys FindStyleSheetKeys(const TStringList& lines, TStringList& log)
{
    TQorKeys keys = FindKeys(lines, StyleSheetKeyTexts());
    log.clear();
    for (const TQorKey& key : keys)
        log.push_back(Format("%3d: %s", {key.id, key.keyFormat}));
    return keys;
}

int32_t WrapperHeight(const TComQorCSS1& s)
{
    return IsThumbMode(s) ? SaturatedSum({s.ImageHeight, s.ThumbStripHeight(), 10}) : s.ImageHeight;
}

std::string StyleSheetKeyLine(const TComQorCSS1& s, int key, TButtonSize prevButton)
{
    switch (key) {
    case 0:
        return WrapperRule(s);
    case 1:
        return SlidesRule(s);
    case 2:
        return Format("/*2*/\t.qo_slides_span { color:#%s; z-index:555; background-color: "
                      "rgba(%s);}",
                      {HexOf(s.ColorCommentText), RgbaOf(s.ColorCommentBG)});
    case 3:
        return Format("/*3*/  .qo_thumb {height:%dpx; margin: 0 auto;\toverflow: hidden;",
                      {IsThumbMode(s) ? s.ThumbStripHeight() : s.ThumbHeight});
    case 4:
        return GradientRule("/*4*/      background:-moz-linear-gradient(#%s, #%s);", s);
    case 5:
        return GradientRule("/*5*/      background:-webkit-gradient(linear, left top, left "
                            "bottom, from(#%s),to(#%s));",
                            s);
    case 6:
        return GradientRule("/*6*/      background:-o-linear-gradient(#%s, #%s);", s);
    case 7:
        return GradientRule("/*7*/      -ms-filter: \"progid:DXImageTransform.Microsoft.gradient("
                            "GradientType=0,startColorstr='#%s',endColorstr='#%s')\";}",
                            s);
    case 8:
        return Format("/*8*/      color:#%s; text-shadow: rgba(%s) 2px 2px 0;",
                      {HexOf(s.ColorCommentText), RgbaOf(s.ColorCommentShadow)});
    case 9:
        return Format(
            "/*9*/  .qo_span_h2 {display:block; width: %dpx; height:%dpx;overflow:hidden; "
            "color:#%s;",
            {s.ThumbWidth, s.ThumbTitleHeight, HexOf(s.ColorThumbTitleText)});
    case 10:
        return Format("/*10*/       text-shadow: rgba(%s) 1px 1px 0;}",
                      {RgbaOf(s.ColorThumbTitleShadow)});
    case 11:
        return Format("/*11*/ width:  %dpx; height: %dpx; top:130px;",
                      {prevButton.Width, prevButton.Height});
    case 12:
        return Format("/*12*/\tbackground-color: #%s;", {HexOf(s.ColorProgressBar)});
    case 13:
        return Format("/*13*/  color:#%s;", {HexOf(s.ColorTopicText)});
    case 14:
        return Format("/*14*/  border: 1px solid rgba(%s,0.2); \tbackground:rgba(%s); "
                      "text-shadow:0 0 3px #aaa,1px 1px 1px #%s;",
                      {RgbOf(s.ColorTopicBG), RgbaOf(s.ColorTopicBG), HexOf(s.ColorTopicShadow)});
    case 15:
        return Format("/*15*/  background:#%s;", {HexOf(s.ColorTopicBG)});
    default:
        return {};
    }
}

} // namespace qor
