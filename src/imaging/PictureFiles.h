// Reading picture files. The extension, compared in lower case, chooses the decoder:
// ".jpg", ".jpeg", ".jpe" JPEG; ".png" PNG; ".gif" GIF (first frame); ".bmp" BMP; ".heic",
// ".heif", ".avif" HEIF (primary image, upright); ".webp" WebP (first frame, upright), a
// decoder for each of PictureExtensions(). Every picture comes back as a 24-bit working
// picture with any transparency composited over white, and in sRGB when it embeds another
// colour profile (ColorProfile.h).
#pragma once

#include "imaging/TBmpScan.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

using TPictureDecoder = TBmpScan (*)(std::span<const uint8_t> data, const std::string& name);

// The decoder for a file name's extension, or none.
TPictureDecoder DecoderForExtension(std::string_view extension);
// Whether the extension, in lower case, is a JPEG one: ".jpg", ".jpeg" or ".jpe".
bool IsJpegFileName(const std::filesystem::path& path);
// The whole file; throws EImageError naming it when it cannot be read, is not a regular file
// (a named pipe is never waited for) or is beyond 1 GiB.
std::vector<uint8_t> ReadPictureFile(const std::filesystem::path& path);

// Empty for an empty path or a picture of zero size; throws EImageError for an unsupported
// extension, a file that cannot be read or damaged data.
TBmpScan LoadPicture(const std::filesystem::path& path);
// A JPEG decoded at 1/8 scale in the fast mode, again at a larger scale when the 1/8 picture is
// smaller than the wanted size both ways. width and height become the picture's full size
// (the decoded size times the scale).
TBmpScan LoadJpegScaled(const std::filesystem::path& path, int32_t& width, int32_t& height);
// A picture compiled into the program ("IMGREADING", "SWFEXIT_BTN"), decoded by the extension
// (".png", ".jpg", ".gif", ".bmp"); empty for another extension or a zero size. Throws
// EImageError for an unknown name.
TBmpScan LoadResourcePicture(std::string_view name, std::string_view extension);

} // namespace qor
