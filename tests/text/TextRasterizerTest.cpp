#include "text/TextRasterizer.h"
#include "text/FontLookup.h"
#include "text/TFontFace.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <thread>

using namespace qor;

namespace {

TFont Font(const std::string& name, int height = 16)
{
    TFont font;
    font.Name = name;
    font.Height = height;
    return font;
}

// Sum of all coverage values: how much ink a text has.
uint64_t Ink(const TCoverageMask& mask)
{
    return std::accumulate(mask.Bytes.begin(), mask.Bytes.end(), uint64_t{0});
}

TTextRasterizer& Rasterizer()
{
    return TTextRasterizer::ForThisThread();
}

bool FirstFaceHas(const std::string& family, uint32_t codepoint)
{
    FT_Library library = nullptr;
    FT_Init_FreeType(&library);
    bool has =
        TFontFace(library, FontChain(family, false, false).front(), 16).HasGlyphFor(codepoint);
    FT_Done_FreeType(library);
    return has;
}

} // namespace

TEST(TextRasterizer, InstalledFamilyComesFirst)
{
    std::vector<TFontFile> chain = FontChain("IPAGothic", false, false);
    ASSERT_FALSE(chain.empty());
    EXPECT_EQ(std::filesystem::canonical(chain.front().Path).filename(), "ipag.ttf");
    EXPECT_NE(FontChain("DejaVu Sans", false, false).front(), chain.front());
}

TEST(TextRasterizer, MissingFamilyFallsBackToJapaneseSans)
{
    std::vector<TFontFile> chain = FontChain("Meiryo UI", false, false);
    EXPECT_EQ(chain, FontChain("", false, false));
    EXPECT_TRUE(FirstFaceHas("Meiryo UI", U'ギ'));
}

TEST(TextRasterizer, GenericFamilyIsAccepted)
{
    EXPECT_EQ(FontChain("sans-serif", false, false).front(), FontChain("", false, false).back());
}

TEST(TextRasterizer, BoldOnARegularOnlyFontIsEmboldened)
{
    EXPECT_GT(Ink(Rasterizer().RenderLine({"IPAGothic", 16, 0, true}, "Qorika")),
              Ink(Rasterizer().RenderLine(Font("IPAGothic"), "Qorika")) * 11 / 10);
}

TEST(TextRasterizer, LatinTextLiesInsideItsLine)
{
    TFont font = Font("DejaVu Sans");
    TCoverageMask mask = Rasterizer().RenderLine(font, "Hello");
    ASSERT_FALSE(mask.IsEmpty());
    EXPECT_GT(Ink(mask), 0u);
    EXPECT_GE(mask.Left, 0);
    EXPECT_GE(mask.Top, 0);
    EXPECT_LE(mask.Left + mask.Width, Rasterizer().LineWidth(font, "Hello") + 1);
    EXPECT_LE(mask.Top + mask.Height, Rasterizer().LineHeight(font));
}

TEST(TextRasterizer, CoverageIsAntiAliased)
{
    TCoverageMask mask = Rasterizer().RenderLine(Font("DejaVu Sans", 20), "Os");
    bool partial = false, full = false;
    for (uint8_t value : mask.Bytes) {
        partial = partial || (value > 0 && value < 255);
        full = full || value == 255;
    }
    EXPECT_TRUE(partial);
    EXPECT_TRUE(full);
}

TEST(TextRasterizer, JapaneseRendersRealGlyphsNotBoxes)
{
    for (const char* family : {"IPAGothic", "DejaVu Sans", "Meiryo UI"}) {
        TCoverageMask gi = Rasterizer().RenderLine(Font(family), "ギ");
        TCoverageMask ya = Rasterizer().RenderLine(Font(family), "ャ");
        ASSERT_GT(Ink(gi), 0u) << family;
        ASSERT_GT(Ink(ya), 0u) << family;
        // Missing glyphs all show the same box; real ones differ from each other.
        EXPECT_NE(gi.Bytes, ya.Bytes) << family;
    }
}

TEST(TextRasterizer, WidthGrowsWithTheText)
{
    TFont font = Font("DejaVu Sans");
    int ii = Rasterizer().LineWidth(font, "ii");
    int ww = Rasterizer().LineWidth(font, "WW");
    EXPECT_GT(ii, 0);
    EXPECT_LT(ii, ww);
    EXPECT_LT(Rasterizer().LineWidth(font, "WW"), Rasterizer().LineWidth(font, "WWW"));
    EXPECT_EQ(Rasterizer().LineWidth(font, ""), 0);
}

TEST(TextRasterizer, TabMovesToTheNextStop)
{
    TFont font = Font("DejaVu Sans");
    int stop = Rasterizer().LineWidth(font, "xxxxxxxx");
    EXPECT_NEAR(Rasterizer().LineWidth(font, "a\t"), stop, 1);
    EXPECT_NEAR(Rasterizer().LineWidth(font, "\tx"), stop + Rasterizer().LineWidth(font, "x"), 1);
}

TEST(TextRasterizer, LargerFontsHaveTallerLines)
{
    EXPECT_LT(Rasterizer().LineHeight(Font("IPAGothic", 12)),
              Rasterizer().LineHeight(Font("IPAGothic", 24)));
    EXPECT_LT(Rasterizer().Ascent(Font("IPAGothic", 24)),
              Rasterizer().LineHeight(Font("IPAGothic", 24)));
}

TEST(TextRasterizer, ItalicSlantsTheGlyphs)
{
    TFont italic = Font("IPAGothic");
    italic.Italic = true;
    EXPECT_NE(Rasterizer().RenderLine(italic, "l").Bytes,
              Rasterizer().RenderLine(Font("IPAGothic"), "l").Bytes);
}

TEST(TextRasterizer, InvalidUtf8StillDraws)
{
    const std::string invalid = "a\xff\xfe"
                                "b";
    EXPECT_GT(Ink(Rasterizer().RenderLine(Font("DejaVu Sans"), invalid)),
              Ink(Rasterizer().RenderLine(Font("DejaVu Sans"), "ab")));
}

TEST(TextRasterizer, EveryThreadDrawsTheSame)
{
    const char* text = "Created by QorikaHTML5ギャラリー";
    TCoverageMask here = Rasterizer().RenderLine(Font("Meiryo UI", 12), text);
    TCoverageMask there[2];
    std::thread first([&] { there[0] = Rasterizer().RenderLine(Font("Meiryo UI", 12), text); });
    std::thread second([&] { there[1] = Rasterizer().RenderLine(Font("Meiryo UI", 12), text); });
    first.join();
    second.join();
    for (const TCoverageMask& mask : there) {
        EXPECT_EQ(mask.Bytes, here.Bytes);
        EXPECT_EQ(mask.Left, here.Left);
        EXPECT_EQ(mask.Width, here.Width);
    }
}
