// Small picture effects of the thumbnail view and the widgets: lightening, a tinted cross-hatch,
// greyscale and brightness. 24-bit pictures.
#pragma once

#include "imaging/Color.h"
#include "imaging/TBmpScan.h"

namespace qor {

// A copy in which each channel v becomes v + (amount * (255 - v)) div 255, kept in 0-255.
TBmpScan LightenBitmap(const TBmpScan& picture, int amount);
// Fills the picture with a grey (808080) diagonal cross-hatch on white, then blends every pixel
// towards the colour: v becomes (v * (256 - b) + colour * b) shr 8, b = round(percentage * 2.55).
void HatchBlend(TBmpScan& picture, TColor color, int percentage);

enum class TGreyFilter { Grey, Brighten, Darken };
// Grey: each pixel becomes its luminance; Brighten and Darken add or take the amount from each
// channel, kept in 0-255.
void GreyFilter(TBmpScan& picture, TGreyFilter mode, int amount);

} // namespace qor
