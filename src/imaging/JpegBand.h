// Decoding only a rectangle of a JPEG picture, in stored (not turned) coordinates, with the very
// bytes the full decode (DecodeJpeg with default options) gives those pixels. Rows above the
// rectangle are skipped and columns outside it are left out of the inverse DCT by libjpeg-turbo,
// so a crop of a camera picture costs a fraction of the full decode.
#pragma once

#include "imaging/TBmpScan.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace qor {

// Given the stored width and height, answers the rectangle to decode; an invalid or out of
// bounds rectangle declines the band.
using TJpegBandChooser = std::function<TRect(int32_t width, int32_t height)>;

enum class TJpegBandResult {
    Decoded,
    // Not decoded: CMYK/YCCK pictures, sizes beyond the limit, or a rectangle the chooser
    // declined. The full decode is the way for those.
    Unsupported,
};

// Throws EImageError (naming the file) for a damaged file, like DecodeJpeg.
TJpegBandResult DecodeJpegBand(std::span<const uint8_t> data, const std::string& name,
                               const TJpegBandChooser& choose, TBmpScan& band);

} // namespace qor
