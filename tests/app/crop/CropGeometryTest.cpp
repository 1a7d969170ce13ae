#include "app/crop/CropGeometry.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(CropZone, BandsAlongTheEdgesOfTheRectangle)
{
    const TRect r{100, 100, 400, 300};
    struct Case {
        TPoint p;
        TCropZone zone;
    };
    const Case cases[] = {
        {{99, 150}, czNone},    {{400, 150}, czNone},   {{150, 99}, czNone},
        {{150, 300}, czNone},   {{392, 150}, czRight},  {{399, 291}, czRight},
        {{391, 150}, czInside}, {{392, 292}, czCorner}, {{399, 299}, czCorner},
        {{100, 150}, czLeft},   {{108, 150}, czLeft},   {{109, 150}, czInside},
        {{100, 299}, czLeft},   {{150, 292}, czBottom}, {{150, 291}, czInside},
        {{150, 100}, czTop},    {{150, 108}, czTop},    {{150, 109}, czInside},
        {{391, 299}, czBottom},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CropZoneAt(c.p, r), c.zone) << c.p.x << "," << c.p.y;
}

TEST(PictureArea, MarginsOfFiveAndSevenPixelsUnlessTheWholeControl)
{
    EXPECT_EQ(PictureArea(840, 541, false), (TRect{5, 7, 835, 534}));
    EXPECT_EQ(PictureArea(840, 541, true), (TRect{0, 0, 840, 541}));
}

TEST(AcceptScreenRect, DraggedRightEdgeKeepsTheAreaWithTheAspect)
{
    TCropRules rules{720, 300, 20, 20, true};
    // A 72-pixel drag of the right edge of a 720 x 300 rectangle proposes 792 x 300.
    auto q = AcceptScreenRect({50, 50, 842, 350}, {0, 0, 1300, 900}, rules);
    ASSERT_TRUE(q);
    EXPECT_EQ(*q, (TRect{50, 50, 805, 365}));
}

TEST(AcceptScreenRect, PastTheEdgeLiesFlushAndOutsideIsRefused)
{
    TCropRules rules{100, 50, 20, 20, true};
    const TRect image{10, 10, 510, 410};
    EXPECT_EQ(AcceptScreenRect({-90, 100, 110, 200}, image, rules), (TRect{10, 100, 210, 200}));
    EXPECT_EQ(AcceptScreenRect({400, 380, 600, 480}, image, rules), (TRect{310, 310, 510, 410}));
    // Larger than the picture: clipped, then given the aspect again inside it.
    auto big = AcceptScreenRect({0, 0, 1000, 500}, image, rules);
    ASSERT_TRUE(big);
    EXPECT_GE(big->Left, image.Left);
    EXPECT_LE(big->Right, image.Right);
    EXPECT_LE(big->Bottom, image.Bottom);
    EXPECT_FALSE(AcceptScreenRect({10, 10, 10, 10}, image, rules));
}

TEST(AcceptScreenRect, BelowTheSmallestSizeIsRefused)
{
    TCropRules free{1, 1, 20, 20, false};
    const TRect image{0, 0, 500, 500};
    EXPECT_EQ(AcceptScreenRect({100, 100, 120, 120}, image, free), (TRect{100, 100, 120, 120}));
    EXPECT_FALSE(AcceptScreenRect({100, 100, 119, 200}, image, free));
    EXPECT_FALSE(AcceptScreenRect({100, 100, 200, 119}, image, free));
}

TEST(SameAspect, FractionsInLowestTerms)
{
    EXPECT_TRUE(SameAspect(720, 300, 1440, 600));
    EXPECT_TRUE(SameAspect(720, 300, 12, 5));
    EXPECT_FALSE(SameAspect(720, 300, 640, 480));
    EXPECT_FALSE(SameAspect(16, 9, 9, 16));
    EXPECT_TRUE(SameAspect(640, 480, 4, 3));
}

TEST(AdjustCropWithCenterFixed, ReshapesAboutTheCentreKeepingTheArea)
{
    TRect r{0, 0, 400, 300};
    ASSERT_TRUE(AdjustCropWithCenterFixed(r, 1, 1));
    // h = sqrt(120000) = 346.41 about the centre (200, 150).
    EXPECT_EQ(r, (TRect{27, -23, 373, 323}));
    TRect bad{10, 10, 5, 20};
    EXPECT_FALSE(AdjustCropWithCenterFixed(bad, 1, 1));
    EXPECT_EQ(bad, (TRect{10, 10, 5, 20}));
    TRect kept{0, 0, 10, 10};
    EXPECT_FALSE(AdjustCropWithCenterFixed(kept, 0, 1));
}

TEST(CropAroundPoint, LargestOfTheAspectAwayFromTheBorder)
{
    EXPECT_EQ(CropAroundPoint({500, 300}, 1000, 1000, 2, 1), (TRect{0, 50, 1000, 550}));
    EXPECT_EQ(CropAroundPoint({200, 500}, 1000, 1000, 1, 2), (TRect{0, 100, 400, 900}));
    EXPECT_FALSE(CropAroundPoint({99, 500}, 1000, 1000, 2, 1));
    EXPECT_FALSE(CropAroundPoint({500, 901}, 1000, 1000, 2, 1));
    EXPECT_FALSE(CropAroundPoint({500, 500}, 1000, 1000, 0, 1));
}

} // namespace
} // namespace qor
