// Our own Windows/OS2 bitmap decoder: 1, 4, 8, 16, 24 and 32 bits per pixel, palettes, bit
// fields, RLE4 and RLE8, bottom-up and top-down rows. Every read is bounds-checked against the
// data and the size is checked before allocating. Refused: other depths and compressions
// (embedded JPEG/PNG, Huffman, RLE24), palettes larger than the depth allows, pixel data that
// ends early, RLE data without its end. Pixels an RLE stream skips stay white; alpha is ignored.
#pragma once

#include "imaging/TBmpScan.h"

#include <cstdint>
#include <span>
#include <string>

namespace qor {

// Throws EImageError naming `name`.
TBmpScan DecodeBmp(std::span<const uint8_t> data, const std::string& name);

} // namespace qor
