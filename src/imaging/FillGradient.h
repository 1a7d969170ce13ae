// A two-colour linear gradient over a rectangle of a 24-bit picture.
#pragma once

#include "imaging/Color.h"
#include "imaging/TBmpScan.h"

namespace qor {

enum class TGradientDirection { gdHorizontal, gdVertical };

// From the first colour at the left (top) edge to the second at the right (bottom) edge; each
// step between is the straight mix, rounded. System colours are resolved first. Only the part of
// the rectangle inside the picture is drawn, with the gradient still spanning the whole rectangle.
void FillGradient(TBmpScan& surface, TColor first, TColor second, TGradientDirection direction,
                  TRect rect);

} // namespace qor
