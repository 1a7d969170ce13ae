#include "imaging/PngCodec.h"

#include "ImagingTestSupport.h"
#include "imaging/ImageError.h"
#include "support/TempDir.h"

#include <png.h>

#include <cstring>
#include <random>

using namespace qor;
using namespace qortest;

namespace {

std::span<const uint8_t> Bytes(const std::string& text)
{
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// The file as libpng's simplified reader sees it, as RGBA: an independent check of what we wrote.
std::vector<uint8_t> ReadRgba(const std::filesystem::path& path, png_image& image)
{
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    EXPECT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
    EXPECT_TRUE(png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr));
    return rgba;
}

} // namespace

TEST(PngCodec, WrittenPictureReadsBackToTheSameBytes)
{
    TempDir dir;
    std::mt19937 random(7);
    for (auto [w, h] : {std::pair{1, 1}, {1, 17}, {33, 1}, {64, 48}, {101, 7}}) {
        TBmpScan picture = RandomPicture(random, w, h);
        ASSERT_TRUE(SavePng(dir / "a.png", picture, 0, false));
        TBmpScan back = DecodePng(Bytes(ReadAll(dir / "a.png")), "a.png");
        EXPECT_TRUE(SamePicture(picture, back));
    }
}

TEST(PngCodec, EmptyPictureIsNotWritten)
{
    TempDir dir;
    EXPECT_FALSE(SavePng(dir / "a.png", TBmpScan(), 0, false));
    EXPECT_FALSE(std::filesystem::exists(dir / "a.png"));
}

TEST(PngCodec, TransparentColourIsDeclaredAndCompositesOverWhite)
{
    TempDir dir;
    TBmpScan picture = PictureOf(2, 1, [](int32_t x, int32_t) {
        return x == 0 ? TTriple{0x30, 0x20, 0x10} : TTriple{0, 0, 0xFF};
    });
    ASSERT_TRUE(SavePng(dir / "t.png", picture, MakeColor(0x10, 0x20, 0x30), true));
    png_image image;
    std::vector<uint8_t> rgba = ReadRgba(dir / "t.png", image);
    EXPECT_EQ(std::vector<uint8_t>({0x10, 0x20, 0x30, 0, 0xFF, 0, 0, 0xFF}), rgba);
    TBmpScan back = DecodePng(Bytes(ReadAll(dir / "t.png")), "t.png");
    EXPECT_TRUE(back.Scan(0)[0] == (TTriple{0xFF, 0xFF, 0xFF}));
    EXPECT_TRUE(back.Scan(0)[1] == (TTriple{0, 0, 0xFF}));
}

TEST(PngCodec, AlphaPlaneBecomesTheAlphaChannel)
{
    TempDir dir;
    TBmpScan picture = UniformPicture(3, 2, {0, 0, 0});
    TBmpScan alpha(3, 2, 8);
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 3; ++x)
            alpha.Row(y)[x] = static_cast<uint8_t>(x * 100 + y);
    ASSERT_TRUE(SavePngAlpha(dir / "a.png", picture, &alpha, false, 0));
    png_image image;
    std::vector<uint8_t> rgba = ReadRgba(dir / "a.png", image);
    ASSERT_EQ(24u, rgba.size());
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ((i % 3) * 100 + i / 3, rgba[i * 4 + 3]) << i;
    // Over white: 0 * a + 255 * (255 - a), divided by 255 and rounded.
    TBmpScan back = DecodePng(Bytes(ReadAll(dir / "a.png")), "a.png");
    EXPECT_EQ(255 - 100, back.Scan(0)[1].r);
    EXPECT_EQ(255 - 201, back.Scan(1)[2].g);
}

TEST(PngCodec, MismatchedAlphaPlaneIsRefused)
{
    TempDir dir;
    TBmpScan alpha(2, 2, 8);
    EXPECT_THROW(SavePngAlpha(dir / "a.png", TBmpScan(3, 2), &alpha, false, 0), EImageError);
}

TEST(PngCodec, UnwritableFileThrowsNamingIt)
{
    TempDir dir;
    try {
        SavePng(dir / "missing" / "a.png", TBmpScan(1, 1), 0, false);
        FAIL();
    } catch (const EImageError& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("a.png"));
    }
}

TEST(PngCodec, WritesAtCompressionLevelNine)
{
    // The zlib header's FLEVEL bits (top two of its second byte) are 3 for level 9; libpng may
    // shrink the window for small pictures, so the first byte varies.
    TempDir dir;
    ASSERT_TRUE(SavePng(dir / "a.png", TBmpScan(40, 40), 0, false));
    std::string bytes = ReadAll(dir / "a.png");
    size_t idat = bytes.find("IDAT");
    ASSERT_NE(std::string::npos, idat);
    EXPECT_EQ(8, bytes[idat + 4] & 0x0F); // deflate
    EXPECT_EQ(3, static_cast<uint8_t>(bytes[idat + 5]) >> 6);
}
