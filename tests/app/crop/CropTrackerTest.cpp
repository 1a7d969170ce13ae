#include "app/crop/CropTracker.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(CropTrackerLayout, LargePictureShrunkAndCentred)
{
    TCropTracker t;
    t.Layout(840, 541, false, 4000, 3000, {0, 666, 4000, 2333});
    // 703 x 527 inside (5, 7, 835, 534); (830 - 703) / 2 = 63.5 rounds to 64.
    EXPECT_EQ(t.ImageR(), (TRect{69, 7, 772, 534}));
    EXPECT_EQ(t.AlphaR(), (TRect{69, 124, 772, 417}));
}

TEST(CropTrackerLayout, SmallPictureAtItsOwnSize)
{
    TCropTracker t;
    t.Layout(840, 541, false, 400, 300, {0, 0, 400, 300});
    EXPECT_EQ(t.ImageR(), (TRect{220, 120, 620, 420}));
    EXPECT_EQ(t.AlphaR(), t.ImageR());
}

TEST(CropTrackerLayout, WithoutPictureTheRectangleIsTheControl)
{
    TCropTracker t;
    EXPECT_FALSE(t.LaidOut());
    t.Layout(300, 200, false, 0, 0, {});
    EXPECT_TRUE(t.LaidOut());
    EXPECT_EQ(t.AlphaR(), (TRect{0, 0, 300, 200}));
    EXPECT_EQ(t.Press({10, 10}, false), czNone);
}

// A 1300 x 900 picture shown at its own size at (50, 50).
TCropTracker ShownAtOwnSize(TRect cropR, TCropRules rules)
{
    TCropTracker t;
    t.Rules = rules;
    t.Layout(1400, 1000, false, 1300, 900, cropR);
    EXPECT_EQ(t.ImageR(), (TRect{50, 50, 1350, 950}));
    return t;
}

TEST(CropTrackerDrag, RightEdgeWithTheAspectThenReleasedInPicturePixels)
{
    TRect crop{0, 0, 720, 300};
    TCropTracker t = ShownAtOwnSize(crop, {720, 300, 20, 20, true});
    EXPECT_EQ(t.Press({765, 200}, false), czRight);
    EXPECT_TRUE(t.Move({837, 200}, false));
    EXPECT_EQ(t.AlphaR(), (TRect{50, 50, 805, 365}));
    EXPECT_TRUE(t.Release(crop));
    EXPECT_EQ(crop, (TRect{0, 0, 755, 315}));
    EXPECT_FALSE(t.Dragging());
}

TEST(CropTrackerDrag, ReleaseWithoutChangeKeepsTheCrop)
{
    TRect crop{0, 666, 4000, 2333};
    TCropTracker t;
    t.Rules = {720, 300, 20, 20, true};
    t.Layout(840, 541, false, 4000, 3000, crop);
    EXPECT_EQ(t.Press({400, 300}, false), czInside);
    EXPECT_FALSE(t.Release(crop));
    EXPECT_EQ(crop, (TRect{0, 666, 4000, 2333}));
}

TEST(CropTrackerDrag, MoveOnAReducedDisplayMapsBackWithRounding)
{
    TRect crop{0, 666, 4000, 2333};
    TCropTracker t;
    t.Rules = {720, 300, 20, 20, true};
    t.Layout(840, 541, false, 4000, 3000, crop);
    t.Press({400, 300}, false);
    EXPECT_TRUE(t.Move({400, 310}, false));
    EXPECT_EQ(t.AlphaR(), (TRect{69, 134, 772, 427}));
    EXPECT_TRUE(t.Release(crop));
    // 127 * 3000 / 527 = 722.96; 420 * 3000 / 527 = 2390.89.
    EXPECT_EQ(crop, (TRect{0, 723, 4000, 2391}));
}

TEST(CropTrackerDrag, ShiftLocksTheDirectionAfterFivePixels)
{
    TRect crop{100, 100, 500, 300};
    TCropTracker t = ShownAtOwnSize(crop, {2, 1, 20, 20, true});
    const TRect start = t.AlphaR();
    EXPECT_EQ(t.Press({300, 200}, true), czInside);
    EXPECT_EQ(t.ShiftMove(), smUndecided);
    EXPECT_FALSE(t.Move({303, 201}, true));
    EXPECT_EQ(t.AlphaR(), start);
    EXPECT_TRUE(t.Move({306, 202}, true));
    EXPECT_EQ(t.ShiftMove(), smHorizontal);
    EXPECT_EQ(t.AlphaR(), (TRect{start.Left + 3, start.Top, start.Right + 3, start.Bottom}));
    EXPECT_TRUE(t.Move({310, 230}, true));
    EXPECT_EQ(t.AlphaR(), (TRect{start.Left + 7, start.Top, start.Right + 7, start.Bottom}));
}

