// JPEG through libjpeg-turbo's libjpeg interface. Decoding reads colour, grayscale, CMYK/YCCK
// and progressive files into 24-bit pictures, optionally at 1/2, 1/4 or 1/8 scale in the fast DCT
// mode. Like libjpeg itself, a file whose coded data ends early is read in part (the rest grey)
// rather than refused: camera and phone files often lack their last bytes. Encoding writes a
// baseline colour JPEG. libjpeg's errors never leave through C++ frames: its error handler jumps
// back to a frame of plain data, the codec object is destroyed, and only then is EImageError
// thrown, naming the file.
#pragma once

#include "imaging/TBmpScan.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace qor {

struct TJpegDecodeOptions {
    int ScaleDenominator = 1; // 1, 2, 4 or 8
    bool Fast = false;        // fast integer DCT, plain upsampling
};

TBmpScan DecodeJpeg(std::span<const uint8_t> data, const std::string& name,
                    TJpegDecodeOptions options = {});
// false without writing for an empty picture; quality 1-100 (taken as one byte).
bool SaveJpeg(const std::filesystem::path& path, const TBmpScan& picture, int quality);

} // namespace qor
