#include "imaging/TBmpScan.h"

#include "imaging/ImageError.h"
#include "imaging/PictureBudget.h"
#include "util/LocalText.h"

#include <cstring>
#include <new>
#include <string>
#include <sys/mman.h>
#include <utility>

namespace qor {

namespace {

bool IsSupportedDepth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Rows are packed to whole bytes; no padding is needed since rows are reached by index.
size_t RowBytes(int32_t width, int bits)
{
    return (static_cast<size_t>(width) * static_cast<size_t>(bits) + 7) / 8;
}

// Pictures of camera size are taken in 2 MiB pages where the system allows it: a fresh 12
// megapixel picture in 4 KiB pages costs thousands of page faults, as much as resampling it.
constexpr size_t kHugePage = size_t(2) << 20;
constexpr size_t kMapFrom = size_t(8) << 20;

} // namespace

void TPixelFree::operator()(uint8_t* pixels) const
{
    if (mapped)
        UnmapPictureMemory(base, mapped);
    else
        delete[] pixels;
}

TBmpScan::TPixels TBmpScan::Allocate(size_t bytes)
{
    if (bytes < kMapFrom) return TPixels(new uint8_t[bytes]);
    size_t length = (bytes + 2 * kHugePage - 1) / kHugePage * kHugePage;
    void* base = MapPictureMemory(length);
    uintptr_t aligned = (reinterpret_cast<uintptr_t>(base) + kHugePage - 1) / kHugePage * kHugePage;
    madvise(reinterpret_cast<void*>(aligned), bytes, MADV_HUGEPAGE);
    return TPixels(reinterpret_cast<uint8_t*>(aligned), TPixelFree{base, length});
}

bool IsAllowedPictureSize(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

void RequireAllowedSize(int64_t width, int64_t height)
{
    if (!IsAllowedPictureSize(width, height))
        throw EImageError(LocalFormat("picture size %d x %d is beyond the limit", {width, height}));
}

TBmpScan::TBmpScan(int32_t width, int32_t height, int bitsPerPixel, TFill fill)
{
    if (!IsSupportedDepth(bitsPerPixel))
        throw EImageError("unsupported picture depth " + std::to_string(bitsPerPixel));
    if (width == 0 || height == 0) return;
    RequireAllowedSize(width, height);
    FStride = RowBytes(width, bitsPerPixel);
    size_t bytes = FStride * static_cast<size_t>(height);
    FPixels = Allocate(bytes);
    if (fill == TFill::White) std::memset(FPixels.get(), 0xFF, bytes);
    w = width;
    h = height;
    FBits = bitsPerPixel;
}

TBmpScan::TBmpScan(const TBmpScan& other)
    : w(other.w), h(other.h), FBits(other.FBits), FStride(other.FStride)
{
    if (other.FPixels) {
        size_t bytes = FStride * static_cast<size_t>(h);
        FPixels = Allocate(bytes);
        std::memcpy(FPixels.get(), other.FPixels.get(), bytes);
    }
}

TBmpScan& TBmpScan::operator=(const TBmpScan& other)
{
    if (this != &other) *this = TBmpScan(other);
    return *this;
}

TBmpScan::TBmpScan(TBmpScan&& other) noexcept
    : w(std::exchange(other.w, 0)), h(std::exchange(other.h, 0)), FBits(other.FBits),
      FStride(std::exchange(other.FStride, 0)), FPixels(std::move(other.FPixels))
{
}

TBmpScan& TBmpScan::operator=(TBmpScan&& other) noexcept
{
    w = std::exchange(other.w, 0);
    h = std::exchange(other.h, 0);
    FBits = other.FBits;
    FStride = std::exchange(other.FStride, 0);
    FPixels = std::move(other.FPixels);
    return *this;
}

void TBmpScan::Release()
{
    *this = TBmpScan();
}

bool TBmpScan::EnsureSize(int32_t width, int32_t height)
{
    if (FPixels && w == width && h == height) return false;
    Release();
    if (width > 0 && height > 0) *this = TBmpScan(width, height);
    return !Empty();
}

} // namespace qor
