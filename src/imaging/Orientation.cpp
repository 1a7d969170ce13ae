#include "imaging/Orientation.h"

#include "imaging/ImageError.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace qor {

namespace {

// Source pixel of destination pixel (x, y) for a W x H source.
struct TSourceOf {
    int code;
    int32_t W, H;
    void operator()(int32_t x, int32_t y, int32_t& sx, int32_t& sy) const
    {
        switch (code) {
        case 2:
            sx = W - 1 - x, sy = y;
            break;
        case 3:
            sx = W - 1 - x, sy = H - 1 - y;
            break;
        case 4:
            sx = x, sy = H - 1 - y;
            break;
        case 5:
            sx = y, sy = x;
            break;
        case 6:
            sx = y, sy = H - 1 - x;
            break;
        case 7:
            sx = W - 1 - y, sy = H - 1 - x;
            break;
        default:
            sx = W - 1 - y, sy = x;
            break; // 8
        }
    }
};

// Moves pixels block by block so that both pictures are walked in cache-sized pieces.
template <size_t N> void MovePixels(const TBmpScan& from, TBmpScan& to, TSourceOf sourceOf)
{
    constexpr int32_t kBlock = 64;
    for (int32_t by = 0; by < to.Height(); by += kBlock)
        for (int32_t bx = 0; bx < to.Width(); bx += kBlock)
            for (int32_t y = by; y < std::min(by + kBlock, to.Height()); ++y) {
                uint8_t* out = to.Row(y);
                for (int32_t x = bx; x < std::min(bx + kBlock, to.Width()); ++x) {
                    int32_t sx, sy;
                    sourceOf(x, y, sx, sy);
                    std::memcpy(out + x * N, from.Row(sy) + sx * N, N);
                }
            }
}

} // namespace

TBmpScan TransformOrientation(const TBmpScan& picture, int code)
{
    if (code < 2 || code > 8) return picture;
    int bits = picture.BitsPerPixel();
    if (bits % 8 != 0) throw EImageError("pictures below 8 bits per pixel cannot be turned");
    bool swap = SwapsSides(code);
    TBmpScan turned;
    try {
        turned = TBmpScan(swap ? picture.Height() : picture.Width(),
                          swap ? picture.Width() : picture.Height(), bits, TBmpScan::TFill::None);
    } catch (const std::bad_alloc&) {
        return {};
    }
    TSourceOf sourceOf{code, picture.Width(), picture.Height()};
    switch (bits) {
    case 8:
        MovePixels<1>(picture, turned, sourceOf);
        break;
    case 16:
        MovePixels<2>(picture, turned, sourceOf);
        break;
    case 24:
        MovePixels<3>(picture, turned, sourceOf);
        break;
    default:
        MovePixels<4>(picture, turned, sourceOf);
        break;
    }
    return turned;
}

bool SwapsSides(int code)
{
    return code >= 5 && code <= 8;
}

int AngleToOrientation(int angle)
{
    int n = (angle % 360 + 360) % 360;
    return n == 90 ? 6 : n == 180 ? 3 : n == 270 ? 8 : 1;
}

TBmpScan RotateByAngle(const TBmpScan& picture, int angle)
{
    return TransformOrientation(picture, AngleToOrientation(angle));
}

} // namespace qor
