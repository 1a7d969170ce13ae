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
    // Wrapping 32-bit differences, so that the corners of a rectangle read from a damaged
    // file never overflow.
    int32_t Width() const { return Difference(Right, Left); }
    int32_t Height() const { return Difference(Bottom, Top); }
    bool operator==(const TRect&) const = default;

private:
    static int32_t Difference(int32_t a, int32_t b)
    {
        return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
    }
};

} // namespace qor
