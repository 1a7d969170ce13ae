#include "text/TFontFace.h"

#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include <hb-ft.h>

#include <cstring>
#include <stdexcept>

namespace qor {
namespace {

// Outlines only: embedded bitmaps of small sizes would give unsmoothed, jagged text.
constexpr FT_Int32 LoadFlags = FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT;

TCoverageMask CopyBitmap(const FT_GlyphSlot slot)
{
    const FT_Bitmap& bitmap = slot->bitmap;
    TCoverageMask mask{slot->bitmap_left,
                       -slot->bitmap_top,
                       static_cast<int>(bitmap.width),
                       static_cast<int>(bitmap.rows),
                       {}};
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || mask.IsEmpty()) return {};
    mask.Bytes.resize(static_cast<size_t>(mask.Width) * mask.Height);
    for (int y = 0; y < mask.Height; ++y)
        std::memcpy(&mask.Bytes[static_cast<size_t>(y) * mask.Width],
                    bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch, mask.Width);
    return mask;
}

} // namespace

TFontFace::TFontFace(FT_Library library, const TFontFile& file, int pixelHeight)
{
    if (FT_New_Face(library, file.Path.c_str(), file.Index, &FFace) != 0)
        throw std::runtime_error("cannot open the font file " + file.Path);
    if (FT_Set_Pixel_Sizes(FFace, 0, static_cast<FT_UInt>(pixelHeight)) != 0) {
        FT_Done_Face(FFace);
        throw std::runtime_error("the font file " + file.Path + " has no size " +
                                 std::to_string(pixelHeight));
    }
    FEmbolden = file.Bold && !(FFace->style_flags & FT_STYLE_FLAG_BOLD);
    FSlant = file.Italic && !(FFace->style_flags & FT_STYLE_FLAG_ITALIC);
    FShaper = hb_ft_font_create_referenced(FFace);
    hb_ft_font_set_load_flags(FShaper, LoadFlags);
}

TFontFace::~TFontFace()
{
    hb_font_destroy(FShaper);
    FT_Done_Face(FFace);
}

bool TFontFace::HasGlyphFor(uint32_t codepoint) const
{
    return FT_Get_Char_Index(FFace, codepoint) != 0;
}

int TFontFace::Ascent() const
{
    return static_cast<int>((FFace->size->metrics.ascender + 63) >> 6);
}

int TFontFace::LineHeight() const
{
    return Ascent() + static_cast<int>((-FFace->size->metrics.descender + 63) >> 6);
}

TCoverageMask TFontFace::RenderGlyph(uint32_t glyph, int32_t penX, int32_t baseline) const
{
    if (FT_Load_Glyph(FFace, glyph, LoadFlags) != 0) return {};
    FT_GlyphSlot slot = FFace->glyph;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return {};
    if (FSlant) FT_GlyphSlot_Oblique(slot);
    if (FEmbolden) FT_GlyphSlot_Embolden(slot);
    // The pen's fraction of a pixel is kept, so glyph spacing follows the shaper exactly.
    FT_Outline_Translate(&slot->outline, penX & 63, 0);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return {};
    TCoverageMask mask = CopyBitmap(slot);
    mask.Left += penX >> 6;
    mask.Top += baseline >> 6;
    return mask;
}

} // namespace qor
