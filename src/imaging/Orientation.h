// Turning pictures by whole quarter turns. Orientation codes as in EXIF: 1 as stored, 3 half
// turn, 6 quarter turn clockwise, 8 quarter turn counter-clockwise; every other code copies.
#pragma once

#include "imaging/TBmpScan.h"

namespace qor {

// A new picture of the source's depth (8, 16, 24 or 32 bits); codes 6 and 8 exchange width and
// height. Empty when memory runs out.
TBmpScan TransformOrientation(const TBmpScan& picture, int code);
// The orientation code of a clockwise turn by the angle reduced modulo 360: 6, 3 or 8 for a
// quarter, half or three-quarter turn, 1 for any other angle.
int AngleToOrientation(int angle);
// Turns clockwise by the angle reduced modulo 360; angles that are not multiples of 90 copy.
TBmpScan RotateByAngle(const TBmpScan& picture, int angle);

} // namespace qor
