#include "imaging/Geometry.h"

#include <gtest/gtest.h>

using namespace qor;

TEST(Geometry, FitRectScalesIntoTheBoxAndEnlargesSmallPictures)
{
    EXPECT_EQ((TRect{0, 0, 90, 60}), FitRect(300, 200, 114, 60));
    EXPECT_EQ((TRect{0, 0, 60, 60}), FitRect(10, 10, 114, 60));
    EXPECT_EQ((TRect{0, 0, 60, 60}), FitRect(0, -3, 114, 60)); // sides below 1 count as 1
    EXPECT_EQ((TRect{0, 0, 1, 1}), FitRect(1000, 1000, 0, 0));
}

TEST(Geometry, AspectCropSize)
{
    struct Case {
        int w, h, aw, ah;
        TSize crop;
    };
    for (Case c : {Case{1000, 1000, 720, 300, {1000, 417}},
                   {640, 480, 4, 3, {640, 480}},
                   {300, 200, 720, 300, {300, 125}},
                   {1000, 100, 1, 1, {100, 100}},
                   {5, 1000, 3, 1, {5, 2}}, // 5/3 = 1.67 -> 2
                   {1, 1, 720, 300, {1, 0}},
                   {4000, 3000, 720, 270, {4000, 1500}}})
        EXPECT_EQ(c.crop, AspectCropSize(c.w, c.h, c.aw, c.ah)) << c.w << "x" << c.h;
}

TEST(Geometry, CenteredCropGivesLeftoverToRightAndBottom)
{
    EXPECT_EQ((TRect{0, 291, 1000, 708}), CenteredCrop(1000, 1000, 720, 300));
    EXPECT_EQ((TRect{0, 37, 300, 162}), CenteredCrop(300, 200, 720, 300));
    EXPECT_EQ((TRect{0, 0, 640, 480}), CenteredCrop(640, 480, 4, 3));
    EXPECT_EQ((TRect{1, 0, 4, 3}), CenteredCrop(6, 3, 1, 1)); // leftover 3: 1 left, 2 right
}

TEST(Geometry, ApplyAspectKeepsCornerAndArea)
{
    TRect r{10, 20, 110, 120};
    ApplyAspect(r, 4, 1);
    EXPECT_EQ((TRect{10, 20, 210, 70}), r);
    TRect swapped{110, 120, 10, 20};
    ApplyAspect(swapped, 0, 1);
    EXPECT_EQ((TRect{10, 20, 110, 120}), swapped);
}

TEST(Geometry, PlaceCentered)
{
    EXPECT_EQ((TRect{12, 25, 22, 35}), PlaceCentered(10, 10, {0, 0, 35, 60}));
    // Too big: fitted to 90 x 60 in a 114 x 60 box, offset round(24 / 2) = 12.
    EXPECT_EQ((TRect{17, 5, 107, 65}), PlaceCentered(300, 200, {5, 5, 119, 65}));
}

TEST(Geometry, MapRect)
{
    EXPECT_EQ((TRect{0, 0, 50, 25}), MapRect({0, 0, 100, 50}, {0, 0, 200, 100}, {0, 0, 100, 50}));
    EXPECT_EQ((TRect{12, 11, 14, 13}), MapRect({5, 5, 10, 15}, {0, 0, 10, 20}, {10, 10, 14, 14}));
    EXPECT_EQ((TRect{2, 4, 2, 4}),
              MapRect({5, 7, 5, 9}, {0, 0, 10, 10}, {0, 0, 5, 5})); // 2.5, 3.5, 4.5
    EXPECT_EQ((TRect{}), MapRect({5, 5, 10, 15}, {0, 0, 0, 20}, {10, 10, 14, 14}));
}

TEST(Geometry, KeepInside)
{
    TRect bounds{0, 0, 100, 100};
    EXPECT_EQ((TRect{0, 10, 20, 30}), KeepInside({-5, 10, 15, 30}, bounds));
    EXPECT_EQ((TRect{80, 70, 100, 100}), KeepInside({90, 80, 110, 110}, bounds));
    EXPECT_EQ((TRect{0, 0, 150, 20}), KeepInside({-10, 0, 140, 20}, bounds)); // wider: flush left
    EXPECT_EQ((TRect{10, 10, 20, 20}), KeepInside({10, 10, 20, 20}, bounds));
}
