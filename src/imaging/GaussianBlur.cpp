#include "imaging/GaussianBlur.h"

#include "imaging/Rounding.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace qor {

std::vector<int> GaussianKernel(double sigma)
{
    int radius = std::max(0, RoundEven(3.0 * sigma));
    std::vector<int> weights(static_cast<size_t>(radius) + 1);
    weights[0] = 64;
    for (int d = 1; d <= radius; ++d)
        weights[static_cast<size_t>(d)] =
            RoundEven(64.0 * std::exp(-double(d) * d / (2.0 * sigma * sigma)));
    return weights;
}

namespace {

// Sets the progress position as the passes go: at every row that is a multiple of 30.
void ReportRow(TProgressIndicator* progress, int32_t y)
{
    if (progress && y % 30 == 0) progress->SetPosition(y);
}

void BlurRowsHorizontally(const TBmpScan& from, TBmpScan& to, const std::vector<int>& k,
                          TProgressIndicator* progress)
{
    int r = static_cast<int>(k.size()) - 1;
    int32_t last = from.Width() - 1;
    for (int32_t y = 0; y < from.Height(); ++y) {
        ReportRow(progress, y);
        const TTriple* in = from.Scan(y);
        TTriple* out = to.Scan(y);
        for (int32_t p = 0; p <= last; ++p) {
            int sb = 0, sg = 0, sr = 0, sw = 0;
            for (int d = -std::min(p, r); d <= std::min(last - p, r); ++d) {
                int weight = k[static_cast<size_t>(std::abs(d))];
                const TTriple& v = in[p + d];
                sb += weight * v.b, sg += weight * v.g, sr += weight * v.r, sw += weight;
            }
            out[p] = sw == 0 ? TTriple{0, 0, 0}
                             : TTriple{static_cast<uint8_t>(sb / sw), static_cast<uint8_t>(sg / sw),
                                       static_cast<uint8_t>(sr / sw)};
        }
    }
    if (progress) progress->SetPosition(from.Height());
}

void BlurColumns(const TBmpScan& from, TBmpScan& to, const std::vector<int>& k,
                 TProgressIndicator* progress)
{
    int r = static_cast<int>(k.size()) - 1;
    int32_t last = from.Height() - 1, width = from.Width();
    std::vector<int> sums(static_cast<size_t>(width) * 3);
    for (int32_t p = 0; p <= last; ++p) {
        ReportRow(progress, p);
        std::fill(sums.begin(), sums.end(), 0);
        int sw = 0;
        for (int d = -std::min(p, r); d <= std::min(last - p, r); ++d) {
            int weight = k[static_cast<size_t>(std::abs(d))];
            const uint8_t* in = from.Row(p + d);
            for (size_t i = 0; i < sums.size(); ++i)
                sums[i] += weight * in[i];
            sw += weight;
        }
        uint8_t* out = to.Row(p);
        for (size_t i = 0; i < sums.size(); ++i)
            out[i] = sw == 0 ? 0 : static_cast<uint8_t>(sums[i] / sw);
    }
    if (progress) progress->SetPosition(from.Height());
}

} // namespace

void GaussianBlur(TBmpScan& picture, TProgressIndicator* progress, double sigma)
{
    if (picture.Empty() || picture.BitsPerPixel() != 24) return;
    std::vector<int> kernel = GaussianKernel(sigma);
    TBmpScan temporary;
    try {
        temporary = TBmpScan(picture.Width(), picture.Height(), 24, TBmpScan::TFill::None);
    } catch (const std::bad_alloc&) {
        return;
    }
    if (progress) {
        progress->SetPosition(0);
        progress->SetMax(picture.Height());
        progress->SetVisible(true);
    }
    BlurRowsHorizontally(picture, temporary, kernel, progress);
    BlurColumns(temporary, picture, kernel, progress);
    if (progress) progress->SetVisible(false);
}

} // namespace qor
