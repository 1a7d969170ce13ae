#include "app/widgets/ColorValue.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(ColorValue, TextsOfColourAndOpacity)
{
    struct Case {
        const char* text;
        TColorValue value;
        const char* rgb;
        const char* rgba;
    };
    const Case cases[] = {
        {"FFFFFF64", {255, 255, 255, 100}, "FFFFFF", "FFFFFF64"},
        {"10000014", {16, 0, 0, 20}, "100000", "10000014"},
        {"8080001E", {128, 128, 0, 30}, "808000", "8080001E"},
        {"FF9900", {255, 153, 0, 100}, "FF9900", "FF990064"},
        {"ff990000", {255, 153, 0, 0}, "FF9900", "FF990000"},
        {"ZZ990032", {0, 153, 0, 50}, "009900", "00990032"},
        {"FFFFFFFF", {255, 255, 255, 100}, "FFFFFF", "FFFFFF64"}, // opacity beyond 100
    };
    for (const Case& c : cases) {
        TColorValue v = TColorValue::FromText(c.text);
        EXPECT_EQ(v, c.value) << c.text;
        EXPECT_EQ(v.RgbText(), c.rgb) << c.text;
        EXPECT_EQ(v.RgbaText(), c.rgba) << c.text;
    }
}

TEST(ColorValue, ColourValuesAreBlueGreenRed)
{
    TColorValue v = TColorValue::FromColor(0x00C0B0A0);
    EXPECT_EQ(v, (TColorValue{0xA0, 0xB0, 0xC0, 100}));
    EXPECT_EQ(v.Color(), 0x00C0B0A0);
    EXPECT_EQ(v.RgbText(), "A0B0C0");
}

TEST(ColorValue, OpacitySurvivesTheAlphaChannel)
{
    for (int opacity = 0; opacity <= 100; ++opacity)
        EXPECT_EQ(OpacityOfAlpha(AlphaOfOpacity(opacity)), opacity);
    EXPECT_EQ(AlphaOfOpacity(100), 255);
    EXPECT_EQ(AlphaOfOpacity(50), 128);
    EXPECT_EQ(AlphaOfOpacity(0), 0);
    EXPECT_EQ(OpacityOfAlpha(255), 100);
    EXPECT_EQ(OpacityOfAlpha(127), 50);
}

} // namespace
} // namespace qor
