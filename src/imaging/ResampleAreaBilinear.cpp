#include "imaging/ResampleSource.h"
#include "imaging/Resamplers.h"

#include <cmath>
#include <vector>

namespace qor {

namespace {

// One unit cell of the centre-shifted footprint: the patch between pixel centres a and b (edges
// clamped), the overlap's width and its centre measured from the cell's start.
struct TPatchCell {
    int32_t a;
    int32_t b;
    double weight;
    double centre;
};

struct TAxisPatches {
    std::vector<TPatchCell> cells;
    std::vector<size_t> starts;
};

TAxisPatches AxisPatches(int32_t sourceSize, int32_t size, double r)
{
    TAxisPatches axis;
    axis.starts.reserve(static_cast<size_t>(size) + 1);
    for (int32_t d = 0; d < size; ++d) {
        axis.starts.push_back(axis.cells.size());
        double x0 = d * r - 0.5, x1 = (d + 1) * r - 0.500001;
        int32_t last = static_cast<int32_t>(std::floor(x1));
        for (int32_t s = static_cast<int32_t>(std::floor(x0)); s <= last; ++s) {
            bool holdsStart = s <= x0, holdsEnd = s + 1 >= x1;
            double w, c;
            if (!holdsStart && !holdsEnd)
                w = 1, c = 0.5;
            else if (holdsStart && !holdsEnd)
                w = 1 - (x0 - s), c = ((x0 - s) + 1) / 2;
            else if (!holdsStart)
                w = x1 - s, c = w / 2;
            else
                w = x1 - x0, c = ((x0 - s) + (x1 - s)) / 2;
            int32_t a = std::max(s, 0), b = std::min(s + 1, sourceSize - 1);
            axis.cells.push_back({std::min(a, sourceSize - 1), std::max(b, 0), w, c});
        }
    }
    axis.starts.push_back(axis.cells.size());
    return axis;
}

} // namespace

TBmpScan ResampleAreaBilinear(const TBmpScan& sourcePicture, TRect area, int32_t width,
                              int32_t height)
{
    TResampleSource source(sourcePicture, area);
    int32_t sw = source.Width(), sh = source.Height();
    double rx = double(sw) / width, ry = double(sh) / height;
    double areaFactor = double(sw * sh) / (double(width) * height);
    TAxisPatches columns = AxisPatches(sw, width, rx), rows = AxisPatches(sh, height, ry);
    TBmpScan result(width, height, 24, TBmpScan::TFill::None);
    std::vector<double> sums(static_cast<size_t>(width) * 3);
    for (int32_t j = 0; j < height; ++j) {
        std::fill(sums.begin(), sums.end(), 0.0);
        for (size_t r = rows.starts[j]; r < rows.starts[j + 1]; ++r) {
            const TPatchCell& row = rows.cells[r];
            const uint8_t* ra = source.Row(row.a);
            const uint8_t* rb = source.Row(row.b);
            double wy = row.weight, cy = row.centre;
            double* sum = sums.data();
            for (int32_t i = 0; i < width; ++i, sum += 3) {
                for (size_t c = columns.starts[i]; c < columns.starts[i + 1]; ++c) {
                    const TPatchCell& col = columns.cells[c];
                    double w = col.weight * wy, cx = col.centre;
                    size_t ca = static_cast<size_t>(col.a) * 3, cb = static_cast<size_t>(col.b) * 3;
                    for (int k = 0; k < 3; ++k) {
                        int p00 = ra[ca + k], p10 = ra[cb + k], p01 = rb[ca + k], p11 = rb[cb + k];
                        double f = p00 + (p10 - p00) * cx + (p01 - p00) * cy +
                                   (p00 + p11 - p10 - p01) * cx * cy;
                        sum[k] += w * f;
                    }
                }
            }
        }
        uint8_t* out = result.Row(j);
        for (size_t k = 0; k < sums.size(); ++k)
            out[k] = RoundToByte(sums[k] / areaFactor);
    }
    return result;
}

} // namespace qor
