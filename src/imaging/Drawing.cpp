#include "imaging/Drawing.h"

#include <algorithm>
#include <cstring>

namespace qor {

TTriple TripleOf(TColor color)
{
    TColorParts c = SplitColor(ResolveSystemColor(color));
    return {static_cast<uint8_t>(c.Blue), static_cast<uint8_t>(c.Green),
            static_cast<uint8_t>(c.Red)};
}

void FillRect(TBmpScan& picture, TRect rect, TColor color)
{
    int32_t left = std::max(rect.Left, 0), right = std::min(rect.Right, picture.Width());
    int32_t top = std::max(rect.Top, 0), bottom = std::min(rect.Bottom, picture.Height());
    TTriple triple = TripleOf(color);
    for (int32_t y = top; y < bottom; ++y)
        std::fill(picture.Scan(y) + left, picture.Scan(y) + right, triple);
}

void CopyArea(const TBmpScan& source, int32_t sourceX, int32_t sourceY, TBmpScan& target)
{
    int32_t left = std::max(0, -sourceX);
    int32_t right = std::min(target.Width(), source.Width() - sourceX);
    int32_t top = std::max(0, -sourceY);
    int32_t bottom = std::min(target.Height(), source.Height() - sourceY);
    if (left >= right) return;
    for (int32_t y = top; y < bottom; ++y)
        std::memcpy(target.Scan(y) + left, source.Scan(y + sourceY) + left + sourceX,
                    static_cast<size_t>(right - left) * sizeof(TTriple));
}

} // namespace qor
