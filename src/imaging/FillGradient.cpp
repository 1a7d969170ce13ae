#include "imaging/FillGradient.h"

#include "imaging/Drawing.h"
#include "imaging/Rounding.h"

#include <algorithm>

namespace qor {

namespace {

uint8_t Mix(int from, int to, int step, int steps)
{
    if (steps <= 1) return static_cast<uint8_t>(from);
    return static_cast<uint8_t>(from + RoundEven((to - from) * double(step) / (steps - 1)));
}

TTriple MixTriple(TTriple from, TTriple to, int step, int steps)
{
    return {Mix(from.b, to.b, step, steps), Mix(from.g, to.g, step, steps),
            Mix(from.r, to.r, step, steps)};
}

} // namespace

void FillGradient(TBmpScan& surface, TColor first, TColor second, TGradientDirection direction,
                  TRect rect)
{
    if (!rect.IsValid()) return;
    TTriple from = TripleOf(first), to = TripleOf(second);
    int32_t left = std::max(rect.Left, 0), right = std::min(rect.Right, surface.Width());
    int32_t top = std::max(rect.Top, 0), bottom = std::min(rect.Bottom, surface.Height());
    for (int32_t y = top; y < bottom; ++y) {
        TTriple* row = surface.Scan(y);
        for (int32_t x = left; x < right; ++x)
            row[x] = direction == TGradientDirection::gdVertical
                         ? MixTriple(from, to, y - rect.Top, rect.Height())
                         : MixTriple(from, to, x - rect.Left, rect.Width());
    }
}

} // namespace qor
