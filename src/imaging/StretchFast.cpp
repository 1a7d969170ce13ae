#include "imaging/ResampleSource.h"
#include "imaging/Resamplers.h"

#include <vector>

namespace qor {

TBmpScan StretchFast(const TBmpScan& sourcePicture, TRect area, int32_t width, int32_t height)
{
    if (width == 0 || height == 0) return {};
    RequireAllowedSize(width, height);
    TResampleSource source(sourcePicture, area);
    // The source position under each destination centre: floor((d + 1/2) * S / D).
    auto nearest = [](int32_t d, int32_t sourceSize, int32_t size) {
        return static_cast<int32_t>((2 * static_cast<int64_t>(d) + 1) * sourceSize /
                                    (2 * int64_t(size)));
    };
    std::vector<size_t> columns(static_cast<size_t>(width));
    for (int32_t i = 0; i < width; ++i)
        columns[static_cast<size_t>(i)] =
            static_cast<size_t>(nearest(i, source.Width(), width)) * 3;
    TBmpScan result(width, height, 24, TBmpScan::TFill::None);
    for (int32_t j = 0; j < height; ++j) {
        const uint8_t* in = source.Row(nearest(j, source.Height(), height));
        uint8_t* out = result.Row(j);
        for (size_t column : columns) {
            *out++ = in[column];
            *out++ = in[column + 1];
            *out++ = in[column + 2];
        }
    }
    return result;
}

TBmpScan StretchFast(const TBmpScan& source, int32_t width, int32_t height)
{
    return StretchFast(source, source.Bounds(), width, height);
}

} // namespace qor
