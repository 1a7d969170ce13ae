#include "app/crop/CropOverlay.h"

#include "imaging/GlowBox.h" // TPoint

#include <algorithm>
#include <initializer_list>

namespace qor {

namespace {

TRect Clipped(TRect r, const TBmpScan& buffer)
{
    return {std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, buffer.Width()),
            std::min(r.Bottom, buffer.Height())};
}

uint8_t Blend(uint8_t v, int k, int a)
{
    return static_cast<uint8_t>((v * (256 - a) + k * a) / 256);
}

void TintPixel(TTriple& px, const TTint& tint)
{
    auto c = static_cast<uint32_t>(tint.Color);
    px.r = Blend(px.r, c & 0xFF, tint.Alpha);
    px.g = Blend(px.g, (c >> 8) & 0xFF, tint.Alpha);
    px.b = Blend(px.b, (c >> 16) & 0xFF, tint.Alpha);
}

bool Contains(TRect r, int x, int y)
{
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

void InvertPixel(TBmpScan& buffer, int x, int y)
{
    if (!Contains(buffer.Bounds(), x, y)) return;
    TTriple& px = buffer.Scan(y)[x];
    px = {static_cast<uint8_t>(~px.b), static_cast<uint8_t>(~px.g), static_cast<uint8_t>(~px.r)};
}

void FillSquare(TBmpScan& buffer, int cx, int cy, TTriple colour)
{
    constexpr int kHalf = 3;
    TRect r = Clipped({cx - kHalf, cy - kHalf, cx + kHalf, cy + kHalf}, buffer);
    if (!r.IsValid()) return;
    for (int y = r.Top; y < r.Bottom; ++y)
        std::fill(buffer.Scan(y) + r.Left, buffer.Scan(y) + r.Right, colour);
}

} // namespace

void TintArea(TBmpScan& buffer, TRect area, const TTint& tint)
{
    TRect r = Clipped(area, buffer);
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            TintPixel(buffer.Scan(y)[x], tint);
}

void TintOutside(TBmpScan& buffer, TRect imageR, TRect hole, const TTint& tint)
{
    TRect r = Clipped(imageR, buffer);
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (!Contains(hole, x, y)) TintPixel(buffer.Scan(y)[x], tint);
}

void InvertFrame(TBmpScan& buffer, TRect r, bool dotted)
{
    if (!r.IsValid()) return;
    int step = dotted ? 2 : 1;
    for (int x = r.Left; x < r.Right; x += step) {
        InvertPixel(buffer, x, r.Top);
        if (r.Bottom - 1 > r.Top) InvertPixel(buffer, x, r.Bottom - 1);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; y += step) {
        InvertPixel(buffer, r.Left, y);
        if (r.Right - 1 > r.Left) InvertPixel(buffer, r.Right - 1, y);
    }
}

void DrawHandles(TBmpScan& buffer, TRect r, TColor color)
{
    auto c = static_cast<uint32_t>(color);
    TTriple colour{static_cast<uint8_t>((c >> 16) & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
                   static_cast<uint8_t>(c & 0xFF)};
    int midX = (r.Left + r.Right) / 2, midY = (r.Top + r.Bottom) / 2;
    for (TPoint p : {TPoint{midX, r.Top}, TPoint{midX, r.Bottom}, TPoint{r.Left, midY},
                     TPoint{r.Right, midY}, TPoint{r.Right, r.Bottom}})
        FillSquare(buffer, p.x, p.y, colour);
}

} // namespace qor
