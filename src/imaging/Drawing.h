// Plain drawing on working pictures: filling rectangles and copying areas, clipped to the
// picture, so callers may pass rectangles that reach outside.
#pragma once

#include "imaging/Color.h"
#include "imaging/TBmpScan.h"

namespace qor {

TTriple TripleOf(TColor color);
// Fills the part of the rectangle that lies inside the 24-bit picture.
void FillRect(TBmpScan& picture, TRect rect, TColor color);
// Copies the source area of the target's size starting at (sourceX, sourceY) into the 24-bit
// target at (0, 0); target pixels whose source lies outside the source keep their value.
void CopyArea(const TBmpScan& source, int32_t sourceX, int32_t sourceY, TBmpScan& target);

} // namespace qor
