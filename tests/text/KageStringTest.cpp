#include "text/KageString.h"

#include "PixelChecks.h"
#include "imaging/Color.h"
#include "text/TextCanvas.h"
#include "text/TextRasterizer.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qor;
using namespace qortest;

namespace {

TFont Font(TColor color = clBlack, int height = 16)
{
    return {"DejaVu Sans", height, color, false, false};
}

TKageString Kage(const std::string& text, TFont font = Font())
{
    TKageString kage;
    kage.mojiFont = font;
    kage.SetText(text);
    return kage;
}

// The shadow only: a blank draws no ink, so a hand-made mask shows alone.
TKageString BlankWithMask(int width, int height, TRect body)
{
    TKageString kage = Kage(" ");
    kage.kageScan = TBmpScan(width, height, 8, TBmpScan::TFill::None);
    for (int32_t y = 0; y < height; ++y)
        std::fill(kage.kageScan.Row(y), kage.kageScan.Row(y) + width, uint8_t{255});
    kage.rKageBody = body;
    return kage;
}

struct TCentroid {
    double X = 0, Y = 0;
};

// Centre of the darkening against a background, weighted by how much darker each pixel is.
TCentroid DarkCentroid(const TBmpScan& picture, uint8_t background)
{
    double sum = 0, sx = 0, sy = 0;
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x) {
            double weight = std::max(0, background - picture.Scan(y)[x].g);
            sum += weight, sx += weight * x, sy += weight * y;
        }
    return {sx / sum, sy / sum};
}

TCentroid InkCentroid(const TCoverageMask& mask, int32_t x, int32_t y)
{
    double sum = 0, sx = 0, sy = 0;
    for (int my = 0; my < mask.Height; ++my)
        for (int mx = 0; mx < mask.Width; ++mx) {
            double weight = mask.At(mx, my);
            sum += weight, sx += weight * (x + mask.Left + mx), sy += weight * (y + mask.Top + my);
        }
    return {sx / sum, sy / sum};
}

} // namespace

TEST(KageString, EmptyTextIsPendingAndDrawsNothing)
{
    TKageString kage = Kage("");
    EXPECT_TRUE(kage.IsPending());
    kage.Prep();
    EXPECT_FALSE(kage.IsReady());
    TBmpScan picture = Uniform(40, 30, 128);
    kage.Draw(picture, {5, 5}, true);
    EXPECT_EQ(CountWhere(picture, [](const TTriple& p) { return p.g != 128; }), 0);
    EXPECT_EQ(kage.GetMojiRect(), TextRect(kage.mojiFont, " "));
    EXPECT_GT(kage.GetMojiRect().Right, 0);
}

TEST(KageString, PendingCountsTheCharactersOfAllLines)
{
    TKageString kage;
    kage.AssignText({"", ""});
    EXPECT_TRUE(kage.IsPending());
    kage.AssignText({"", "a"});
    EXPECT_FALSE(kage.IsPending());
    kage.SetText("");
    EXPECT_TRUE(kage.IsPending());
}

TEST(KageString, SetTextKeepsTheMaskAndAssignTextDiscardsIt)
{
    TKageString kage = Kage("Qorika");
    kage.Prep();
    ASSERT_TRUE(kage.IsReady());
    kage.SetText("other");
    EXPECT_TRUE(kage.IsReady());
    kage.AssignText({"other"});
    EXPECT_FALSE(kage.IsReady());
}

TEST(KageString, AlignAcceptsOnlyCentreAndRight)
{
    for (auto [value, flag] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}, {64, 0}}) {
        TKageString kage;
        kage.DrawFlag = 7;
        kage.Align(value);
        EXPECT_EQ(kage.DrawFlag, flag) << value;
    }
}

