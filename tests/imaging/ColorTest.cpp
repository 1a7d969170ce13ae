#include "imaging/Color.h"

#include <gtest/gtest.h>

using namespace qor;

TEST(Color, SplitAndMakeAreInverse)
{
    TColorParts c = SplitColor(0x123456);
    EXPECT_EQ(0x56, c.Red);
    EXPECT_EQ(0x34, c.Green);
    EXPECT_EQ(0x12, c.Blue);
    EXPECT_EQ(0x123456, MakeColor(c.Red, c.Green, c.Blue));
}

TEST(Color, InvertAndSwap)
{
    EXPECT_EQ(0xEDCBA9, InvertColor(0x123456));
    EXPECT_EQ(0xEDCBA9, InvertColor(static_cast<TColor>(0xFF123456)));
    EXPECT_EQ(0x563412, SwapRedBlue(0x123456));
}

TEST(Color, HexTexts)
{
    EXPECT_EQ("FF0000", ColorToHex(255));
    EXPECT_EQ("0A0B0C", ColorToHex(MakeColor(10, 11, 12)));
    EXPECT_EQ("00FF0064", ColorAlphaToHex(MakeColor(0, 255, 0), 100));
    struct Case {
        const char* text;
        TColor color;
    };
    for (Case c : {Case{"FFF", clWhite},
                   {"", clWhite},
                   {"FF0000", 255},
                   {"ff8000", 0x0080FF},
                   {"0000FF32", 0xFF0000},
                   {"zz0000", 0}})
        EXPECT_EQ(c.color, HexToColor(c.text)) << c.text;
}

TEST(Color, HexWithAlpha)
{
    struct Case {
        const char* text;
        TColor color;
        int alpha;
    };
    for (Case c : {Case{"00FF00", 0x00FF00, 100},
                   {"00FF0080", 0x00FF00, 128},
                   {"FFFFFF", clWhite, 100},
                   {"0000FF32", 0xFF0000, 50},
                   {"0000FF3", 0xFF0000, 100},
                   {"ABC", clBlack, 100}}) {
        int alpha = -1;
        EXPECT_EQ(c.color, HexAlphaToColor(c.text, alpha)) << c.text;
        EXPECT_EQ(c.alpha, alpha) << c.text;
    }
}

TEST(Color, TintLightensTowards245AndDarkens)
{
    EXPECT_EQ(0x123456, TintColor(0x123456, 0));
    EXPECT_EQ(MakeColor(245, 245, 245), TintColor(clBlack, 255));
    EXPECT_EQ(MakeColor(245, 245, 245), TintColor(clWhite, 255));
    // (100 * 155 + 245 * 100) / 255 = 156.86 -> 157; (0 * 155 + 24500) / 255 = 96.08 -> 96
    EXPECT_EQ(MakeColor(157, 96, 96), TintColor(MakeColor(100, 0, 0), 100));
    EXPECT_EQ(clBlack, TintColor(clWhite, -255));
    // 200 * 155 / 255 = 121.57 -> 122
    EXPECT_EQ(MakeColor(122, 0, 0), TintColor(MakeColor(200, 0, 0), -100));
}

TEST(Color, LightenRoundsUp)
{
    // (10 * 255 + 255) / 256 = 10.96 -> 11; (0 * 255 + 255) / 256 -> 1
    EXPECT_EQ(MakeColor(11, 1, 255), LightenColor(MakeColor(10, 0, 255), 1));
    EXPECT_EQ(clWhite, LightenColor(MakeColor(3, 100, 200), 255));
}

TEST(Color, PercentScalesOrGreysBlack)
{
    EXPECT_EQ(0x123456, ColorPercent(0x123456, 100));
    EXPECT_EQ(0x123456, ColorPercent(0x123456, 150));
    // 5 * 50 / 100 = 2.5 -> 2 (ties to even); 7 * 50 / 100 = 3.5 -> 4
    EXPECT_EQ(MakeColor(2, 4, 100), ColorPercent(MakeColor(5, 7, 200), 50));
    EXPECT_EQ(clBlack, ColorPercent(clBlack, 100));
    // (1 - 0.5) * 255 = 127.5 -> 128
    EXPECT_EQ(MakeColor(128, 128, 128), ColorPercent(clBlack, 50));
    EXPECT_EQ(clWhite, ColorPercent(clBlack, 0));
}

TEST(Color, SystemColoursResolveToPlainOnes)
{
    EXPECT_EQ(0x123456, ResolveSystemColor(0x123456));
    EXPECT_EQ(clWhite, ResolveSystemColor(static_cast<TColor>(0xFF000005))); // window
    EXPECT_EQ(clBlack, ResolveSystemColor(static_cast<TColor>(0xFF000008))); // window text
}
