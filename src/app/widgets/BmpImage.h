// Between the core's working pictures (24-bit rows of blue, green, red) and Qt's images.
#pragma once

#include "imaging/TBmpScan.h"

#include <QImage>

namespace qor {

// An image over the picture's own pixels (no copy): valid while the picture lives unchanged;
// painting on the image of a writable picture draws into the picture itself.
QImage ImageOf(TBmpScan& picture);
QImage ImageOf(const TBmpScan& picture);
// A 24-bit picture of the image, any transparency composited over white.
TBmpScan PictureFromImage(const QImage& image);

} // namespace qor
