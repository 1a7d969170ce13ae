// The working picture: width × height pixels in rows, row 0 at the top, each row one
// contiguous run. Pictures are 24 bits per pixel (blue, green, red) unless created at another
// depth; the system uses 8 bits only for the alpha plane of SavePngAlpha. A new picture is white.
// A picture of zero width or height counts as no picture (Empty()), which is what operations
// answer for "none". Copies are deep; moves are cheap.
#pragma once

#include "util/TRect.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace qor {

// One pixel of a 24-bit row, in memory order.
struct TTriple {
    uint8_t b;
    uint8_t g;
    uint8_t r;
};
static_assert(sizeof(TTriple) == 3);

// Largest picture the imaging code creates; larger sizes are refused before allocating.
inline constexpr int64_t kMaxPicturePixels = 200'000'000;
inline constexpr int32_t kMaxPictureSide = 100'000;

// Frees a picture's pixel memory however it was taken (large pictures are mapped in huge pages).
struct TPixelFree {
    void* base = nullptr;
    size_t mapped = 0;
    void operator()(uint8_t* pixels) const;
};

class TBmpScan {
public:
    enum class TFill { White, None };

    TBmpScan() = default;
    // A white picture (or, with TFill::None, one whose pixels the caller writes at once).
    // Throws EImageError for sizes beyond the limits or the picture-memory budget (where a
    // worker thread may wait first, see PictureBudget.h) and std::bad_alloc when memory runs out.
    TBmpScan(int32_t width, int32_t height, int bitsPerPixel = 24, TFill fill = TFill::White);
    TBmpScan(const TBmpScan& other);
    TBmpScan& operator=(const TBmpScan& other);
    TBmpScan(TBmpScan&& other) noexcept;
    TBmpScan& operator=(TBmpScan&& other) noexcept;
    ~TBmpScan() = default;

    int32_t Width() const { return w; }
    int32_t Height() const { return h; }
    int BitsPerPixel() const { return FBits; }
    bool Empty() const { return w <= 0 || h <= 0; }
    // The bounds rectangle (0, 0, width, height).
    TRect Bounds() const { return {0, 0, w, h}; }
    // Bytes from the start of one row to the next.
    size_t Stride() const { return FStride; }

    uint8_t* Row(int32_t y) { return FPixels.get() + static_cast<size_t>(y) * FStride; }
    const uint8_t* Row(int32_t y) const { return FPixels.get() + static_cast<size_t>(y) * FStride; }
    // Row y of a 24-bit picture as pixels.
    TTriple* Scan(int32_t y) { return reinterpret_cast<TTriple*>(Row(y)); }
    const TTriple* Scan(int32_t y) const { return reinterpret_cast<const TTriple*>(Row(y)); }

    // Frees the picture; the record becomes empty.
    void Release();
    // When the picture already has exactly this size nothing happens and the answer is false;
    // otherwise it is made anew (white, 24 bits) and the answer is whether a picture exists.
    bool EnsureSize(int32_t width, int32_t height);

private:
    using TPixels = std::unique_ptr<uint8_t[], TPixelFree>;
    static TPixels Allocate(size_t bytes);

    int32_t w = 0;
    int32_t h = 0;
    int FBits = 24;
    size_t FStride = 0;
    TPixels FPixels;
};

// Whether a picture of this size may be created (positive sides within the limits).
bool IsAllowedPictureSize(int64_t width, int64_t height);
// Throws EImageError when it may not: for work that would cost its size before creating it.
void RequireAllowedSize(int64_t width, int64_t height);

} // namespace qor
