#include "text/DrawWaterMark.h"

#include "PixelChecks.h"
#include "text/TextCanvas.h"
#include "text/TextRasterizer.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace qor;
using namespace qortest;

namespace {

const std::string DefaultText = "Created by QorikaHTML5ギャラリー, Tessaro Software";
constexpr uint8_t Background = 90;

TFont Font()
{
    return {"DejaVu Sans", 14, clWhite, false, false};
}

// Width and height of the watermark's box: the text with 4 pixels left and right and 3 above
// and below.
int32_t BoxWidth(const std::string& text)
{
    return TextRect(Font(), text).Width() + 8;
}
int32_t BoxHeight(const std::string& text)
{
    return TextRect(Font(), text).Height() + 6;
}

TBmpScan Marked(int32_t width, int32_t height, int position, const std::string& text = "Qorika")
{
    TBmpScan picture = Uniform(width, height, Background);
    DrawWaterMark(picture, text, Font(), position, WaterMarkShadowColor);
    return picture;
}

// The same watermark drawn in the top left corner of a roomy picture, seen from (dx, dy).
void ExpectShiftedReference(const TBmpScan& picture, int32_t dx, int32_t dy,
                            const std::string& text)
{
    const int32_t room = 50;
    TBmpScan reference = Marked(BoxWidth(text) + room, BoxHeight(text) + room, 5, text);
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x) {
            int32_t rx = x - dx, ry = y - dy;
            bool inside = rx >= 0 && ry >= 0 && rx < reference.Width() && ry < reference.Height();
            TTriple expected =
                inside ? reference.Scan(ry)[rx] : TTriple{Background, Background, Background};
            ASSERT_TRUE(SamePixel(picture.Scan(y)[x], expected)) << x << "," << y;
        }
}

void ExpectSamePixels(const TBmpScan& picture, const TBmpScan& expected)
{
    ASSERT_EQ(picture.Width(), expected.Width());
    ASSERT_EQ(picture.Height(), expected.Height());
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x)
            ASSERT_TRUE(SamePixel(picture.Scan(y)[x], expected.Scan(y)[x])) << x << "," << y;
}

} // namespace

TEST(DrawWaterMark, TopLeftTextStartsFourRightAndThreeDown)
{
    TBmpScan picture = Marked(300, 80, 5);
    TCoverageMask ink = TTextRasterizer::ForThisThread().RenderLine(Font(), "Qorika");
    TRect bright = BoundsWhere(picture, [](const TTriple& p) { return p.g > Background + 40; });
    ASSERT_TRUE(bright.IsValid());
    EXPECT_GE(bright.Left, 4 + ink.Left);
    EXPECT_LE(bright.Left, 4 + ink.Left + 1);
    EXPECT_GE(bright.Top, 3 + ink.Top);
    EXPECT_LE(bright.Top, 3 + ink.Top + 1);
    EXPECT_LE(bright.Right, 4 + ink.Left + ink.Width);
    EXPECT_LE(bright.Bottom, 3 + ink.Top + ink.Height);
}

TEST(DrawWaterMark, TextIsWhiteAtEightyFivePercent)
{
    TBmpScan picture = Marked(300, 80, 5);
    int brightest = 0;
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x)
            brightest = std::max<int>(brightest, picture.Scan(y)[x].g);
    // Full coverage at level 217 over the background (the shadow lies below the text).
    EXPECT_LE(brightest, (255 * 217 + Background * 38) / 256);
    EXPECT_GE(brightest, (255 * 217 + 40 * 38) / 256);
}

TEST(DrawWaterMark, ShadowFallsBelowRight)
{
    TBmpScan picture = Marked(300, 80, 5);
    TRect dark = BoundsWhere(picture, [](const TTriple& p) { return p.g < Background - 5; });
    TRect bright = BoundsWhere(picture, [](const TTriple& p) { return p.g > Background + 5; });
    ASSERT_TRUE(dark.IsValid());
    EXPECT_GT(dark.Right, bright.Right);
    EXPECT_GT(dark.Bottom, bright.Bottom);
    // The shadow's red 21 tints it: red stays above green where it is strongest.
    TTriple darkest{255, 255, 255};
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x)
            if (picture.Scan(y)[x].g < darkest.g) darkest = picture.Scan(y)[x];
    EXPECT_GT(darkest.r, darkest.g);
    EXPECT_EQ(darkest.g, darkest.b);
}

