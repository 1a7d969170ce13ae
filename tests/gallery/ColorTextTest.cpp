#include "gallery/ColorText.h"

#include <gtest/gtest.h>

namespace {

using namespace qor;

struct TColorCase {
    const char* Text;
    const char* Hex;
    const char* Rgb;
    const char* Rgba;
};

class ColorTextForms : public testing::TestWithParam<TColorCase> {};

TEST_P(ColorTextForms, GiveHexRgbAndRgba)
{
    EXPECT_EQ(HexOf(GetParam().Text), GetParam().Hex);
    EXPECT_EQ(RgbOf(GetParam().Text), GetParam().Rgb);
    EXPECT_EQ(RgbaOf(GetParam().Text), GetParam().Rgba);
}

INSTANTIATE_TEST_SUITE_P(
    ColorText, ColorTextForms,
    testing::Values(TColorCase{"FFFFFF", "FFFFFF", "255,255,255", "255,255,255,1.00"},
                    TColorCase{"0000FF32", "0000FF", "0,0,255", "0,0,255,0.50"},
                    TColorCase{"FF8000", "FF8000", "255,128,0", "255,128,0,1.00"},
                    TColorCase{"80808000", "808080", "128,128,128", "128,128,128,0.00"},
                    TColorCase{"ff800014", "ff8000", "255,128,0", "255,128,0,0.20"},
                    TColorCase{"", "", "0,0,0", "0,0,0,1.00"},
                    TColorCase{"GG10", "GG10", "0,16,0", "0,16,0,1.00"},
                    TColorCase{"-1-1-132", "-1-1-1", "0,0,0", "0,0,0,0.50"},
                    TColorCase{" F+F10", " F+F10", "0,0,16", "0,0,16,1.00"}));

TEST(ColorText, OnlyHexadecimalDigitsMakeAColourText)
{
    EXPECT_TRUE(IsColorText(""));
    EXPECT_TRUE(IsColorText("09afAF64"));
    for (const char* text : {"-F-F-F", "FFFFF ", "+FFFFF", "FFF'});", "0x1234", "FFFFFG"})
        EXPECT_FALSE(IsColorText(text)) << text;
}

TEST(ColorText, OpacityNeedsEightCharacters)
{
    EXPECT_EQ(ColorTextOpacity("FFFFFF6"), 100);
    EXPECT_EQ(ColorTextOpacity("FFFFFF64"), 100);
    EXPECT_EQ(ColorTextOpacity("FFFFFF32xyz"), 50);
}

TEST(ColorText, ColourValueIsRedInTheLowByte)
{
    EXPECT_EQ(HexOfColor(0), "000000");
    EXPECT_EQ(HexOfColor(0x0000FF), "FF0000");
    EXPECT_EQ(HexOfColor(0x123456), "563412");
    EXPECT_EQ(HexOfColor(static_cast<TColor>(0xFF0A0B0C)), "0C0B0A");
}

} // namespace
