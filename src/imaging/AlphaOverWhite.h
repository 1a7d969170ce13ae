// Drawing a picture with transparency onto a new (white) working picture.
#pragma once

#include "imaging/TBmpScan.h"

#include <cstdint>

namespace qor {

// One channel of a pixel with the given alpha composited over white, rounded.
inline uint8_t OverWhite(int value, int alpha)
{
    return static_cast<uint8_t>((value * alpha + 255 * (255 - alpha) + 127) / 255);
}

// width pixels of red, green, blue, alpha into a row of the working picture.
inline void RgbaOverWhite(const uint8_t* rgba, TTriple* out, int32_t width)
{
    for (int32_t x = 0; x < width; ++x, rgba += 4) {
        int alpha = rgba[3];
        out[x] = {OverWhite(rgba[2], alpha), OverWhite(rgba[1], alpha), OverWhite(rgba[0], alpha)};
    }
}

} // namespace qor
