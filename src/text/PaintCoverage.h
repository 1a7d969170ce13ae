// Puts a coverage mask onto a 24-bit picture in a colour: each pixel moves towards the colour
// by its coverage, so full coverage gives the colour exactly and none leaves the pixel.
#pragma once

#include "imaging/Color.h"
#include "imaging/TBmpScan.h"
#include "text/TCoverageMask.h"

namespace qor {

// The mask's origin lands at (x, y); what falls outside the picture is left out.
void PaintCoverage(TBmpScan& picture, const TCoverageMask& mask, int32_t x, int32_t y,
                   TColor color);

} // namespace qor
