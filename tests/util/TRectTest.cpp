#include "util/TRect.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using qor::TRect;

TEST(TRect, RightAndBottomAreExclusive)
{
    TRect r{10, 20, 30, 60};
    EXPECT_EQ(r.Width(), 20);
    EXPECT_EQ(r.Height(), 40);
    EXPECT_TRUE(r.IsValid());
}

TEST(TRect, ValidOnlyWithPositiveWidthAndHeight)
{
    EXPECT_FALSE((TRect{}).IsValid());
    EXPECT_FALSE((TRect{5, 0, 5, 10}).IsValid());
    EXPECT_FALSE((TRect{0, 5, 10, 5}).IsValid());
    EXPECT_FALSE((TRect{10, 0, 5, 10}).IsValid());
    EXPECT_TRUE((TRect{-10, -10, -9, -9}).IsValid());
}

TEST(TRect, ExtremeCornersGiveWrappedSizesInsteadOfOverflowing)
{
    constexpr int32_t lowest = std::numeric_limits<int32_t>::min();
    constexpr int32_t highest = std::numeric_limits<int32_t>::max();
    TRect r{lowest, lowest, highest, highest};
    EXPECT_EQ(r.Width(), -1);
    EXPECT_EQ(r.Height(), -1);
    EXPECT_EQ((TRect{highest, 0, lowest, 0}).Width(), 1);
}

TEST(TRect, EqualWhenAllFourCornersAreEqual)
{
    EXPECT_EQ((TRect{1, 2, 3, 4}), (TRect{1, 2, 3, 4}));
    EXPECT_NE((TRect{1, 2, 3, 4}), (TRect{1, 2, 3, 5}));
    EXPECT_NE((TRect{0, 2, 3, 4}), (TRect{1, 2, 3, 4}));
}

} // namespace
