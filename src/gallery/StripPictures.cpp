#include "gallery/StripPictures.h"

#include "gallery/ColorText.h"

#include "imaging/Drawing.h"
#include "imaging/FillGradient.h"
#include "imaging/GlowBox.h"
#include "imaging/PngCodec.h"
#include "util/SaturatedSum.h"

#include <algorithm>
#include <cstring>

namespace qor {

namespace fs = std::filesystem;

namespace {

// Opacity in percent as an alpha byte: opacity / 100 x 255, halves to even.
uint8_t OpacityToAlpha(int opacity)
{
    int scaled = std::clamp(opacity, 0, 100) * 255;
    int alpha = scaled / 100;
    int rest = scaled % 100;
    if (rest > 50 || (rest == 50 && alpha % 2 == 1)) ++alpha;
    return static_cast<uint8_t>(alpha);
}

TBmpScan VerticalGradient(const TComQorCSS1& s, int32_t width, int32_t height)
{
    TBmpScan picture(width, height);
    FillGradient(picture, s.StartColor, s.EndColor, TGradientDirection::gdVertical,
                 picture.Bounds());
    return picture;
}

struct TThumbGlow {
    const char* FileName;
    TColor Color;
    TPoint Offset;
    double Radius;
};

} // namespace

void WriteCommentBackground(const TComQorCSS1& s, const fs::path& cssFolder)
{
    TRgb rgb = ColorTextRgb(s.ColorCommentBG);
    TBmpScan picture(24, 18);
    FillRect(picture, picture.Bounds(), MakeColor(rgb.Red, rgb.Green, rgb.Blue));
    TBmpScan alpha(24, 18, 8);
    uint8_t value = OpacityToAlpha(ColorTextOpacity(s.ColorCommentBG));
    for (int32_t y = 0; y < alpha.Height(); ++y)
        std::memset(alpha.Row(y), value, 24);
    SavePngAlpha(cssFolder / "comment-bg.png", picture, &alpha, false, clBlack);
}

void WriteThumbStripPictures(const TComQorCSS1& s, const fs::path& cssFolder)
{
    const int32_t stripHeight = SaturatedSum({s.ThumbStripHeight(), 16});
    SavePng(cssFolder / "thumbbg_ie.png", VerticalGradient(s, 8, stripHeight), clBlack, false);

    const int32_t boxWidth = SaturatedSum({s.ThumbWidth, 2 * int64_t(s.ThumbBorderWidth)});
    const int32_t boxHeight = SaturatedSum({s.ThumbHeight, 2 * int64_t(s.ThumbBorderWidth)});
    TBmpScan base = VerticalGradient(s, SaturatedSum({boxWidth, 30}), stripHeight);
    static const TThumbGlow glows[] = {
        {"ie8thumb_li_bg.png", MakeColor(0x80, 0x80, 0x80), {1, 1}, 1.5},
        {"ie8thumb_li_hover.png", MakeColor(0x00, 0xFF, 0xFF), {0, 0}, 3.0},
        {"ie8thumb_li_active.png", MakeColor(0xFF, 0x00, 0x00), {0, 0}, 3.0}};
    for (const TThumbGlow& glow : glows) {
        TGlowBoxParams p;
        p.Width = boxWidth;
        p.Height = boxHeight;
        p.BoxColor = HexToColor(s.ThumbBorderColorHex); // white for a text too short
        p.MaskColor = clBlack;
        p.Sigma = glow.Radius;
        p.Margin = 5;
        p.Position = {10, 10}; // the picture shows the base from (5, 5)
        p.GlowColor = glow.Color;
        p.MaskOffset = glow.Offset;
        SavePng(cssFolder / glow.FileName, GlowBox(p, base), clBlack, false);
    }
}

} // namespace qor
