#include "text/PaintCoverage.h"
#include "text/TCoverageMask.h"

#include "PixelChecks.h"

#include <gtest/gtest.h>

using namespace qor;
using namespace qortest;

namespace {

TCoverageMask Mask(int left, int top, int width, int height, uint8_t value)
{
    return {left, top, width, height, std::vector<uint8_t>(size_t(width) * height, value)};
}

} // namespace

TEST(CoverageMask, UnionSpansAllPiecesAndKeepsTheLargerCoverage)
{
    TCoverageMask united = UniteMasks({Mask(-1, 2, 2, 2, 100), Mask(0, 3, 3, 1, 60), {}});
    EXPECT_EQ(united.Left, -1);
    EXPECT_EQ(united.Top, 2);
    EXPECT_EQ(united.Width, 4);
    EXPECT_EQ(united.Height, 2);
    EXPECT_EQ(united.Bytes, (std::vector<uint8_t>{100, 100, 0, 0, 100, 100, 60, 60}));
}

TEST(CoverageMask, UnionOfNothingIsEmpty)
{
    EXPECT_TRUE(UniteMasks({}).IsEmpty());
    EXPECT_TRUE(UniteMasks({{}, {}}).IsEmpty());
}

TEST(CoverageMask, PaintMovesPixelsTowardsTheColourByCoverage)
{
    TBmpScan picture = Uniform(4, 3, 100);
    TCoverageMask mask{0, 0, 3, 1, {0, 128, 255}};
    PaintCoverage(picture, mask, 1, 1, MakeColor(200, 0, 255));
    const TTriple* row = picture.Scan(1);
    EXPECT_TRUE(SamePixel(row[1], TTriple{100, 100, 100}));
    EXPECT_EQ(row[2].r, (200 * 128 + 100 * 127 + 127) / 255); // 150
    EXPECT_EQ(row[2].g, (100 * 127 + 127) / 255);             // 50
    EXPECT_EQ(row[2].b, (255 * 128 + 100 * 127 + 127) / 255); // 178
    EXPECT_TRUE(SamePixel(row[3], TTriple{255, 0, 200}));
    EXPECT_EQ(CountWhere(picture, [](const TTriple& p) { return p.g != 100; }), 2);
}

TEST(CoverageMask, PaintLeavesOutWhatFallsOutsideThePicture)
{
    for (auto [x, y] : {std::pair{-2, -2}, {3, 2}, {-10, 0}, {0, 7}}) {
        TBmpScan picture = Uniform(4, 3, 0);
        PaintCoverage(picture, Mask(0, 0, 3, 3, 255), x, y, clWhite);
        int inside = std::max(0, std::min(4, x + 3) - std::max(0, x)) *
                     std::max(0, std::min(3, y + 3) - std::max(0, y));
        EXPECT_EQ(CountWhere(picture, [](const TTriple& p) { return p.g == 255; }), inside)
            << x << "," << y;
    }
}
