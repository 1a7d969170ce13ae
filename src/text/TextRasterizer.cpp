#include "text/TextRasterizer.h"

#include "text/FontLookup.h"
#include "text/TFontFace.h"
#include "text/TextShaper.h"

#include <algorithm>
#include <stdexcept>

namespace qor {
namespace {

// Tab stops lie every eight average character widths, as the platform's text drawing has
// them; the width of "x" stands for the average.
constexpr int TabCharacters = 8;

int HeightOf(const TFont& font)
{
    return std::clamp(font.Height, 1, 4096);
}

} // namespace

struct TTextRasterizer::TLibrary {
    FT_Library Handle = nullptr;
    TLibrary()
    {
        if (FT_Init_FreeType(&Handle) != 0) throw std::runtime_error("FreeType cannot start");
    }
    ~TLibrary() { FT_Done_FreeType(Handle); }
};

TTextRasterizer::TTextRasterizer() : FLibrary(std::make_unique<TLibrary>()) {}

TTextRasterizer::~TTextRasterizer()
{
    FChains.clear();
    FFaces.clear(); // before the library they belong to
}

TTextRasterizer& TTextRasterizer::ForThisThread()
{
    thread_local TTextRasterizer rasterizer;
    return rasterizer;
}

const TFontFace& TTextRasterizer::FaceFor(const TFontFile& file, int pixelHeight)
{
    TFaceKey key{file.Path, file.Index, pixelHeight, file.Bold, file.Italic};
    auto found = FFaces.find(key);
    if (found == FFaces.end())
        found =
            FFaces.emplace(key, std::make_unique<TFontFace>(FLibrary->Handle, file, pixelHeight))
                .first;
    return *found->second;
}

const TTextRasterizer::TChain& TTextRasterizer::ChainFor(const TFont& font)
{
    TChainKey key{font.Name, HeightOf(font), font.Bold, font.Italic};
    auto found = FChains.find(key);
    if (found != FChains.end()) return found->second;
    TChain chain;
    for (const TFontFile& file : FontChain(font.Name, font.Bold, font.Italic))
        chain.Faces.push_back(&FaceFor(file, HeightOf(font)));
    chain.TabStop = ShapeLine("x", chain.Faces, 0).Advance * TabCharacters;
    return FChains.emplace(key, std::move(chain)).first->second;
}

int TTextRasterizer::Ascent(const TFont& font)
{
    return ChainFor(font).Faces.front()->Ascent();
}

int TTextRasterizer::LineHeight(const TFont& font)
{
    return ChainFor(font).Faces.front()->LineHeight();
}

int TTextRasterizer::LineWidth(const TFont& font, std::string_view line)
{
    const TChain& chain = ChainFor(font);
    return std::max(0, (ShapeLine(line, chain.Faces, chain.TabStop).Advance + 63) >> 6);
}

TCoverageMask TTextRasterizer::RenderLine(const TFont& font, std::string_view line)
{
    const TChain& chain = ChainFor(font);
    const int32_t baseline = Ascent(font) << 6;
    std::vector<TCoverageMask> glyphs;
    for (const TPlacedGlyph& placed : ShapeLine(line, chain.Faces, chain.TabStop).Glyphs)
        glyphs.push_back(placed.Face->RenderGlyph(placed.Glyph, placed.X, baseline + placed.Y));
    return UniteMasks(glyphs);
}

} // namespace qor
