#include "imaging/ResampleSource.h"
#include "imaging/Resamplers.h"

#include <cmath>
#include <vector>

namespace qor {

namespace {

// Where one destination position samples: the two neighbouring source positions (edges
// clamped) and the fraction between them, in extended precision.
struct TSample {
    int32_t a;
    int32_t b;
    long double fraction;
};

std::vector<TSample> AxisSamples(int32_t sourceSize, int32_t size, double r)
{
    std::vector<TSample> samples(static_cast<size_t>(size));
    for (int32_t d = 0; d < size; ++d) {
        double u = (d + 0.5) * r - 0.5;
        double k = std::floor(u);
        int32_t a = static_cast<int32_t>(k);
        samples[static_cast<size_t>(d)] = {a < 0 ? 0 : a,
                                           a + 1 > sourceSize - 1 ? sourceSize - 1 : a + 1,
                                           static_cast<long double>(u) - k};
    }
    return samples;
}

// Ties to even in the x87 unit's default mode, exact for 0 <= value < 2^62.
inline uint8_t RoundExtendedToByte(long double value)
{
    constexpr long double kShift = 0x1p63L;
    long double rounded = value < 0 ? 0 : (value + kShift) - kShift;
    return static_cast<uint8_t>(rounded > 255 ? 255 : rounded);
}

} // namespace

TBmpScan EnlargeBilinear(const TBmpScan& sourcePicture, TRect area, int32_t width, int32_t height)
{
    if (!area.IsValid()) return {};
    TResampleSource source(sourcePicture, area);
    int32_t sw = source.Width(), sh = source.Height();
    std::vector<TSample> columns = AxisSamples(sw, width, double(sw) / width);
    std::vector<TSample> rows = AxisSamples(sh, height, double(sh) / height);
    TBmpScan result(width, height, 24, TBmpScan::TFill::None);
    for (int32_t j = 0; j < height; ++j) {
        const TSample& row = rows[static_cast<size_t>(j)];
        const uint8_t* ra = source.Row(row.a);
        const uint8_t* rb = source.Row(row.b);
        long double fy = row.fraction;
        uint8_t* out = result.Row(j);
        for (const TSample& col : columns) {
            size_t ca = static_cast<size_t>(col.a) * 3, cb = static_cast<size_t>(col.b) * 3;
            long double fx = col.fraction;
            for (int k = 0; k < 3; ++k) {
                int p00 = ra[ca + k], p10 = ra[cb + k], p01 = rb[ca + k], p11 = rb[cb + k];
                *out++ = RoundExtendedToByte(p00 + (p10 - p00) * fx + (p01 - p00) * fy +
                                             (p00 + p11 - p10 - p01) * fx * fy);
            }
        }
    }
    return result;
}

} // namespace qor
