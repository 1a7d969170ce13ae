#include "text/TCoverageMask.h"

#include <algorithm>
#include <climits>

namespace qor {

TCoverageMask UniteMasks(const std::vector<TCoverageMask>& parts)
{
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const TCoverageMask& part : parts) {
        if (part.IsEmpty()) continue;
        left = std::min(left, part.Left);
        top = std::min(top, part.Top);
        right = std::max(right, part.Left + part.Width);
        bottom = std::max(bottom, part.Top + part.Height);
    }
    TCoverageMask united;
    if (left >= right || top >= bottom) return united;
    united = {left, top, right - left, bottom - top, {}};
    united.Bytes.assign(static_cast<size_t>(united.Width) * united.Height, 0);
    for (const TCoverageMask& part : parts) {
        for (int y = 0; y < part.Height; ++y) {
            const uint8_t* from = &part.Bytes[static_cast<size_t>(y) * part.Width];
            uint8_t* to = &united.Bytes[static_cast<size_t>(part.Top - top + y) * united.Width +
                                        (part.Left - left)];
            std::transform(from, from + part.Width, to, to,
                           [](uint8_t a, uint8_t b) { return std::max(a, b); });
        }
    }
    return united;
}

} // namespace qor
