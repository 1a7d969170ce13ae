// HEIC/HEIF and AVIF through libheif: the primary image of the file (the first of a sequence
// or a collection, unless the file names another), made upright by the file's own
// transformations - rotation, mirroring and crop (irot, imir, clap), which libheif applies
// while decoding - with transparency composited over white. An EXIF orientation inside the
// file is not applied besides: in HEIF the transformations are the picture's orientation, and
// phone cameras that keep an EXIF block carry the same turn in both, so applying the EXIF one
// as well would turn the picture twice. ExifOrientation answers 1 for these files, so no
// loader turns them again.
#pragma once

#include "imaging/TBmpScan.h"

#include <cstdint>
#include <span>
#include <string>

namespace qor {

// Throws EImageError naming `name` for damaged data or a picture beyond the size limits.
TBmpScan DecodeHeif(std::span<const uint8_t> data, const std::string& name);

} // namespace qor
