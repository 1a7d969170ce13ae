#include "gallery/ScriptCall.h"

#include "gallery/PageIndent.h"

#include "util/DelphiFormat.h"
#include "util/SaturatedSum.h"

#include <cmath>

namespace qor {

namespace {

const char* BoolText(bool value)
{
    return value ? "true" : "false";
}

// Seconds to whole milliseconds, halves to even.
long long Milliseconds(long double seconds)
{
    return std::llrint(seconds * 1000.0L);
}

std::string ControllerName(int32_t controllerType)
{
    static const char* const names[] = {"thumb", "num", "dot", "none"};
    return controllerType >= 0 && controllerType < 4 ? names[controllerType] : "";
}

std::string CommentEffect(int32_t commentPosIndex)
{
    static const char* const names[] = {"none", "up", "down", "custom", "customl", "customr"};
    return commentPosIndex >= 1 && commentPosIndex < 6 ? names[commentPosIndex] : "none";
}

bool IsSiteLayout(const TComQorCSS1& s)
{
    return s.ShowQorHeader >= 2 && s.ShowQorHeader <= 4;
}

} // namespace

std::string WrapperId(const TComQorCSS1& s)
{
    return Format("qo_wrapper%d", {s.SlideIdentifier});
}

std::string TransitOption(const TComQorCSS1& s)
{
    const TStringList& items = s.TransitItems();
    if (s.TransitIndex < 0 || s.TransitIndex >= static_cast<int32_t>(items.size())) return {};
    return Format("effectgrp:['%s'], ", {items[s.TransitIndex]});
}

std::string CommentOption(const TComQorCSS1& s)
{
    std::string effect = CommentEffect(s.CommentPosIndex);
    if (s.ControllerType == 0 || s.ControllerType == 3) return Format("cmteffect:'%s' ", {effect});
    int32_t pos = s.CtrlPosition;
    const char* horizontal = pos == 2 || pos == 5 ? "left:10" : "right:10";
    const char* vertical = pos >= 0 && pos <= 2 ? "top:10" : "bottom:10";
    const char* centerX = BoolText(pos == 1 || pos == 4);
    return Format("cmteffect:'%s', controllerpos: {%s, %s, centerx:%s, ratio:%2f }",
                  {effect, horizontal, vertical, centerX, s.CtrlWidth / 100.0L});
}

std::string ScriptCallOptions(const TComQorCSS1& s)
{
    const std::string p = OptionBreak();
    int32_t titleOffset = SaturatedSum({s.ThumbTitleOffsetY, IsSiteLayout(s) ? 3 : 0});
    std::string out;
    out += p + Format("controller:'%s',", {ControllerName(s.ControllerType)});
    out += p + Format("width:%d, height:%d, ", {s.ImageWidth, s.ImageHeight});
    out += p + Format("thumb:{width:%d, height:%d, titleheight:%d}, ",
                      {s.ThumbWidth, s.ThumbStripHeight(), s.ThumbTitleHeight});
    out += p + Format("showbutton:%s, ", {BoolText(s.ShowButton)});
    out += p + Format("progress:%s, autohidectrl:%s, ",
                      {BoolText(s.ProgressBar), BoolText(s.AutoHideCtrl)});
    out += p + Format("transitduration:%d,", {Milliseconds(s.TransitDuration)});
    out += p + Format("autoslideshow:%s, slideshow_interval:%d,",
                      {BoolText(s.AutoSlideShow), Milliseconds(s.SlideshowInterval)});
    out += p + Format("thumbborderwidth:%d, thumbbordercolor:'#%s',",
                      {s.ThumbBorderWidth, s.ThumbBorderColorHex});
    out +=
        p + Format("showthumbtitle:%s, showbanner:%s, thumbporaloid:%s,",
                   {BoolText(s.ShowThumbTitle), BoolText(s.ShowTopic), BoolText(s.ThumbPolaroid)});
    out += p + Format("thumbtitleoffset:%d,", {titleOffset});
    out +=
        p + Format("responsive:%s, minscale:%1f,", {BoolText(s.Responsive), s.MinScale / 100.0L});
    out += p + Format("mouseflick:%s,", {BoolText(s.MouseEmulateFlick)});
    out += p + Format("identifier:'%d',", {s.SlideIdentifier});
    out += p + Format("%s });", {CommentOption(s)});
    return out;
}

std::string ScriptCall(const TComQorCSS1& s)
{
    return Format("  $('div#%s').qorslider({%s ", {WrapperId(s), TransitOption(s)}) +
           ScriptCallOptions(s);
}

} // namespace qor