TEST(DrawWaterMark, EveryPositionPutsTheBoxInItsCorner)
{
    const std::string text = "Qorika";
    const int32_t W = 301, H = 81, w = BoxWidth(text), h = BoxHeight(text);
    struct TCase {
        int Position;
        int32_t X, Y;
    };
    for (TCase c : {TCase{0, W - w, H - h},
                    {1, (W - w) / 2, H - h},
                    {2, 0, H - h},
                    {3, W - w, 0},
                    {4, (W - w) / 2, 0},
                    {5, 0, 0},
                    {9, 0, 0},
                    {-1, 0, 0}}) {
        SCOPED_TRACE(c.Position);
        ExpectShiftedReference(Marked(W, H, c.Position, text), c.X, c.Y, text);
    }
}

TEST(DrawWaterMark, BottomRightEndsFourFromTheRightAndThreeFromTheBottom)
{
    TBmpScan picture = Marked(720, 270, 0, DefaultText);
    TRect text = TextRect(Font(), DefaultText);
    TRect bright = BoundsWhere(picture, [](const TTriple& p) { return p.g > Background + 40; });
    EXPECT_LE(bright.Right, 720 - 4 + 1);
    EXPECT_GE(bright.Right, 720 - 4 - 3);
    EXPECT_LE(bright.Bottom, 270 - 3);
    EXPECT_GE(bright.Left, 720 - 4 - text.Width());
    EXPECT_GE(bright.Top, 270 - 3 - text.Height());
}

TEST(DrawWaterMark, CentreOfAnOddRoomTruncates)
{
    const std::string text = "Qorika";
    const int32_t w = BoxWidth(text);
    ExpectShiftedReference(Marked(w + 81, 60, 1, text), 40, 60 - BoxHeight(text), text);
}

TEST(DrawWaterMark, WiderThanThePictureIsClippedAtTheLeft)
{
    const int32_t w = BoxWidth(DefaultText), h = BoxHeight(DefaultText);
    // Right aligned: x = W - w is negative; centred: (W - w) / 2 truncates toward 0.
    ExpectShiftedReference(Marked(w - 100, h, 0, DefaultText), -100, 0, DefaultText);
    ExpectShiftedReference(Marked(w - 81, h, 4, DefaultText), -40, 0, DefaultText);
}

TEST(DrawWaterMark, TouchesOnlyTheAreaAroundTheText)
{
    TBmpScan picture = Marked(400, 100, 0);
    const int32_t w = BoxWidth("Qorika"), h = BoxHeight("Qorika");
    // The mask reaches 3 pixels around the text and moves 1 right and down.
    TRect changed = BoundsWhere(picture, [](const TTriple& p) { return p.g != Background; });
    EXPECT_GE(changed.Left, 400 - w + 4 - 3 + 1);
    EXPECT_GE(changed.Top, 100 - h + 3 - 3 + 1);
}

TEST(DrawWaterMark, JapaneseTextRendersWithTheDefaultFont)
{
    TBmpScan picture = Uniform(400, 60, Background);
    DrawWaterMark(picture, "ギャラリー", WaterMarkFont(), 5, WaterMarkShadowColor);
    EXPECT_GT(CountWhere(picture, [](const TTriple& p) { return p.g > Background + 60; }), 40);
}

TEST(DrawWaterMark, EmptyTextLeavesThePicture)
{
    TBmpScan picture = Marked(100, 40, 0, "");
    EXPECT_EQ(CountWhere(picture, [](const TTriple& p) { return p.g != Background; }), 0);
}

TEST(DrawWaterMark, TinyAndEmptyPicturesAreSafe)
{
    for (auto [w, h] : {std::pair{1, 1}, {3, 200}, {200, 2}}) {
        TBmpScan picture = Marked(w, h, 0, DefaultText);
        EXPECT_EQ(picture.Width(), w);
    }
    TBmpScan empty;
    DrawWaterMark(empty, DefaultText, Font(), 0, WaterMarkShadowColor);
    EXPECT_TRUE(empty.Empty());
}

TEST(DrawWaterMark, DesignedFontIsMeiryoUiWhite)
{
    TFont font = WaterMarkFont();
    EXPECT_EQ(font.Name, "Meiryo UI");
    EXPECT_EQ(font.Height, 12);
    EXPECT_EQ(font.Color, clWhite);
    EXPECT_FALSE(font.Bold || font.Italic);
    EXPECT_EQ(WaterMarkShadowColor, MakeColor(21, 0, 0));
}

TEST(DrawWaterMark, DrawsTheSameOnAnyThread)
{
    TBmpScan here = Marked(720, 270, 0, DefaultText);
    std::vector<TBmpScan> there(3);
    std::vector<std::thread> workers;
    for (TBmpScan& picture : there)
        workers.emplace_back([&picture] { picture = Marked(720, 270, 0, DefaultText); });
    for (std::thread& worker : workers)
        worker.join();
    for (const TBmpScan& picture : there)
        ExpectSamePixels(picture, here);
}
