// The batch's slide picture straight from a band of a JPEG file: only the stored rows and
// columns under the crop are decoded and turned, instead of the whole picture. The answer has
// the bytes TXEResize gives for the same file, user angle and crop (SetUserAngleEx, SetFileName,
// SetCropR when IsValidCrop, then GetCropBmp(true)), with the EXIF orientation read.
#pragma once

#include "imaging/TBmpScan.h"

#include <filesystem>
#include <optional>

namespace qor {

struct TBandSlideRequest {
    std::filesystem::path FileName;
    int UserAngle = 0;
    // Used when valid and inside the upright picture; the centred crop of the aspect otherwise.
    TRect CropR;
    int32_t AspectWidth = 0;
    int32_t AspectHeight = 0;
    // Decodes at the smallest DCT scale that keeps twice the slide's pixels each way, then
    // resamples as usual: much faster, a little softer, not the engine's bytes.
    bool Fast = false;
};

// None when the engine's own way must be taken: not a JPEG by its extension, a missing or
// damaged file (whose failure the engine reports), CMYK, an upright picture already of the
// aspect size (a candidate for copying the file), or a crop the engine would not resample.
std::optional<TBmpScan> BandSlidePicture(const TBandSlideRequest& request);

} // namespace qor
