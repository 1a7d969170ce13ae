// GIF through giflib: the first frame, drawn at its place on a white picture of the logical
// screen's size (the frame's own size when the screen is empty); the transparent colour shows
// the white. A file without colour table reads its indices as grey levels.
#pragma once

#include "imaging/TBmpScan.h"

#include <cstdint>
#include <span>
#include <string>

namespace qor {

// Throws EImageError naming `name` for damaged data; empty for a zero-sized frame.
TBmpScan DecodeGif(std::span<const uint8_t> data, const std::string& name);

} // namespace qor
