#include "imaging/Bitmaps.h"

#include "imaging/Geometry.h"
#include "imaging/ImageError.h"

#include <cstring>
#include <new>

namespace qor {

namespace {

TTriple Grey(uint8_t level)
{
    return {level, level, level};
}

uint8_t Expand5(int value)
{
    return static_cast<uint8_t>((value << 3) | (value >> 2));
}

// Pixel x of a row of any supported depth, as a 24-bit pixel.
TTriple PixelAt(const uint8_t* row, int32_t x, int bits)
{
    switch (bits) {
    case 1:
        return Grey((row[x / 8] >> (7 - x % 8)) & 1 ? 255 : 0);
    case 4:
        return Grey(static_cast<uint8_t>(((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF) * 17));
    case 8:
        return Grey(row[x]);
    case 16: {
        int v = row[x * 2] | (row[x * 2 + 1] << 8);
        return {Expand5(v & 31), Expand5((v >> 5) & 31), Expand5((v >> 10) & 31)};
    }
    case 32:
        return {row[x * 4], row[x * 4 + 1], row[x * 4 + 2]};
    default:
        return {row[x * 3], row[x * 3 + 1], row[x * 3 + 2]};
    }
}

} // namespace

TBmpScan NewBitmap(int32_t width, int32_t height, int bitsPerPixel)
{
    try {
        return TBmpScan(width, height, bitsPerPixel);
    } catch (const std::bad_alloc&) {
        return {};
    }
}

TBmpScan CopyBitmap24(const TBmpScan& picture)
{
    if (picture.BitsPerPixel() == 24) return picture;
    TBmpScan copy(picture.Width(), picture.Height(), 24, TBmpScan::TFill::None);
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x)
            copy.Scan(y)[x] = PixelAt(picture.Row(y), x, picture.BitsPerPixel());
    return copy;
}

TBmpScan CropBitmap(const TBmpScan& picture, TRect rect, int bitsPerPixel)
{
    if (picture.Empty() || !IsCropInside(rect, picture.Width(), picture.Height())) return {};
    if (bitsPerPixel != picture.BitsPerPixel() || picture.BitsPerPixel() % 8 != 0)
        return CropBitmap(CopyBitmap24(picture), rect, 24);
    TBmpScan crop(rect.Width(), rect.Height(), bitsPerPixel, TBmpScan::TFill::None);
    size_t pixelBytes = static_cast<size_t>(bitsPerPixel / 8);
    for (int32_t y = 0; y < crop.Height(); ++y)
        std::memcpy(crop.Row(y), picture.Row(rect.Top + y) + rect.Left * pixelBytes,
                    crop.Width() * pixelBytes);
    return crop;
}

} // namespace qor
