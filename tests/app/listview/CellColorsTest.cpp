#include "app/listview/CellColors.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using S = TILMouseStat;

TEST(CellColors, CursorWinsOverSelection)
{
    struct Case {
        S requested;
        bool cursor, selected;
        S drawn;
    } cases[] = {
        {S::ntmReset, true, true, S::ntmSelect},
        {S::ntmReset, true, false, S::ntmNormal},
        {S::ntmNormal, true, true, S::ntmCursor},
        {S::ntmNormal, false, true, S::ntmSelect},
        {S::ntmNormal, false, false, S::ntmNormal},
        {S::ntmRollOver, true, true, S::ntmRollOverCursor},
        {S::ntmRollOver, false, true, S::ntmRollOverSelect},
        {S::ntmRollOver, false, false, S::ntmRollOver},
        {S::ntmDown, true, true, S::ntmDown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolveCellState(c.requested, c.cursor, c.selected), c.drawn)
            << int(c.requested) << c.cursor << c.selected;
}

TEST(CellColors, StateColoursOfTheMainWindow)
{
    TILStatColors colors;
    EXPECT_EQ(StateColor(S::ntmCursor, colors), (TRgb{192, 220, 192}));
    EXPECT_EQ(StateColor(S::ntmSelect, colors), (TRgb{166, 202, 240}));
    EXPECT_EQ(StateColor(S::ntmRollOver, colors), (TRgb{220, 220, 255}));
    // (135 v + 29400) / 255 rounded: 166 -> 203.18, 202 -> 222.24, 240 -> 242.35.
    EXPECT_EQ(StateColor(S::ntmRollOverSelect, colors), (TRgb{203, 222, 242}));
    // 192 -> 216.94, 220 -> 231.76.
    EXPECT_EQ(StateColor(S::ntmRollOverCursor, colors), (TRgb{217, 232, 217}));
    for (S plain : {S::ntmNormal, S::ntmDown, S::ntmReset, S::ntmClear})
        EXPECT_FALSE(StateColor(plain, colors).has_value());
}

TEST(CellColors, FillMixesWhiteByBrushAlpha)
{
    // ceiling((v × 176 + 255 × 80) / 256): 166 -> 193.81, 202 -> 218.56, 240 -> 244.69.
    EXPECT_EQ(MixWithWhite({166, 202, 240}, 80), (TRgb{194, 219, 245}));
    // The component default 200: 51 -> 210.38, 153 -> 232.69, 255 stays.
    EXPECT_EQ(MixWithWhite({51, 153, 255}, 200), (TRgb{211, 233, 255}));
    EXPECT_EQ(MixWithWhite({0, 0, 0}, 0), (TRgb{0, 0, 0}));
    EXPECT_EQ(MixWithWhite({0, 128, 255}, 256), (TRgb{255, 255, 255}));
}

TEST(CellColors, LighteningAndInversionKeepTheirRange)
{
    for (int v = 0; v < 256; ++v) {
        uint8_t c = static_cast<uint8_t>(v);
        TRgb light = Lighten({c, c, c});
        EXPECT_GE(light.r, 115);
        EXPECT_LE(light.r, 251);
        EXPECT_EQ(Inverted(Inverted({c, 0, 255})), (TRgb{c, 0, 255}));
    }
    EXPECT_EQ(Inverted({255, 255, 255}), (TRgb{0, 0, 0}));
    // v + 70 (255 - v) / 255: 0 -> 70, 128 -> 162.86 (kept whole: 162), 255 stays.
    EXPECT_EQ(HotButton({0, 128, 255}), (TRgb{70, 162, 255}));
    EXPECT_TRUE(IsHighlighted(S::ntmSelect));
    EXPECT_FALSE(IsHighlighted(S::ntmNormal));
}

} // namespace
} // namespace qor
