#include "app/BmpImage.h"

namespace qor {

QImage ToQImage(const TBmpScan& bmp)
{
    if (bmp.Empty() || bmp.BitsPerPixel() != 24) return {};
    QImage view(bmp.Row(0), bmp.Width(), bmp.Height(), static_cast<qsizetype>(bmp.Stride()),
                QImage::Format_BGR888);
    return view.copy();
}

} // namespace qor
