// Rectangle of the system: Left, Top, Right, Bottom with right and bottom exclusive; valid
// when Left < Right and Top < Bottom.
#pragma once

#include <cstdint>

namespace qor {

struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    bool IsValid() const { return Left < Right && Top < Bottom; }
    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

} // namespace qor
