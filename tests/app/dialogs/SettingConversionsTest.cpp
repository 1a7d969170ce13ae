#include "app/dialogs/SettingConversions.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(SizeText, WrittenAndReadBack)
{
    EXPECT_EQ(SizeText(720, 270), "720x270");
    struct Case {
        const char* text;
        bool ok;
        int width, height;
    };
    const Case cases[] = {
        {"720x270", true, 720, 270},
        {"1280x720", true, 1280, 720},
        {" 320 x 240 ", true, 320, 240},
        {"720X270", false, 5, 6},
        {"720x", false, 5, 6},
        {"x270", false, 5, 6},
        {"abc", false, 5, 6},
        {"0x270", false, 5, 6},
        {"-720x270", false, 5, 6},
        {"720x270x3", false, 5, 6},
        {"", false, 5, 6},
        {"7.5x3", false, 5, 6},
    };
    for (const Case& c : cases) {
        int w = 5, h = 6;
        EXPECT_EQ(ParseSizeText(c.text, w, h), c.ok) << c.text;
        EXPECT_EQ(w, c.width) << c.text;
        EXPECT_EQ(h, c.height) << c.text;
    }
}

TEST(ArrowFiles, NumberFromTheFirstTwoCharacters)
{
    EXPECT_EQ(ArrowNumber("07-prev.png"), 7);
    EXPECT_EQ(ArrowNumber("12-prev.png"), 12);
    EXPECT_EQ(ArrowNumber("xx.png"), 0);
    EXPECT_EQ(ArrowNumber("7-prev.png"), 0);
    EXPECT_EQ(ArrowNumber("7"), 0);
    EXPECT_EQ(ArrowNumber(""), 0);
    EXPECT_EQ(PrevArrowFile(7), "07-prev.png");
    EXPECT_EQ(NextArrowFile(11), "11-next.png");
    EXPECT_EQ(NextArrowNumber(0), 1);
    EXPECT_EQ(NextArrowNumber(11), 12);
    EXPECT_EQ(NextArrowNumber(12), 0);
}

TEST(ThumbBorderWidth, PolaroidNeedsAFrame)
{
    EXPECT_EQ(ThumbBorderWidthFor(true, 0), 2);
    EXPECT_EQ(ThumbBorderWidthFor(true, 4), 4);
    EXPECT_EQ(ThumbBorderWidthFor(false, 0), 0);
}

} // namespace
} // namespace qor