TEST(KageString, TwoLinesWithSpaceHMeasureTaller)
{
    TKageString kage;
    kage.mojiFont = Font();
    kage.AssignText({"first", "second line"});
    TRect plain = kage.GetMojiRect();
    EXPECT_EQ(plain, TextRect(Font(), "first\rsecond line"));
    kage.SpaceH = 5;
    EXPECT_EQ(kage.GetMojiRect().Bottom, plain.Bottom + 5);
    EXPECT_EQ(kage.GetMojiRect().Right, plain.Right);
}

TEST(KageString, EdgeGrowsRightAndBottomByTwo)
{
    TKageString kage = Kage("Qorika");
    TRect plain = kage.GetMojiRect();
    kage.EdgeFlag = true;
    EXPECT_EQ(kage.GetMojiRect(), (TRect{0, 0, plain.Right + 2, plain.Bottom + 2}));
}

TEST(KageString, ItalicWidthIsTheMeanWithATrailingUnderscore)
{
    TFont italic = Font();
    italic.Italic = true;
    TKageString kage = Kage("Qorika", italic);
    int32_t plain = TextRect(italic, "Qorika").Right;
    int32_t underscored = TextRect(italic, "Qorika_").Right;
    ASSERT_GT(underscored, plain);
    EXPECT_EQ(kage.GetMojiRect().Right, (plain + underscored) / 2);
}

TEST(KageString, MaskHasTheMarginAroundTheText)
{
    for (auto [spread, distance, margin] :
         {std::tuple{2, 4, 6}, {1, 2, 3}, {1, 10, 10}, {2, -9, 9}}) {
        TKageString kage = Kage("Qorika");
        kage.Spread = static_cast<uint8_t>(spread);
        kage.Distance = distance;
        kage.Prep();
        TRect text = kage.GetMojiRect();
        EXPECT_EQ(kage.kageScan.BitsPerPixel(), 8);
        EXPECT_EQ(kage.kageScan.Width(), text.Right + 2 * margin);
        EXPECT_EQ(kage.kageScan.Height(), text.Bottom + 2 * margin);
        EXPECT_EQ(kage.rKageBody,
                  (TRect{margin, margin, margin + text.Right, margin + text.Bottom}));
    }
}

TEST(KageString, MaskIsTheBlurredSilhouette)
{
    TKageString kage = Kage("Qorika", Font(clBlack, 48));
    kage.KageAlpha = 100;
    kage.Spread = 1;
    kage.Prep();
    const TBmpScan& mask = kage.kageScan;
    int darkest = 255, partial = 0;
    for (int32_t y = 0; y < mask.Height(); ++y)
        for (int32_t x = 0; x < mask.Width(); ++x) {
            darkest = std::min<int>(darkest, mask.Row(y)[x]);
            partial += mask.Row(y)[x] > darkest + 10 && mask.Row(y)[x] < 245;
        }
    EXPECT_LT(darkest, 30);
    EXPECT_GT(partial, 50); // soft edges, not a hard stencil
    EXPECT_EQ(mask.Row(0)[0], 255);
    EXPECT_EQ(mask.Row(mask.Height() - 1)[mask.Width() - 1], 255);
}

TEST(KageString, NoShadowStrengthGivesAnEmptyMask)
{
    TKageString kage = Kage("Qorika");
    kage.KageAlpha = 0;
    kage.Prep();
    ASSERT_TRUE(kage.IsReady());
    for (int32_t y = 0; y < kage.kageScan.Height(); ++y)
        for (int32_t x = 0; x < kage.kageScan.Width(); ++x)
            ASSERT_EQ(kage.kageScan.Row(y)[x], 255);
    TBmpScan shadowed = Uniform(120, 40, 200), plain = Uniform(120, 40, 200);
    kage.Draw(shadowed, {5, 5}, true);
    kage.KageON = false;
    kage.Draw(plain, {5, 5}, true);
    for (int32_t y = 0; y < 40; ++y)
        for (int32_t x = 0; x < 120; ++x)
            ASSERT_TRUE(SamePixel(shadowed.Scan(y)[x], plain.Scan(y)[x]));
}

