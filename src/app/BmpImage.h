// The core's pictures as Qt images, for drawing.
#pragma once

#include "imaging/TBmpScan.h"

#include <QImage>

namespace qor {

// A deep copy of a 24-bit picture; a null image for an empty one.
QImage ToQImage(const TBmpScan& bmp);

} // namespace qor
