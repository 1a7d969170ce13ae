// The crop rectangle drawn over the displayed picture, pixel by pixel on the 24-bit display
// buffer: the tint of the inside or the outside, the handles and the inverted frame.
#pragma once

#include "imaging/Color.h"
#include "imaging/TBmpScan.h"

namespace qor {

struct TTint {
    TColor Color = 0x333333;
    int Alpha = 100; // out of 256
};

// Every pixel of area (clipped to the buffer): v becomes (v * (256 - a) + k * a) div 256.
void TintArea(TBmpScan& buffer, TRect area, const TTint& tint);
// Every pixel of imageR that is not in hole.
void TintOutside(TBmpScan& buffer, TRect imageR, TRect hole, const TTint& tint);
// The one-pixel outline of r drawn by inverting the pixels under it; dotted skips every
// other pixel.
void InvertFrame(TBmpScan& buffer, TRect r, bool dotted);
// Small filled squares at the middles of the four edges and at the bottom-right corner.
void DrawHandles(TBmpScan& buffer, TRect r, TColor color);

} // namespace qor