TEST(KageString, ShadowOffsetFollowsAngleAndDistance)
{
    struct TCase {
        int Angle, Distance, X, Y;
    };
    for (TCase c : {TCase{45, 2, 1, 1},
                    {45, 4, 3, 3},
                    {0, 4, 4, 0},
                    {90, 4, 0, 4},
                    {180, 4, -4, 0},
                    {270, 4, 0, -4},
                    {135, 4, -3, 3}}) {
        TKageString kage = Kage(" ");
        kage.KageAngle = c.Angle;
        kage.Distance = c.Distance;
        TBmpScan picture = Uniform(60, 60, 128);
        kage.Draw(picture, {20, 20}, true);
        EXPECT_EQ(kage.distP.x, c.X) << c.Angle << " " << c.Distance;
        EXPECT_EQ(kage.distP.y, c.Y) << c.Angle << " " << c.Distance;
        EXPECT_EQ(kage.rCanvas.Left, 20 + c.X - kage.rKageBody.Left);
        EXPECT_EQ(kage.rCanvas.Top, 20 + c.Y - kage.rKageBody.Top);
        EXPECT_EQ(kage.rMoji.Left, kage.rKageBody.Left - c.X);
    }
}

TEST(KageString, ShadowBlendsTheColourByTheMask)
{
    TKageString kage = BlankWithMask(5, 5, {2, 2, 3, 3});
    kage.kageScan.Row(2)[2] = 100;
    kage.kageScan.Row(1)[3] = 0;
    kage.KageColor = MakeColor(200, 0, 0);
    kage.KageAlpha = 50; // shadow colour red 100, green 0, blue 0
    TBmpScan picture = Uniform(30, 30, 128);
    kage.Draw(picture, {10, 10}, true); // distP (3, 3): the mask's (0, 0) lands on (11, 11)
    TTriple centre = picture.Scan(13)[13];
    EXPECT_EQ(centre.r, (155 * 100 + 100 * 128) / 256); // 110
    EXPECT_EQ(centre.g, (100 * 128) / 256);             // 50
    EXPECT_EQ(centre.b, 50);
    TTriple full = picture.Scan(12)[14];
    EXPECT_EQ(full.r, 255 * 100 / 256); // 99
    EXPECT_EQ(full.g, 0);
    EXPECT_EQ(CountWhere(picture, [](const TTriple& p) { return p.g != 128; }), 2);
}

TEST(KageString, BlackShadowIsTheGreyOfTheStrength)
{
    TKageString kage = BlankWithMask(3, 3, {1, 1, 2, 2});
    kage.kageScan.Row(1)[1] = 0;
    kage.KageAlpha = 40; // grey 153
    TBmpScan picture = Uniform(20, 20, 0);
    kage.Draw(picture, {5, 5}, true);
    TTriple shaded = picture.Scan(8)[8];
    EXPECT_EQ(shaded.r, 255 * 153 / 256);
    EXPECT_EQ(shaded.b, 255 * 153 / 256);
}

TEST(KageString, OpaqueTextIsDrawnByCoverageAtThePosition)
{
    TKageString kage = Kage("Qorika");
    kage.KageON = false;
    TBmpScan picture = Uniform(200, 60, 255);
    kage.Draw(picture, {20, 30}, true);
    TCoverageMask ink = TTextRasterizer::ForThisThread().RenderLine(kage.mojiFont, "Qorika");
    int fullyCovered = 0;
    for (int y = 0; y < ink.Height; ++y)
        for (int x = 0; x < ink.Width; ++x) {
            int a = ink.At(x, y);
            const TTriple& p = picture.Scan(30 + ink.Top + y)[20 + ink.Left + x];
            ASSERT_EQ(p.g, (255 * (255 - a) + 127) / 255) << x << "," << y;
            fullyCovered += a == 255 && p.g == 0;
        }
    EXPECT_GT(fullyCovered, 10); // the font colour itself where the glyph covers a pixel
    EXPECT_EQ(
        BoundsWhere(picture, [](const TTriple& p) { return p.g != 255; }),
        (TRect{20 + ink.Left, 30 + ink.Top, 20 + ink.Left + ink.Width, 30 + ink.Top + ink.Height}));
}

