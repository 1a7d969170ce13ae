#include "imaging/Bitmaps.h"
#include "imaging/Geometry.h"
#include "imaging/Resamplers.h"

namespace qor {

TBmpScan SmoothResize(const TBmpScan& source, TRect area, int32_t width, int32_t height)
{
    if (width == 0 || height == 0) return {};
    RequireAllowedSize(width, height);
    if (area.Width() == width && area.Height() == height)
        return CopyBitmap24(CropBitmap(source, area, source.BitsPerPixel()));
    double fx = double(width) / area.Width(), fy = double(height) / area.Height();
    if (fx > 1 && fy > 1) return EnlargeBilinear(source, area, width, height);
    if (fx >= 1 || fy >= 1) return ResampleAreaBilinear(source, area, width, height);
    return ShrinkArea(source, area, width, height);
}

TBmpScan SmoothResize(const TBmpScan& source, int32_t width, int32_t height)
{
    return SmoothResize(source, source.Bounds(), width, height);
}

TBmpScan FitBitmap(const TBmpScan& source, int32_t boxWidth, int32_t boxHeight, bool smooth)
{
    TRect size = FitRect(source.Width(), source.Height(), boxWidth, boxHeight);
    return smooth ? SmoothResize(source, size.Right, size.Bottom)
                  : StretchFast(source, size.Right, size.Bottom);
}

} // namespace qor
