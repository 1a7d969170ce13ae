#include "app/crop/CropOverlay.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TBmpScan Grey(int width, int height, uint8_t v)
{
    TBmpScan b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            b.Scan(y)[x] = {v, v, v};
    return b;
}

TEST(CropOverlay, TintBlendsEachChannelOutOf256)
{
    TBmpScan b = Grey(4, 1, 200);
    TintArea(b, {1, 0, 3, 1}, {0x0000FF, 100}); // red in 0x00BBGGRR
    // (200 * 156 + 255 * 100) div 256 = 221; (200 * 156) div 256 = 121.
    EXPECT_EQ(b.Scan(0)[0].r, 200);
    EXPECT_EQ(b.Scan(0)[1].r, 221);
    EXPECT_EQ(b.Scan(0)[1].g, 121);
    EXPECT_EQ(b.Scan(0)[2].b, 121);
    EXPECT_EQ(b.Scan(0)[3].g, 200);
}

TEST(CropOverlay, TintOutsideLeavesTheHoleAndTheMargin)
{
    TBmpScan b = Grey(6, 6, 200);
    TintOutside(b, {1, 1, 5, 5}, {2, 2, 4, 4}, {0x333333, 100});
    int tinted = 0;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            if (b.Scan(y)[x].g != 200) {
                ++tinted;
                EXPECT_EQ(b.Scan(y)[x].g, (200 * 156 + 0x33 * 100) / 256);
            }
    EXPECT_EQ(tinted, 16 - 4);
    EXPECT_EQ(b.Scan(2)[2].g, 200);
    EXPECT_EQ(b.Scan(0)[0].g, 200);
}

TEST(CropOverlay, FrameInvertsTheOutlineSolidOrDotted)
{
    TBmpScan solid = Grey(8, 8, 10);
    InvertFrame(solid, {1, 1, 7, 7}, false);
    int inverted = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            inverted += solid.Scan(y)[x].r == 245;
    EXPECT_EQ(inverted, 20); // the outline of a 6 x 6 square
    EXPECT_EQ(solid.Scan(3)[3].r, 10);

    TBmpScan dotted = Grey(8, 8, 10);
    InvertFrame(dotted, {1, 1, 7, 7}, true);
    EXPECT_EQ(dotted.Scan(1)[1].r, 245);
    EXPECT_EQ(dotted.Scan(1)[2].r, 10);
    EXPECT_EQ(dotted.Scan(1)[3].r, 245);
}

TEST(CropOverlay, HandlesClippedAtTheBufferEdge)
{
    TBmpScan b = Grey(20, 20, 0);
    DrawHandles(b, {0, 0, 20, 20}, 0xFFFFFF);
    EXPECT_EQ(b.Scan(0)[10].r, 255);  // top middle
    EXPECT_EQ(b.Scan(10)[0].r, 255);  // left middle
    EXPECT_EQ(b.Scan(19)[19].r, 255); // bottom right
    EXPECT_EQ(b.Scan(10)[10].r, 0);
}

} // namespace
} // namespace qor
