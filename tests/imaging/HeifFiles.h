// HEIF and AVIF files written by libheif's own encoders, for the tests of the decoders.
#pragma once

#include <libheif/heif.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qortest {

struct TRgbaPicture {
    int Width = 0, Height = 0;
    std::vector<uint8_t> Rgba; // rows of red, green, blue, alpha
};

// Each picture one image at quality 95, the first primary, all stored with the orientation
// (irot/imir) and, when given, the ICC profile (a "prof" colour box).
std::string HeifFile(heif_compression_format format, const std::vector<TRgbaPicture>& pictures,
                     heif_orientation orientation = heif_orientation_normal,
                     const std::vector<uint8_t>& icc = {});

} // namespace qortest
