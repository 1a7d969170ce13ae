// PNG through libpng. Decoding reads every bit depth, palettes, tRNS and 16-bit files,
// composites transparency over white and converts an iCCP profile other than sRGB to sRGB
// (ColorProfile.h). Encoding writes 8-bit RGB (or RGBA with an alpha plane) at zlib
// compression level 9.
#pragma once

#include "imaging/Color.h"
#include "imaging/TBmpScan.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace qor {

// Throws EImageError naming `name` for damaged data.
TBmpScan DecodePng(std::span<const uint8_t> data, const std::string& name);

// false when the picture is empty; with useTransparent the colour is the transparent colour.
// A failure to write throws EImageError naming the file.
bool SavePng(const std::filesystem::path& path, const TBmpScan& picture, TColor transparent,
             bool useTransparent);
// As SavePng; a given alpha plane (8 bits per pixel, the picture's size) becomes the PNG's alpha
// channel, byte x of row y giving the alpha of pixel (x, y).
bool SavePngAlpha(const std::filesystem::path& path, const TBmpScan& picture, const TBmpScan* alpha,
                  bool useTransparent, TColor transparent);

} // namespace qor
