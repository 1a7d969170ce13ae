#include "text/DrawWaterMark.h"

#include "text/KageString.h"

namespace qor {
namespace {

// The top left corner of a w × h box in the chosen place on a W × H picture.
TPoint Corner(int APosition, int32_t W, int32_t H, int32_t w, int32_t h)
{
    switch (APosition) {
    case wmBottomRight:
        return {W - w, H - h};
    case wmBottomCenter:
        return {(W - w) / 2, H - h};
    case wmBottomLeft:
        return {0, H - h};
    case wmTopRight:
        return {W - w, 0};
    case wmTopCenter:
        return {(W - w) / 2, 0};
    default:
        return {0, 0};
    }
}

} // namespace

TFont WaterMarkFont()
{
    TFont font;
    font.Name = "Meiryo UI";
    font.Height = 12;
    font.Color = clWhite;
    return font;
}

void DrawWaterMark(TBmpScan& ABitmap, const std::string& AText, const TFont& AFont, int APosition,
                   TColor AShadowColor)
{
    TKageString kage;
    kage.mojiFont = AFont;
    kage.mojiAlpha = 85;
    kage.Distance = 2;
    kage.KageColor = AShadowColor;
    kage.KageAlpha = 40;
    kage.Spread = 1;
    kage.SetText(AText);
    kage.Prep();
    const TRect text = kage.GetMojiRect();
    const int32_t w = text.Width() + 8, h = text.Height() + 6;
    const TPoint corner = Corner(APosition, ABitmap.Width(), ABitmap.Height(), w, h);
    kage.Draw(ABitmap, {corner.x + 4, corner.y + 3}, true);
}

} // namespace qor
