// WebP through libwebp: a still picture, or the first frame of an animation drawn at its place
// on the canvas, with transparency composited over white. An EXIF orientation in the file's
// EXIF chunk is applied here, once: libwebp and browsers ignore it, ExifOrientation reads only
// JPEG files and answers 1, so the picture leaves the decoder upright like every HEIF one.
#pragma once

#include "imaging/TBmpScan.h"

#include <cstdint>
#include <span>
#include <string>

namespace qor {

// Throws EImageError naming `name` for damaged data or a picture beyond the size limits.
TBmpScan DecodeWebp(std::span<const uint8_t> data, const std::string& name);

} // namespace qor
