#include "imaging/ResampleSource.h"
#include "imaging/Resamplers.h"

#include <array>
#include <cmath>
#include <cstring>
#include <immintrin.h>
#include <vector>

namespace qor {

namespace {

struct TCell {
    int32_t index; // source column or row
    double weight; // overlap of its unit cell with the footprint
};

// The cells of every destination position along one axis: footprint [d * r, (d + 1) * r -
// 0.000001], each cell weighed by its overlap. starts[d] .. starts[d + 1] are position d's.
struct TAxisCells {
    std::vector<TCell> cells;
    std::vector<size_t> starts;
};

TAxisCells AxisCells(int32_t sourceSize, int32_t size, double r)
{
    TAxisCells axis;
    axis.starts.reserve(static_cast<size_t>(size) + 1);
    for (int32_t d = 0; d < size; ++d) {
        axis.starts.push_back(axis.cells.size());
        double x0 = d * r, x1 = (d + 1) * r - 0.000001;
        int32_t last = std::min(static_cast<int32_t>(std::floor(x1)), sourceSize - 1);
        for (int32_t s = static_cast<int32_t>(std::floor(x0)); s <= last; ++s) {
            bool holdsStart = s <= x0, holdsEnd = s + 1 >= x1;
            double w = holdsStart ? (holdsEnd ? x1 - x0 : 1 - (x0 - s)) : (holdsEnd ? x1 - s : 1);
            axis.cells.push_back({s, w});
        }
    }
    axis.starts.push_back(axis.cells.size());
    return axis;
}

// Byte values as doubles: a table load is cheaper than a conversion in the innermost loop.
const std::array<double, 256>& ByteValues()
{
    static const std::array<double, 256> values = [] {
        std::array<double, 256> v{};
        for (int i = 0; i < 256; ++i)
            v[static_cast<size_t>(i)] = i;
        return v;
    }();
    return values;
}

// Adds one source row's terms to destination pixel i's blue, green and red sums.
inline void AddPixelTerms(const uint8_t* in, double wy, const TAxisCells& columns, size_t i,
                          double* sum, const std::array<double, 256>& value)
{
    // Blue and green side by side in one register: the same products and sums.
    __m128d bg = _mm_loadu_pd(sum), rd = _mm_load_sd(sum + 2);
    for (size_t c = columns.starts[i]; c < columns.starts[i + 1]; ++c) {
        __m128d w = _mm_set1_pd(columns.cells[c].weight * wy);
        const uint8_t* p = in + static_cast<size_t>(columns.cells[c].index) * 3;
        __m128d v = _mm_set_pd(value[p[1]], value[p[0]]);
        bg = _mm_add_pd(bg, _mm_mul_pd(w, v));
        rd = _mm_add_sd(rd, _mm_mul_sd(w, _mm_load_sd(&value[p[2]])));
    }
    _mm_storeu_pd(sum, bg);
    _mm_store_sd(sum + 2, rd);
}

// sums holds four doubles per destination pixel: blue, green, red and a spare lane.
void AddRowTerms(const uint8_t* in, double wy, const TAxisCells& columns, double* sums,
                 size_t width)
{
    const std::array<double, 256>& value = ByteValues();
    for (size_t i = 0; i < width; ++i)
        AddPixelTerms(in, wy, columns, i, sums + 4 * i, value);
}

// The same products and sums, the three channels in one register (the spare lane takes the
// next pixel's blue and is never read). The last pixel keeps the plain way, which reads no
// byte beyond the row.
__attribute__((target("avx2"))) void AddRowTermsWide(const uint8_t* in, double wy,
                                                     const TAxisCells& columns, double* sums,
                                                     size_t width)
{
    for (size_t i = 0; i + 1 < width; ++i) {
        __m256d sum = _mm256_loadu_pd(sums + 4 * i);
        for (size_t c = columns.starts[i]; c < columns.starts[i + 1]; ++c) {
            __m256d w = _mm256_set1_pd(columns.cells[c].weight * wy);
            int32_t bytes;
            std::memcpy(&bytes, in + static_cast<size_t>(columns.cells[c].index) * 3, 4);
            __m256d v = _mm256_cvtepi32_pd(_mm_cvtepu8_epi32(_mm_cvtsi32_si128(bytes)));
            sum = _mm256_add_pd(sum, _mm256_mul_pd(w, v));
        }
        _mm256_storeu_pd(sums + 4 * i, sum);
    }
    if (width > 0) AddPixelTerms(in, wy, columns, width - 1, sums + 4 * (width - 1), ByteValues());
}

using TAddRowTerms = void (*)(const uint8_t*, double, const TAxisCells&, double*, size_t);

TAddRowTerms RowTermsRoutine()
{
    static const TAddRowTerms routine =
        __builtin_cpu_supports("avx2") ? AddRowTermsWide : AddRowTerms;
    return routine;
}

} // namespace

TBmpScan ShrinkArea(const TBmpScan& sourcePicture, TRect area, int32_t width, int32_t height)
{
    TResampleSource source(sourcePicture, area);
    return ShrinkAreaRows(source.Width(), source.Height(),
                          [&source](int32_t y) { return source.Row(y); }, width, height);
}

TBmpScan ShrinkAreaRows(int32_t sw, int32_t sh, const TSourceRows& sourceRow, int32_t width,
                        int32_t height)
{
    double rx = double(sw) / width, ry = double(sh) / height;
    float areaFactor = static_cast<float>(double(sw * sh) / (double(width) * height));
    TAxisCells columns = AxisCells(sw, width, rx), rows = AxisCells(sh, height, ry);
    TBmpScan result(width, height, 24, TBmpScan::TFill::None);
    // One row of sums; each pixel's terms arrive in the formula's order: source rows outer,
    // source columns inner.
    std::vector<double> sums(static_cast<size_t>(width) * 4);
    TAddRowTerms addRowTerms = RowTermsRoutine();
    for (int32_t j = 0; j < height; ++j) {
        std::fill(sums.begin(), sums.end(), 0.0);
        for (size_t r = rows.starts[j]; r < rows.starts[j + 1]; ++r)
            addRowTerms(sourceRow(rows.cells[r].index), rows.cells[r].weight, columns,
                        sums.data(), static_cast<size_t>(width));
        uint8_t* out = result.Row(j);
        for (int32_t i = 0; i < width; ++i)
            for (int k = 0; k < 3; ++k)
                out[3 * i + k] = RoundToByte(sums[4 * size_t(i) + size_t(k)] / areaFactor);
    }
    return result;
}

} // namespace qor
