// One font file opened with FreeType at one pixel height, with its HarfBuzz shaper.
#pragma once

#include "text/FontLookup.h"
#include "text/TCoverageMask.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <hb.h>

#include <cstdint>

namespace qor {

class TFontFace {
public:
    TFontFace(FT_Library library, const TFontFile& file, int pixelHeight);
    ~TFontFace();
    TFontFace(const TFontFace&) = delete;
    TFontFace& operator=(const TFontFace&) = delete;

    bool HasGlyphFor(uint32_t codepoint) const;
    hb_font_t* Shaper() const { return FShaper; }
    // Line metrics in whole pixels: from the top of a line to its baseline, and the line's
    // whole height.
    int Ascent() const;
    int LineHeight() const;
    // The anti-aliased glyph with its pen at (penX, baseline) in 26.6 fixed point; the mask
    // is placed in whole pixels relative to the same origin.
    TCoverageMask RenderGlyph(uint32_t glyph, int32_t penX, int32_t baseline) const;

private:
    FT_Face FFace = nullptr;
    hb_font_t* FShaper = nullptr;
    bool FEmbolden = false;
    bool FSlant = false;
};

} // namespace qor
