#include "imaging/BmpCodec.h"

#include "imaging/ImageError.h"
#include "util/LocalText.h"

#include <bit>
#include <vector>

namespace qor {

namespace {

enum TCompression : uint32_t {
    biRgb = 0,
    biRle8 = 1,
    biRle4 = 2,
    biBitFields = 3,
    biAlphaBitFields = 6
};

// One colour channel held in a bit field of a 16- or 32-bit pixel, scaled to 0-255.
struct TChannelMask {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit TChannelMask(uint32_t m = 0) : mask(m)
    {
        if (!m) return;
        shift = std::countr_zero(m);
        max = m >> shift;
    }
    uint8_t operator()(uint32_t pixel) const
    {
        if (!max) return 0;
        uint64_t v = (pixel & mask) >> shift;
        return static_cast<uint8_t>((v * 255 + max / 2) / max);
    }
};

class TBmpDecoder {
public:
    TBmpDecoder(std::span<const uint8_t> data, std::string name)
        : FData(data), FName(std::move(name))
    {
    }

    TBmpScan Decode()
    {
        ReadHeaders();
        if (FCompression == biRle8 || FCompression == biRle4)
            CheckRleArea();
        else
            CheckPixelData();
        TBmpScan picture(FWidth, FHeight);
        if (FCompression == biRle8 || FCompression == biRle4)
            DecodeRle(picture);
        else
            DecodeRows(picture);
        return picture;
    }

private:
    [[noreturn]] void Fail(const std::string& why) const
    {
        throw EImageError(LocalFormat("%s: damaged or unsupported BMP file (%s)", {FName, why}));
    }

    uint32_t U8(size_t at) const
    {
        if (at >= FData.size()) Fail("the file ends early");
        return FData[at];
    }
    uint32_t U16(size_t at) const { return U8(at) | U8(at + 1) << 8; }
    uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }

    void ReadHeaders()
    {
        if (U8(0) != 'B' || U8(1) != 'M') Fail("no bitmap signature");
        FPixelOffset = U32(10);
        uint32_t headerSize = U32(14);
        bool core = headerSize == 12;
        bool windows = headerSize == 40 || headerSize == 52 || headerSize == 56 ||
                       headerSize == 108 || headerSize == 124;
        bool os2 = headerSize == 16 || headerSize == 64;
        if (!core && !windows && !os2) Fail("unknown header size");
        int64_t width = core ? int64_t(U16(18)) : int64_t(static_cast<int32_t>(U32(18)));
        int64_t height = core ? int64_t(U16(20)) : int64_t(static_cast<int32_t>(U32(22)));
        uint32_t planes = U16(core ? 22 : 26);
        FBits = static_cast<int>(U16(core ? 24 : 28));
        FCompression = core || headerSize < 20 ? biRgb : U32(30);
        uint32_t coloursUsed = headerSize >= 36 ? U32(46) : 0;
        if (planes != 1) Fail("plane count is not 1");
        if (FBits != 1 && FBits != 4 && FBits != 8 && FBits != 16 && FBits != 24 && FBits != 32)
            Fail("unsupported bit count");
        FTopDown = height < 0;
        if (FTopDown) height = -height;
        if (!IsAllowedPictureSize(width, height)) Fail("bad or too large picture size");
        FWidth = static_cast<int32_t>(width);
        FHeight = static_cast<int32_t>(height);
        CheckCompression(os2);
        ReadMasks(headerSize);
        size_t paletteAt = 14 + size_t(headerSize) +
                           (headerSize == 40 ? (FCompression == biBitFields        ? 12
                                                : FCompression == biAlphaBitFields ? 16
                                                                                   : 0)
                                             : 0);
        if (FBits <= 8) ReadPalette(paletteAt, coloursUsed, core ? 3 : 4);
    }

    void CheckCompression(bool os2)
    {
        bool fits = FCompression == biRgb || (FCompression == biRle8 && FBits == 8) ||
                    (FCompression == biRle4 && FBits == 4) ||
                    (!os2 && (FCompression == biBitFields || FCompression == biAlphaBitFields) &&
                     (FBits == 16 || FBits == 32));
        if (!fits) Fail("unsupported compression");
        if ((FCompression == biRle8 || FCompression == biRle4) && FTopDown) Fail("top-down RLE");
    }

    void ReadMasks(uint32_t headerSize)
    {
        bool fields = FCompression == biBitFields || FCompression == biAlphaBitFields;
        if (fields && headerSize >= 40) {
            FRed = TChannelMask(U32(54)), FGreen = TChannelMask(U32(58)),
            FBlue = TChannelMask(U32(62));
        } else if (FBits == 16) {
            FRed = TChannelMask(0x7C00), FGreen = TChannelMask(0x03E0),
            FBlue = TChannelMask(0x001F);
        } else {
            FRed = TChannelMask(0xFF0000), FGreen = TChannelMask(0xFF00),
            FBlue = TChannelMask(0xFF);
        }
    }

