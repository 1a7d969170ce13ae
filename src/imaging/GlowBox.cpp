#include "imaging/GlowBox.h"

#include "imaging/Drawing.h"
#include "imaging/GaussianBlur.h"
#include "imaging/Rounding.h"

#include <algorithm>

namespace qor {

namespace {

TBmpScan BlurredMask(const TGlowBoxParams& p)
{
    int32_t pad = 3 * std::max(p.Margin, RoundEven(p.Sigma));
    TBmpScan blurred(p.Width + 2 * pad, p.Height + 2 * pad);
    FillRect(blurred, {pad, pad, pad + p.Width, pad + p.Height}, p.MaskColor);
    GaussianBlur(blurred, nullptr, p.Sigma);
    TBmpScan mask(p.Width + 2 * p.Margin, p.Height + 2 * p.Margin);
    CopyArea(blurred, (blurred.Width() - mask.Width()) / 2, (blurred.Height() - mask.Height()) / 2,
             mask);
    return mask;
}

uint8_t Blend(int glow, int d, int l)
{
    return static_cast<uint8_t>((glow * (255 - l) + d * l) >> 8);
}

} // namespace

TBmpScan GlowBox(const TGlowBoxParams& p, const TBmpScan& source)
{
    TBmpScan mask = BlurredMask(p);
    TBmpScan result(mask.Width(), mask.Height());
    CopyArea(source, p.Position.x - p.Margin, p.Position.y - p.Margin, result);
    TTriple glow = TripleOf(p.GlowColor);
    for (int32_t y = 0; y < mask.Height(); ++y) {
        int32_t ty = y + p.MaskOffset.y;
        if (ty < 0 || ty >= result.Height()) continue;
        for (int32_t x = 0; x < mask.Width(); ++x) {
            int32_t tx = x + p.MaskOffset.x;
            int l = mask.Scan(y)[x].b;
            if (tx < 0 || tx >= result.Width() || l == 255) continue;
            TTriple& d = result.Scan(ty)[tx];
            d = {Blend(glow.b, d.b, l), Blend(glow.g, d.g, l), Blend(glow.r, d.r, l)};
        }
    }
    FillRect(result, {p.Margin, p.Margin, p.Margin + p.Width, p.Margin + p.Height}, p.BoxColor);
    return result;
}

} // namespace qor
