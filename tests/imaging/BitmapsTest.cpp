#include "imaging/Bitmaps.h"
#include "imaging/ImageError.h"
#include "imaging/Orientation.h"

#include "ImagingTestSupport.h"

using namespace qor;
using namespace qortest;

TEST(Bitmaps, NewBitmapIsWhiteAtEveryDepth)
{
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        TBmpScan picture = NewBitmap(5, 3, bits);
        ASSERT_EQ(bits, picture.BitsPerPixel());
        TBmpScan copy = CopyBitmap24(picture);
        EXPECT_TRUE(SamePicture(UniformPicture(5, 3, {255, 255, 255}), copy)) << bits;
    }
    EXPECT_TRUE(NewBitmap(0, 5, 24).Empty());
}

TEST(Bitmaps, SizesBeyondTheLimitAreRefusedBeforeAllocating)
{
    EXPECT_THROW(TBmpScan(kMaxPictureSide + 1, 1), EImageError);
    EXPECT_THROW(TBmpScan(20000, 20000), EImageError);
    EXPECT_THROW(TBmpScan(-1, 5), EImageError);
    EXPECT_THROW(TBmpScan(1, 1, 12), EImageError);
}

TEST(Bitmaps, EnsureSize)
{
    TBmpScan picture;
    EXPECT_TRUE(picture.EnsureSize(3, 2));
    picture.Scan(0)[0] = {1, 2, 3};
    EXPECT_FALSE(picture.EnsureSize(3, 2));
    EXPECT_EQ(1, picture.Scan(0)[0].b);
    EXPECT_TRUE(picture.EnsureSize(2, 2));
    EXPECT_EQ(255, picture.Scan(0)[0].b);
    EXPECT_FALSE(picture.EnsureSize(0, 2));
    EXPECT_TRUE(picture.Empty());
}

TEST(Bitmaps, CropCopiesTheRectangle)
{
    std::mt19937 random(5);
    TBmpScan src = RandomPicture(random, 9, 7);
    TBmpScan crop = CropBitmap(src, {2, 3, 7, 5});
    ASSERT_EQ(5, crop.Width());
    ASSERT_EQ(2, crop.Height());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_TRUE(crop.Scan(y)[x] == src.Scan(y + 3)[x + 2]);
    EXPECT_TRUE(CropBitmap(src, {3, 3, 3, 5}).Empty());
    EXPECT_TRUE(CropBitmap(src, {-1, 0, 3, 5}).Empty());
    EXPECT_TRUE(CropBitmap(TBmpScan(), {0, 0, 3, 5}).Empty());
}

TEST(Bitmaps, Copy24ReadsOtherDepths)
{
    TBmpScan p16(2, 1, 16);
    p16.Row(0)[0] = 0x1F; // blue 31
    p16.Row(0)[1] = 0x7C; // red 31
    TBmpScan p32(1, 1, 32);
    p32.Row(0)[0] = 1, p32.Row(0)[1] = 2, p32.Row(0)[2] = 3, p32.Row(0)[3] = 0;
    EXPECT_TRUE(CopyBitmap24(p16).Scan(0)[0] == (TTriple{255, 0, 255}));
    EXPECT_TRUE(CopyBitmap24(p32).Scan(0)[0] == (TTriple{1, 2, 3}));
}

namespace {

TBmpScan Numbered(int w, int h)
{
    return PictureOf(w, h, [](int32_t x, int32_t y) {
        return TTriple{static_cast<uint8_t>(x), static_cast<uint8_t>(y), 7};
    });
}

} // namespace

TEST(Orientation, EachCodeTakesItsSourcePixel)
{
    int W = 70, H = 67; // beyond one 64-pixel block both ways
    TBmpScan src = Numbered(W, H);
    TBmpScan half = TransformOrientation(src, 3), cw = TransformOrientation(src, 6),
             ccw = TransformOrientation(src, 8);
    ASSERT_EQ(H, cw.Width());
    ASSERT_EQ(W, cw.Height());
    for (int y = 0; y < W; ++y)
        for (int x = 0; x < H; ++x) {
            ASSERT_TRUE(cw.Scan(y)[x] == src.Scan(H - 1 - x)[y]);
            ASSERT_TRUE(ccw.Scan(y)[x] == src.Scan(x)[W - 1 - y]);
        }
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            ASSERT_TRUE(half.Scan(y)[x] == src.Scan(H - 1 - y)[W - 1 - x]);
    TBmpScan across = TransformOrientation(src, 2), upDown = TransformOrientation(src, 4),
             main = TransformOrientation(src, 5), other = TransformOrientation(src, 7);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            ASSERT_TRUE(across.Scan(y)[x] == src.Scan(y)[W - 1 - x]);
            ASSERT_TRUE(upDown.Scan(y)[x] == src.Scan(H - 1 - y)[x]);
        }
    ASSERT_EQ(H, main.Width());
    ASSERT_EQ(H, other.Width());
    for (int y = 0; y < W; ++y)
        for (int x = 0; x < H; ++x) {
            ASSERT_TRUE(main.Scan(y)[x] == src.Scan(x)[y]);
            ASSERT_TRUE(other.Scan(y)[x] == src.Scan(H - 1 - x)[W - 1 - y]);
        }
    EXPECT_TRUE(SamePicture(src, TransformOrientation(src, 1)));
    EXPECT_TRUE(SamePicture(src, TransformOrientation(src, 9))); // not an orientation: a copy
}

TEST(Orientation, FourQuarterTurnsGiveTheOriginal)
{
    std::mt19937 random(8);
    TBmpScan src = RandomPicture(random, 13, 5), p = src;
    for (int i = 0; i < 4; ++i)
        p = TransformOrientation(p, 6);
    EXPECT_TRUE(SamePicture(src, p));
    EXPECT_TRUE(SamePicture(src, TransformOrientation(TransformOrientation(src, 8), 6)));
}

TEST(Orientation, RotateByAngleReducesModulo360)
{
    TBmpScan src = Numbered(640, 480);
    EXPECT_TRUE(SamePicture(TransformOrientation(src, 6), RotateByAngle(src, 450)));
    EXPECT_TRUE(SamePicture(TransformOrientation(src, 8), RotateByAngle(src, -90)));
    EXPECT_TRUE(SamePicture(TransformOrientation(src, 3), RotateByAngle(src, 180)));
    EXPECT_TRUE(SamePicture(src, RotateByAngle(src, 45)));
    EXPECT_TRUE(SamePicture(src, RotateByAngle(src, 360)));
    EXPECT_EQ(480, RotateByAngle(src, 90).Width());
    EXPECT_EQ(640, RotateByAngle(src, 90).Height());
}

TEST(Orientation, EightBitPicturesTurnToo)
{
    TBmpScan alpha(3, 2, 8);
    for (int i = 0; i < 6; ++i)
        alpha.Row(i / 3)[i % 3] = static_cast<uint8_t>(i);
    TBmpScan cw = TransformOrientation(alpha, 6);
    ASSERT_EQ(8, cw.BitsPerPixel());
    EXPECT_EQ(3, cw.Row(0)[0]); // (0,0) <- (0, H-1)
    EXPECT_EQ(0, cw.Row(0)[1]);
    EXPECT_EQ(5, cw.Row(2)[0]);
}
