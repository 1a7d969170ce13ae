// The three smooth resamplers against direct evaluations of their formulas: every destination
// pixel computed on its own from its footprint, with no tables, in the formula's order.
#include "imaging/Resamplers.h"

#include "ImagingTestSupport.h"
#include "ReferenceResamplers.h"
#include "imaging/Bitmaps.h"

#include <cmath>

using namespace qor;
using namespace qortest;

namespace {

enum class TRoutine { Shrink, AreaBilinear, Enlarge };

TBmpScan Shipped(TRoutine routine, const TBmpScan& src, int W, int H)
{
    switch (routine) {
    case TRoutine::Shrink:
        return ShrinkArea(src, src.Bounds(), W, H);
    case TRoutine::AreaBilinear:
        return ResampleAreaBilinear(src, src.Bounds(), W, H);
    default:
        return EnlargeBilinear(src, src.Bounds(), W, H);
    }
}

TBmpScan Reference(TRoutine routine, const TBmpScan& src, int W, int H)
{
    switch (routine) {
    case TRoutine::Shrink:
        return ReferenceShrinkArea(src, W, H);
    case TRoutine::AreaBilinear:
        return ReferenceResampleAreaBilinear(src, W, H);
    default:
        return ReferenceEnlargeBilinear(src, W, H);
    }
}

// Random source sizes (1-pixel and thin ones often) and wanted sizes in the routine's range.
struct TCase {
    int sw, sh, w, h;
};

TCase RandomCase(std::mt19937& random, TRoutine routine)
{
    auto side = [&](int max) {
        int kind = std::uniform_int_distribution<int>(0, 5)(random);
        if (kind == 0) return 1;
        if (kind == 1) return std::uniform_int_distribution<int>(1, 3)(random);
        return std::uniform_int_distribution<int>(1, max)(random);
    };
    auto multipleOrOdd = [&](int s, bool smaller) {
        int mode = std::uniform_int_distribution<int>(0, 3)(random);
        if (smaller) {
            if (mode == 0 && s % 2 == 0) return s / 2;
            if (mode == 1 && s % 3 == 0) return s / 3;
            return std::uniform_int_distribution<int>(1, s)(random);
        }
        if (mode == 0) return s * 2;
        if (mode == 1) return s * 3;
        return std::uniform_int_distribution<int>(s, s * 4 + 3)(random);
    };
    for (;;) {
        int sw = side(60), sh = side(60);
        TCase c{sw, sh, 0, 0};
        switch (routine) {
        case TRoutine::Shrink:
            c.w = multipleOrOdd(sw, true), c.h = multipleOrOdd(sh, true);
            if (c.w < sw && c.h < sh) return c;
            break;
        case TRoutine::AreaBilinear: {
            bool keepX = std::uniform_int_distribution<int>(0, 1)(random) == 1;
            c.w = multipleOrOdd(sw, !keepX), c.h = multipleOrOdd(sh, keepX);
            if (c.w != sw || c.h != sh) return c;
            break;
        }
        default:
            c.w = multipleOrOdd(sw, false) + 1, c.h = multipleOrOdd(sh, false) + 1;
            if (c.w > sw && c.h > sh) return c;
        }
    }
}

class ResamplerExactness : public testing::TestWithParam<TRoutine> {};

} // namespace

TEST_P(ResamplerExactness, ShippedRoutineGivesTheFormulasBytesOnRandomPictures)
{
    std::mt19937 random(static_cast<unsigned>(GetParam()) * 1000 + 17);
    for (int n = 0; n < 1500; ++n) {
        TCase c = RandomCase(random, GetParam());
        TBmpScan src = RandomPicture(random, c.sw, c.sh);
        ASSERT_TRUE(
            SamePicture(Reference(GetParam(), src, c.w, c.h), Shipped(GetParam(), src, c.w, c.h)))
            << c.sw << "x" << c.sh << " -> " << c.w << "x" << c.h;
    }
}

TEST_P(ResamplerExactness, ShippedRoutineGivesTheFormulasBytesOnSmoothPictures)
{
    // Few distinct values make exact ties in the sums likely.
    std::mt19937 random(static_cast<unsigned>(GetParam()) * 77 + 5);
    for (int n = 0; n < 800; ++n) {
        TCase c = RandomCase(random, GetParam());
        TBmpScan src = PictureOf(c.sw, c.sh, [&](int32_t x, int32_t y) {
            uint8_t v = static_cast<uint8_t>(((x + y) % 2) * 255);
            return TTriple{v, static_cast<uint8_t>(x * 5), static_cast<uint8_t>(y % 2)};
        });
        ASSERT_TRUE(
            SamePicture(Reference(GetParam(), src, c.w, c.h), Shipped(GetParam(), src, c.w, c.h)))
            << c.sw << "x" << c.sh << " -> " << c.w << "x" << c.h;
    }
}

