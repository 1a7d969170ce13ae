// The rows of the area a resampler reads, as 24-bit pixels: the source itself when it is
// 24-bit, otherwise a private 24-bit copy of the area.
#pragma once

#include "imaging/Bitmaps.h"
#include "imaging/ImageError.h"
#include "imaging/TBmpScan.h"

#include <emmintrin.h>

namespace qor {

class TResampleSource {
public:
    TResampleSource(const TBmpScan& source, TRect area) : FArea(area)
    {
        if (!area.IsValid() || area.Left < 0 || area.Top < 0 || area.Right > source.Width() ||
            area.Bottom > source.Height())
            throw EImageError("resampling area outside the picture");
        if (source.BitsPerPixel() == 24) {
            FPicture = &source;
        } else {
            FCopy = CropBitmap(CopyBitmap24(source), area);
            FPicture = &FCopy;
            FArea = FCopy.Bounds();
        }
    }
    int32_t Width() const { return FArea.Width(); }
    int32_t Height() const { return FArea.Height(); }
    // Row y of the area, as bytes blue, green, red from the area's left edge.
    const uint8_t* Row(int32_t y) const
    {
        return FPicture->Row(FArea.Top + y) + static_cast<size_t>(FArea.Left) * 3;
    }

private:
    TRect FArea;
    const TBmpScan* FPicture = nullptr;
    TBmpScan FCopy;
};

// A channel value rounded to nearest with ties to even (the processor's rounding mode) and
// kept in 0-255.
inline uint8_t RoundToByte(double value)
{
    int rounded = _mm_cvtsd_si32(_mm_set_sd(value));
    return static_cast<uint8_t>(rounded < 0 ? 0 : rounded > 255 ? 255 : rounded);
}

} // namespace qor
