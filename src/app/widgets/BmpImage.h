// A picture of the imaging code seen as a QImage without copying: painting on the image of a
// writable picture draws into the picture itself.
#pragma once

#include "imaging/TBmpScan.h"

#include <QImage>

namespace qor {

inline QImage ImageOf(TBmpScan& picture)
{
    if (picture.Empty()) return {};
    return QImage(picture.Row(0), picture.Width(), picture.Height(),
                  static_cast<qsizetype>(picture.Stride()), QImage::Format_BGR888);
}

inline QImage ImageOf(const TBmpScan& picture)
{
    if (picture.Empty()) return {};
    return QImage(picture.Row(0), picture.Width(), picture.Height(),
                  static_cast<qsizetype>(picture.Stride()), QImage::Format_BGR888);
}

} // namespace qor
