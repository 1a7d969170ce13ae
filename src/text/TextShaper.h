// Lays out one line of UTF-8 text as positioned glyphs: each character is drawn with the
// first face of the chain that has it, runs of one face are shaped by HarfBuzz (kerning,
// ligatures, marks), and tabs move the pen to the next tab stop.
#pragma once

#include "text/TFontFace.h"

#include <string_view>
#include <vector>

namespace qor {

struct TPlacedGlyph {
    const TFontFace* Face = nullptr;
    uint32_t Glyph = 0;
    int32_t X = 0; // pen position in 26.6 fixed point, from the start of the line
    int32_t Y = 0; // offset from the baseline in 26.6, downwards
};

struct TShapedLine {
    std::vector<TPlacedGlyph> Glyphs;
    int32_t Advance = 0; // the pen after the last glyph, 26.6
};

TShapedLine ShapeLine(std::string_view line, const std::vector<const TFontFace*>& chain,
                      int32_t tabStop);

} // namespace qor