TEST(CropTrackerDrag, ShiftLockVerticalWhenTheLongerWayIsDown)
{
    TRect crop{100, 100, 500, 300};
    TCropTracker t = ShownAtOwnSize(crop, {2, 1, 20, 20, true});
    const TRect start = t.AlphaR();
    t.Press({300, 200}, true);
    EXPECT_TRUE(t.Move({302, 208}, true));
    EXPECT_EQ(t.ShiftMove(), smVertical);
    EXPECT_EQ(t.AlphaR(), (TRect{start.Left, start.Top + 8, start.Right, start.Bottom + 8}));
    // Letting go of Shift frees both directions.
    EXPECT_TRUE(t.Move({312, 218}, false));
    EXPECT_EQ(t.ShiftMove(), smNone);
    EXPECT_EQ(t.AlphaR(),
              (TRect{start.Left + 10, start.Top + 18, start.Right + 10, start.Bottom + 18}));
}

TEST(CropTrackerDrag, ShiftDoesNotLockResizing)
{
    TRect crop{100, 100, 500, 300};
    TCropTracker t = ShownAtOwnSize(crop, {2, 1, 20, 20, false});
    t.Press({545, 348}, true);
    EXPECT_EQ(t.Zone(), czCorner);
    EXPECT_TRUE(t.Move({547, 350}, true));
    EXPECT_EQ(t.AlphaR(), (TRect{150, 150, 552, 352}));
}

TEST(CropTrackerDrag, PastThePictureEdgeStaysFlush)
{
    TRect crop{100, 100, 500, 300};
    TCropTracker t = ShownAtOwnSize(crop, {2, 1, 20, 20, true});
    t.Press({300, 200}, false);
    EXPECT_TRUE(t.Move({-700, 200}, false));
    EXPECT_EQ(t.AlphaR(), (TRect{50, 150, 450, 350}));
    EXPECT_TRUE(t.Move({-700, 5000}, false));
    EXPECT_EQ(t.AlphaR(), (TRect{50, 750, 450, 950}));
    EXPECT_TRUE(t.Release(crop));
    EXPECT_EQ(crop, (TRect{0, 700, 400, 900}));
}

TEST(CropTrackerDrag, ShrinkingBelowTheSmallestSizeKeepsTheLastLargerRectangle)
{
    TRect crop{100, 100, 200, 200};
    TCropTracker t = ShownAtOwnSize(crop, {1, 1, 20, 20, false});
    t.Press({245, 200}, false);
    ASSERT_EQ(t.Zone(), czRight);
    EXPECT_TRUE(t.Move({170, 200}, false)); // 25 wide
    EXPECT_EQ(t.AlphaR(), (TRect{150, 150, 175, 250}));
    EXPECT_FALSE(t.Move({164, 200}, false)); // 19 wide: refused
    EXPECT_EQ(t.AlphaR(), (TRect{150, 150, 175, 250}));
    t.Release(crop);
    EXPECT_EQ(crop, (TRect{100, 100, 125, 200}));
}

TEST(CropTrackerDrag, PressOutsideStartsNoDrag)
{
    TRect crop{100, 100, 200, 200};
    TCropTracker t = ShownAtOwnSize(crop, {1, 1, 20, 20, true});
    EXPECT_EQ(t.Press({10, 10}, false), czNone);
    EXPECT_FALSE(t.Move({100, 100}, false));
    EXPECT_FALSE(t.Release(crop));
    EXPECT_EQ(crop, (TRect{100, 100, 200, 200}));
}

TEST(CropTrackerShowCrop, ChangeAspectSnapsTheScreenRectangleOnly)
{
    TCropTracker t = ShownAtOwnSize({0, 0, 400, 400}, {2, 1, 20, 20, true});
    t.ShowCrop({0, 0, 400, 400}, true);
    // 160000 pixels at 2 : 1 is 566 x 283.
    EXPECT_EQ(t.AlphaR(), (TRect{50, 50, 616, 333}));
    t.ShowCrop({0, 0, 400, 400}, false);
    EXPECT_EQ(t.AlphaR(), (TRect{50, 50, 450, 450}));
}

} // namespace
} // namespace qor
