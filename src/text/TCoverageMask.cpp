#include "text/TCoverageMask.h"

#include <algorithm>
#include <climits>

namespace qor {

TCoverageMask UniteMasks(const std::vector<TCoverageMask>& pieces)
{
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const TCoverageMask& piece : pieces) {
        if (piece.IsEmpty()) continue;
        left = std::min(left, piece.Left);
        top = std::min(top, piece.Top);
        right = std::max(right, piece.Left + piece.Width);
        bottom = std::max(bottom, piece.Top + piece.Height);
    }
    TCoverageMask united;
    if (left >= right || top >= bottom) return united;
    united = {left, top, right - left, bottom - top, {}};
    united.Bytes.assign(static_cast<size_t>(united.Width) * united.Height, 0);
    for (const TCoverageMask& piece : pieces) {
        if (piece.IsEmpty()) continue;
        for (int y = 0; y < piece.Height; ++y) {
            const uint8_t* from = &piece.Bytes[static_cast<size_t>(y) * piece.Width];
            uint8_t* to = &united.Bytes[static_cast<size_t>(piece.Top - top + y) * united.Width +
                                        (piece.Left - left)];
            std::transform(from, from + piece.Width, to, to,
                           [](uint8_t a, uint8_t b) { return std::max(a, b); });
        }
    }
    return united;
}

} // namespace qor
