// Creating, copying and cropping pictures. A returned empty picture is the system's "none".
#pragma once

#include "imaging/TBmpScan.h"

namespace qor {

// A white picture of 1, 4, 8, 16, 24 or 32 bits per pixel; empty when memory runs out or the
// size is zero. Sizes beyond the picture limits throw EImageError.
TBmpScan NewBitmap(int32_t width, int32_t height, int bitsPerPixel);
// A 24-bit copy: 8-bit pictures read as grey, 16-bit as 5-5-5, 32-bit without their alpha.
TBmpScan CopyBitmap24(const TBmpScan& picture);
// The rectangle of the source, one to one; empty when the source is empty or the rectangle is
// not valid or reaches outside the source.
TBmpScan CropBitmap(const TBmpScan& picture, TRect rect, int bitsPerPixel = 24);

} // namespace qor