TEST(KageString, TranslucentTextIsBlended)
{
    TKageString kage = Kage("Qorika", Font(MakeColor(0, 0, 255)));
    kage.KageON = false;
    kage.mojiAlpha = 85; // grey level 217
    TBmpScan picture = Uniform(200, 60, 255);
    kage.Draw(picture, {20, 30}, true);
    TCoverageMask ink = TTextRasterizer::ForThisThread().RenderLine(kage.mojiFont, "Qorika");
    for (int y = 0; y < ink.Height; ++y)
        for (int x = 0; x < ink.Width; ++x) {
            int u = (217 * ink.At(x, y) + 127) / 255;
            const TTriple& p = picture.Scan(30 + ink.Top + y)[20 + ink.Left + x];
            if (u == 0) continue;
            ASSERT_EQ(p.b, (255 * u + 255 * (255 - u)) / 256);
            ASSERT_EQ(p.r, (255 * (255 - u)) / 256);
        }
}

TEST(KageString, SecondaryDrawHasNoShadowAndWeakerText)
{
    TKageString kage = Kage("Qorika");
    TBmpScan normal = Uniform(200, 60, 255), secondary = Uniform(200, 60, 255);
    kage.Draw(normal, {20, 20}, true);
    kage.Draw(secondary, {20, 20}, false);
    auto darkest = [](const TBmpScan& picture) {
        int value = 255;
        for (int32_t y = 0; y < picture.Height(); ++y)
            for (int32_t x = 0; x < picture.Width(); ++x)
                value = std::min<int>(value, picture.Scan(y)[x].g);
        return value;
    };
    EXPECT_EQ(darkest(normal), 0);
    // 60 % strength: level 153, so the darkest text pixel is 255 * 102 / 256.
    EXPECT_EQ(darkest(secondary), 255 * 102 / 256);
    TRect ink = BoundsWhere(normal, [](const TTriple& p) { return p.g < 250; });
    TRect weak = BoundsWhere(secondary, [](const TTriple& p) { return p.g < 250; });
    EXPECT_GT(ink.Right, weak.Right); // the shadow reaches further right
    EXPECT_GT(ink.Bottom, weak.Bottom);
}

TEST(KageString, ShadowIsTheSilhouetteMovedByTheOffset)
{
    TKageString kage = Kage("Qorika", Font(clWhite, 24));
    kage.KageAlpha = 100;
    kage.mojiAlpha = 1; // white text on white: practically invisible, shadow alone
    TBmpScan picture = Uniform(300, 80, 255);
    kage.Draw(picture, {30, 20}, true);
    TCentroid shadow = DarkCentroid(picture, 255);
    TCentroid text =
        InkCentroid(TTextRasterizer::ForThisThread().RenderLine(kage.mojiFont, "Qorika"), 30, 20);
    EXPECT_NEAR(shadow.X - text.X, 3, 0.4);
    EXPECT_NEAR(shadow.Y - text.Y, 3, 0.4);
    // Blurred with sigma 2: the shadow reaches beyond the offset silhouette, but never
    // beyond the mask's margin.
    TRect dark = BoundsWhere(picture, [](const TTriple& p) { return p.g < 255; });
    TRect rect = kage.GetMojiRect();
    EXPECT_GE(dark.Left, kage.rCanvas.Left);
    EXPECT_LE(dark.Right, kage.rCanvas.Right);
    EXPECT_GT(dark.Bottom, 20 + rect.Bottom);
}

