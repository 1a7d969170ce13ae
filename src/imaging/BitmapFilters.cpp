#include "imaging/BitmapFilters.h"

#include "imaging/Drawing.h"
#include "imaging/Rounding.h"

#include <algorithm>

namespace qor {

namespace {

template <typename F> void ForEachChannel(TBmpScan& picture, F f)
{
    for (int32_t y = 0; y < picture.Height(); ++y) {
        uint8_t* row = picture.Row(y);
        for (int32_t i = 0; i < picture.Width() * 3; ++i)
            row[i] = static_cast<uint8_t>(f(row[i], i % 3));
    }
}

uint8_t Clamp(int v)
{
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
}

} // namespace

TBmpScan LightenBitmap(const TBmpScan& picture, int amount)
{
    TBmpScan copy = picture;
    ForEachChannel(copy, [amount](int v, int) { return Clamp(v + amount * (255 - v) / 255); });
    return copy;
}

void HatchBlend(TBmpScan& picture, TColor color, int percentage)
{
    constexpr int kSpacing = 8;
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x) {
            bool line = (x + y) % kSpacing == 0 || ((x - y) % kSpacing + kSpacing) % kSpacing == 0;
            picture.Scan(y)[x] = line ? TTriple{0x80, 0x80, 0x80} : TTriple{0xFF, 0xFF, 0xFF};
        }
    int b = RoundEven(percentage * 2.55);
    TTriple c = TripleOf(color);
    const uint8_t channels[3] = {c.b, c.g, c.r};
    ForEachChannel(picture,
                   [&](int v, int k) { return Clamp((v * (256 - b) + channels[k] * b) >> 8); });
}

void GreyFilter(TBmpScan& picture, TGreyFilter mode, int amount)
{
    if (mode != TGreyFilter::Grey) {
        int delta = mode == TGreyFilter::Brighten ? amount : -amount;
        ForEachChannel(picture, [delta](int v, int) { return Clamp(v + delta); });
        return;
    }
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (TTriple* p = picture.Scan(y); p != picture.Scan(y) + picture.Width(); ++p) {
            uint8_t grey = static_cast<uint8_t>((p->r * 77 + p->g * 151 + p->b * 28) >> 8);
            *p = {grey, grey, grey};
        }
}

} // namespace qor
