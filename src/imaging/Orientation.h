// Turning pictures upright. Orientation codes as in EXIF: 1 as stored, 2 mirrored left to right,
// 3 half turn, 4 mirrored top to bottom, 5 mirrored along the main diagonal (a mirror and a
// quarter turn counter-clockwise), 6 quarter turn clockwise, 7 mirrored along the other diagonal
// (a mirror and a quarter turn clockwise), 8 quarter turn counter-clockwise; any other code
// copies. This is the one rule by which the build, the list and the crop dialog stand a
// picture upright.
#pragma once

#include "imaging/TBmpScan.h"

namespace qor {

// A new picture of the source's depth (8, 16, 24 or 32 bits); codes 5 to 8 exchange width and
// height. Empty when memory runs out.
TBmpScan TransformOrientation(const TBmpScan& picture, int code);
// The orientation code of a clockwise turn by the angle reduced modulo 360: 6, 3 or 8 for a
// quarter, half or three-quarter turn, 1 for any other angle.
int AngleToOrientation(int angle);
// Whether the code exchanges width and height: 5, 6, 7 and 8.
bool SwapsSides(int code);
// Turns clockwise by the angle reduced modulo 360; angles that are not multiples of 90 copy.
TBmpScan RotateByAngle(const TBmpScan& picture, int angle);

} // namespace qor