TEST(KageString, VerticalScrollFadesTextBelowTheLimit)
{
    TKageString kage = Kage("", Font(clBlack, 20));
    kage.AssignText({"Qorika", "second"});
    kage.KageON = false;
    TBmpScan plain = Uniform(200, 80, 255);
    kage.Draw(plain, {10, 10}, true);
    kage.ScrollType = 1;
    kage.ScrollHt = 20;
    TBmpScan faded = Uniform(200, 80, 255);
    kage.Draw(faded, {10, 10}, true);
    // The text picture starts at the text's top, so its rows beyond the limit are the target's
    // rows from 10 + 20 + 1 on.
    for (int32_t y = 0; y < 80; ++y)
        for (int32_t x = 0; x < 200; ++x) {
            int plainInk = 255 - plain.Scan(y)[x].g, fadedInk = 255 - faded.Scan(y)[x].g;
            if (y > 30)
                ASSERT_LE(fadedInk, plainInk / 5 + 2) << x << "," << y;
            else
                ASSERT_GE(fadedInk + 2, plainInk) << x << "," << y;
        }
}

TEST(KageString, ScrollLimitCutsTheShadow)
{
    TKageString kage = BlankWithMask(20, 20, {6, 6, 14, 14});
    for (int32_t y = 0; y < 20; ++y)
        std::fill(kage.kageScan.Row(y), kage.kageScan.Row(y) + 20, uint8_t{0});
    kage.Spread = 2; // margin 6
    kage.ScrollType = 2;
    kage.ScrollWd = 5; // shadow columns from 6 + 5 on are left out
    TBmpScan picture = Uniform(40, 40, 200);
    kage.Draw(picture, {10, 10}, true);
    TRect shaded = BoundsWhere(picture, [](const TTriple& p) { return p.g != 200; });
    EXPECT_EQ(shaded, (TRect{kage.rCanvas.Left, kage.rCanvas.Top, kage.rCanvas.Left + 11,
                             kage.rCanvas.Bottom}));
}

TEST(KageString, EdgeOutlinesTheGlyphs)
{
    TKageString kage = Kage("Qorika");
    kage.KageON = false;
    kage.EdgeFlag = true;
    kage.EdgeColor = MakeColor(255, 0, 0);
    TBmpScan picture = Uniform(200, 60, 255);
    kage.Draw(picture, {20, 20}, true);
    EXPECT_GT(CountWhere(picture, [](const TTriple& p) { return p.r > 200 && p.g < 60; }), 20);
    EXPECT_GT(CountWhere(picture, [](const TTriple& p) { return p.r < 60 && p.g < 60; }), 20);
}

TEST(KageString, DrawingIsClippedAtThePictureEdges)
{
    TKageString kage = Kage("Created by QorikaHTML5ギャラリー", Font(clBlack, 30));
    for (TPoint at : {TPoint{-50, -20}, TPoint{-400, 3}, TPoint{5, 8}, TPoint{100, 100}}) {
        TBmpScan picture = Uniform(12, 9, 128);
        kage.Draw(picture, at, true);
        kage.Draw(picture, at, false);
        EXPECT_EQ(picture.Width(), 12);
    }
    TBmpScan empty;
    kage.Draw(empty, {0, 0}, true);
    EXPECT_TRUE(empty.Empty());
}