    void ReadPalette(size_t at, uint32_t coloursUsed, size_t entrySize)
    {
        uint32_t capacity = 1u << FBits;
        uint32_t count = coloursUsed == 0 ? capacity : coloursUsed;
        if (count > capacity) Fail("palette larger than the bit count allows");
        if (at + count * entrySize > FData.size()) Fail("the palette ends early");
        FPalette.assign(capacity, TTriple{0, 0, 0});
        for (uint32_t i = 0; i < count; ++i) {
            size_t e = at + i * entrySize;
            FPalette[i] = {FData[e], FData[e + 1], FData[e + 2]};
        }
    }

    TTriple* RowOf(TBmpScan& picture, int32_t storedRow) const
    {
        return picture.Scan(FTopDown ? storedRow : FHeight - 1 - storedRow);
    }

    uint64_t Stride() const
    {
        return (static_cast<uint64_t>(FWidth) * static_cast<uint64_t>(FBits) + 31) / 32 * 4;
    }

    // Before allocating: the rows must all be in the file (the last one may lack its padding).
    void CheckPixelData() const
    {
        uint64_t rowBytes = (static_cast<uint64_t>(FWidth) * static_cast<uint64_t>(FBits) + 7) / 8;
        if (FPixelOffset > FData.size()) Fail("pixel data outside the file");
        uint64_t available = FData.size() - FPixelOffset;
        if (Stride() * (static_cast<uint64_t>(FHeight) - 1) + rowBytes > available)
            Fail("the pixel data ends early");
    }

    // Before allocating: every code pair of an RLE stream paints at most 255 pixels, so a
    // picture larger than its data could paint is refused instead of costing its full size
    // (a hundred bytes could otherwise claim gigabytes).
    void CheckRleArea() const
    {
        if (FPixelOffset > FData.size()) Fail("pixel data outside the file");
        uint64_t codePairs = (FData.size() - FPixelOffset) / 2;
        if (static_cast<uint64_t>(FWidth) * static_cast<uint64_t>(FHeight) > codePairs * 255)
            Fail("the pixel data is too short for the picture size");
    }

    void DecodeRows(TBmpScan& picture) const
    {
        uint64_t stride = Stride();
        for (int32_t row = 0; row < FHeight; ++row) {
            const uint8_t* in = FData.data() + FPixelOffset + stride * static_cast<uint64_t>(row);
            TTriple* out = RowOf(picture, row);
            for (int32_t x = 0; x < FWidth; ++x)
                out[x] = Pixel(in, x);
        }
    }

    TTriple Pixel(const uint8_t* row, int32_t x) const
    {
        switch (FBits) {
        case 1:
            return FPalette[(row[x / 8] >> (7 - x % 8)) & 1];
        case 4:
            return FPalette[(row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF];
        case 8:
            return FPalette[row[x]];
        case 24:
            return {row[x * 3], row[x * 3 + 1], row[x * 3 + 2]};
        case 16:
            return FromMasks(row[x * 2] | uint32_t(row[x * 2 + 1]) << 8);
        default:
            return FromMasks(row[x * 4] | uint32_t(row[x * 4 + 1]) << 8 |
                             uint32_t(row[x * 4 + 2]) << 16 | uint32_t(row[x * 4 + 3]) << 24);
        }
    }

    TTriple FromMasks(uint32_t pixel) const { return {FBlue(pixel), FGreen(pixel), FRed(pixel)}; }

    // RLE: runs and absolute blocks of palette indices, with end-of-line, delta and end codes.
    void DecodeRle(TBmpScan& picture) const
    {
        size_t at = FPixelOffset;
        int32_t x = 0, row = 0;
        bool four = FCompression == biRle4;
        auto put = [&](uint32_t index) {
            if (x < FWidth && row < FHeight) RowOf(picture, row)[x] = FPalette[index];
            ++x;
        };
        for (;;) {
            uint32_t count = U8(at), value = U8(at + 1);
            at += 2;
            if (count > 0) {
                for (uint32_t i = 0; i < count; ++i)
                    put(four ? (i % 2 ? value & 0xF : value >> 4) : value);
            } else if (value == 0) {
                x = 0, ++row;
            } else if (value == 1) {
                return;
            } else if (value == 2) {
                x += static_cast<int32_t>(U8(at)), row += static_cast<int32_t>(U8(at + 1));
                at += 2;
            } else {
                size_t bytes = four ? (value + 1) / 2 : value;
                for (uint32_t i = 0; i < value; ++i) {
                    uint32_t b = U8(at + (four ? i / 2 : i));
                    put(four ? (i % 2 ? b & 0xF : b >> 4) : b);
                }
                at += (bytes + 1) / 2 * 2;
            }
            if (row >= FHeight) return;
            x = std::min(x, FWidth); // keeps the counter bounded on long runs
        }
    }

    std::span<const uint8_t> FData;
    std::string FName;
    uint32_t FPixelOffset = 0;
    int FBits = 0;
    uint32_t FCompression = biRgb;
    bool FTopDown = false;
    int32_t FWidth = 0, FHeight = 0;
    TChannelMask FRed, FGreen, FBlue;
    std::vector<TTriple> FPalette;
};

} // namespace

TBmpScan DecodeBmp(std::span<const uint8_t> data, const std::string& name)
{
    return TBmpDecoder(data, name).Decode();
}

} // namespace qor
