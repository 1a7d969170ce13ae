// Helpers of the text tests for looking at what a drawing changed.
#pragma once

#include "imaging/TBmpScan.h"
#include "util/TRect.h"

#include <algorithm>
#include <climits>
#include <functional>

namespace qortest {

inline qor::TBmpScan Uniform(int32_t width, int32_t height, uint8_t grey)
{
    qor::TBmpScan picture(width, height);
    for (int32_t y = 0; y < height; ++y)
        std::fill(picture.Scan(y), picture.Scan(y) + width, qor::TTriple{grey, grey, grey});
    return picture;
}

inline bool SamePixel(const qor::TTriple& a, const qor::TTriple& b)
{
    return a.b == b.b && a.g == b.g && a.r == b.r;
}

// The smallest rectangle holding every pixel the test accepts; empty when there is none.
inline qor::TRect BoundsWhere(const qor::TBmpScan& picture,
                              const std::function<bool(const qor::TTriple&)>& test)
{
    qor::TRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x)
            if (test(picture.Scan(y)[x]))
                r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1),
                     std::max(r.Bottom, y + 1)};
    return r.IsValid() ? r : qor::TRect{};
}

inline int CountWhere(const qor::TBmpScan& picture,
                      const std::function<bool(const qor::TTriple&)>& test)
{
    int count = 0;
    for (int32_t y = 0; y < picture.Height(); ++y)
        count += static_cast<int>(
            std::count_if(picture.Scan(y), picture.Scan(y) + picture.Width(), test));
    return count;
}

} // namespace qortest