TEST(KageString, CopyGivesLinesSettingsAndAnOwnMask)
{
    TKageString source = Kage("Qorika");
    source.KageColor = 21;
    source.KageAlpha = 40;
    source.KageAngle = 90;
    source.Distance = 3;
    source.Spread = 1;
    source.SpaceH = 2;
    source.TextAngle = 15;
    source.drawPos = {7, 8};
    source.mojiAlpha = 50;
    TBmpScan picture = Uniform(100, 40, 255);
    source.Draw(picture, {5, 5}, true);
    TKageString copy;
    source.Copy(copy);
    EXPECT_EQ(copy.TextLS, source.TextLS);
    EXPECT_FALSE(copy.IsPending());
    EXPECT_EQ(copy.KageColor, 21);
    EXPECT_EQ(copy.KageAlpha, 40);
    EXPECT_EQ(copy.KageAngle, 90);
    EXPECT_EQ(copy.Distance, 3);
    EXPECT_EQ(copy.Spread, 1);
    EXPECT_EQ(copy.SpaceH, 2);
    EXPECT_EQ(copy.TextAngle, 15);
    EXPECT_EQ(copy.drawPos.x, 7);
    EXPECT_EQ(copy.distP.y, source.distP.y);
    EXPECT_EQ(copy.rCanvas, source.rCanvas);
    EXPECT_EQ(copy.rKageBody, source.rKageBody);
    EXPECT_EQ(copy.mojiAlpha, 100); // not among the copied settings
    ASSERT_TRUE(copy.IsReady());
    copy.kageScan.Row(0)[0] = 7;
    EXPECT_EQ(source.kageScan.Row(0)[0], 255);
}

TEST(KageString, OnlyTwentyFourBitPicturesAreDrawnOn)
{
    TKageString kage = Kage("Qorika");
    TBmpScan alpha(40, 20, 8);
    EXPECT_THROW(kage.Draw(alpha, {0, 0}, true), std::invalid_argument);
}

TEST(KageString, TextTooLargeForAPictureDrawsNothing)
{
    TKageString kage = Kage(std::string(20000, 'W')); // some 300000 pixels wide
    kage.Prep();
    EXPECT_FALSE(kage.IsReady());
    TBmpScan picture = Uniform(50, 30, 128);
    kage.Draw(picture, {0, 0}, true);
    EXPECT_EQ(CountWhere(picture, [](const TTriple& p) { return p.g != 128; }), 0);
}

TEST(KageString, LineBreaksInsideALineAreDrawn)
{
    TKageString broken = Kage("Qorika\rsecond");
    TKageString split;
    split.mojiFont = broken.mojiFont;
    split.AssignText({"Qorika", "second"});
    ASSERT_EQ(broken.GetMojiRect(), split.GetMojiRect());
    broken.KageON = split.KageON = false;
    TBmpScan one = Uniform(200, 80, 255), two = Uniform(200, 80, 255);
    broken.Draw(one, {10, 10}, true);
    split.Draw(two, {10, 10}, true);
    for (int32_t y = 0; y < 80; ++y)
        for (int32_t x = 0; x < 200; ++x)
            ASSERT_TRUE(SamePixel(one.Scan(y)[x], two.Scan(y)[x])) << x << "," << y;
}

TEST(KageString, ShortLinesAreAlignedInTheWidestLine)
{
    const TFont font = Font(clBlack, 20);
    const int32_t lineHeight = TextRect(font, "W").Height();
    const int32_t wide = TextRect(font, "WWWWWW").Width(), narrow = TextRect(font, "W").Width();
    struct TCase {
        int Align;
        int32_t Shift; // where the short line starts, from the text's left edge
    };
    for (TCase c : {TCase{0, 0}, {1, (wide - narrow) / 2}, {2, wide - narrow}}) {
        TKageString kage;
        kage.mojiFont = font;
        kage.KageON = false;
        kage.AssignText({"WWWWWW", "W"});
        kage.Align(c.Align);
        TBmpScan picture = Uniform(300, 80, 255);
        kage.Draw(picture, {10, 5}, true);
        TBmpScan single = Uniform(300, 80, 255);
        TKageString alone = Kage("W", font);
        alone.KageON = false;
        alone.Draw(single, {10 + c.Shift, 5 + lineHeight}, true);
        for (int32_t y = 5 + lineHeight; y < 80; ++y)
            for (int32_t x = 0; x < 300; ++x)
                ASSERT_TRUE(SamePixel(picture.Scan(y)[x], single.Scan(y)[x]))
                    << c.Align << ": " << x << "," << y;
    }
}
