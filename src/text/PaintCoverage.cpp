#include "text/PaintCoverage.h"

#include "imaging/Drawing.h"

#include <algorithm>

namespace qor {
namespace {

uint8_t Mix(uint8_t colour, uint8_t pixel, int coverage)
{
    return static_cast<uint8_t>((colour * coverage + pixel * (255 - coverage) + 127) / 255);
}

} // namespace

void PaintCoverage(TBmpScan& picture, const TCoverageMask& mask, int32_t x, int32_t y, TColor color)
{
    const int32_t left = x + mask.Left, top = y + mask.Top;
    const int32_t fromX = std::max(0, -left), toX = std::min(mask.Width, picture.Width() - left);
    const int32_t fromY = std::max(0, -top), toY = std::min(mask.Height, picture.Height() - top);
    const TTriple ink = TripleOf(color & 0xFFFFFF);
    for (int32_t my = fromY; my < toY; ++my) {
        TTriple* row = picture.Scan(top + my) + left;
        for (int32_t mx = fromX; mx < toX; ++mx) {
            int coverage = mask.At(mx, my);
            if (coverage == 0) continue;
            TTriple& p = row[mx];
            p = {Mix(ink.b, p.b, coverage), Mix(ink.g, p.g, coverage), Mix(ink.r, p.r, coverage)};
        }
    }
}

} // namespace qor