TEST_P(ResamplerExactness, UniformPictureStaysUniform)
{
    std::mt19937 random(static_cast<unsigned>(GetParam()) + 99);
    for (int n = 0; n < 200; ++n) {
        TCase c = RandomCase(random, GetParam());
        TTriple colour{static_cast<uint8_t>(n), 255, 0};
        TBmpScan out = Shipped(GetParam(), UniformPicture(c.sw, c.sh, colour), c.w, c.h);
        ASSERT_TRUE(SamePicture(UniformPicture(c.w, c.h, colour), out))
            << c.sw << "x" << c.sh << " -> " << c.w << "x" << c.h;
    }
}

INSTANTIATE_TEST_SUITE_P(Routines, ResamplerExactness,
                         testing::Values(TRoutine::Shrink, TRoutine::AreaBilinear,
                                         TRoutine::Enlarge));

TEST(SmoothResize, OwnSizeIsAnExactCopy)
{
    std::mt19937 random(1);
    TBmpScan src = RandomPicture(random, 17, 9);
    EXPECT_TRUE(SamePicture(src, SmoothResize(src, 17, 9)));
}

TEST(SmoothResize, TwoByTwoHalfBlackHalfWhiteGives127)
{
    TBmpScan src = PictureOf(2, 2, [](int32_t x, int32_t) {
        return TTriple{static_cast<uint8_t>(x * 255), 0, 0};
    });
    EXPECT_EQ(127, SmoothResize(src, 1, 1).Scan(0)[0].b);
}

TEST(SmoothResize, OnePixelEnlargesToUniformColour)
{
    TTriple colour{1, 2, 3};
    EXPECT_TRUE(SamePicture(UniformPicture(37, 5, colour),
                            SmoothResize(UniformPicture(1, 1, colour), 37, 5)));
}

TEST(SmoothResize, ChoosesTheRoutineByScale)
{
    std::mt19937 random(2);
    TBmpScan wide = RandomPicture(random, 100, 50);
    EXPECT_TRUE(
        SamePicture(ReferenceResampleAreaBilinear(wide, 50, 50), SmoothResize(wide, 50, 50)));
    TBmpScan square = RandomPicture(random, 100, 100);
    EXPECT_TRUE(SamePicture(ReferenceShrinkArea(square, 50, 50), SmoothResize(square, 50, 50)));
    TBmpScan small = RandomPicture(random, 50, 50);
    EXPECT_TRUE(
        SamePicture(ReferenceEnlargeBilinear(small, 100, 60), SmoothResize(small, 100, 60)));
}

TEST(SmoothResize, AreaOfAPictureEqualsResizingItsCrop)
{
    std::mt19937 random(3);
    TBmpScan src = RandomPicture(random, 40, 30);
    TRect area{3, 5, 31, 26};
    for (auto [w, h] : {std::pair{10, 7}, {28, 10}, {50, 40}, {28, 21}})
        EXPECT_TRUE(
            SamePicture(SmoothResize(CropBitmap(src, area), w, h), SmoothResize(src, area, w, h)))
            << w << "x" << h;
}

TEST(SmoothResize, ReadsOtherDepthsThroughA24BitCopy)
{
    TBmpScan grey(6, 4, 8);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            grey.Row(y)[x] = static_cast<uint8_t>(x * 40 + y);
    EXPECT_TRUE(SamePicture(SmoothResize(CopyBitmap24(grey), 3, 2), SmoothResize(grey, 3, 2)));
}

TEST(EnlargeBilinear, EmptyAreaGivesNoPicture)
{
    EXPECT_TRUE(EnlargeBilinear(TBmpScan(), TRect{}, 4, 4).Empty());
}

TEST(StretchFast, CopiesTheNearestPixel)
{
    TBmpScan src = PictureOf(4, 2, [](int32_t x, int32_t y) {
        return TTriple{static_cast<uint8_t>(x), static_cast<uint8_t>(y), 0};
    });
    TBmpScan out = StretchFast(src, 8, 1);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(x / 2, out.Scan(0)[x].b);
    EXPECT_EQ(1, out.Scan(0)[0].g); // row centre 0.5 * 2 = 1
    TBmpScan shrunk = StretchFast(src, 2, 2);
    EXPECT_EQ(1, shrunk.Scan(0)[0].b);
    EXPECT_EQ(3, shrunk.Scan(1)[1].b);
}

TEST(FitBitmap, FitsIntoTheBox)
{
    TBmpScan out = FitBitmap(TBmpScan(300, 200), 114, 60, true);
    EXPECT_EQ(90, out.Width());
    EXPECT_EQ(60, out.Height());
    TBmpScan fast = FitBitmap(TBmpScan(10, 10), 114, 60, false);
    EXPECT_EQ(60, fast.Width());
    EXPECT_EQ(60, fast.Height());
}
