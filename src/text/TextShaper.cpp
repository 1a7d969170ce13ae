#include "text/TextShaper.h"

#include <memory>

namespace qor {
namespace {

struct TBufferFree {
    void operator()(hb_buffer_t* buffer) const { hb_buffer_destroy(buffer); }
};
using TBuffer = std::unique_ptr<hb_buffer_t, TBufferFree>;

struct TRun {
    const TFontFace* Face;
    unsigned Start; // byte offsets into the segment
    unsigned Length;
};

size_t FaceFor(uint32_t codepoint, const std::vector<const TFontFace*>& chain)
{
    for (size_t i = 0; i < chain.size(); ++i)
        if (chain[i]->HasGlyphFor(codepoint)) return i;
    return 0; // nobody has it: the first face shows its missing-glyph box
}

// Splits a segment into runs of one face; the code points come from HarfBuzz's own UTF-8
// decoding, which also replaces invalid bytes.
std::vector<TRun> Runs(std::string_view segment, const std::vector<const TFontFace*>& chain)
{
    TBuffer buffer(hb_buffer_create());
    hb_buffer_add_utf8(buffer.get(), segment.data(), static_cast<int>(segment.size()), 0, -1);
    unsigned count = 0;
    hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer.get(), &count);
    std::vector<TRun> runs;
    for (unsigned i = 0; i < count; ++i) {
        const TFontFace* face = chain[FaceFor(infos[i].codepoint, chain)];
        if (runs.empty() || runs.back().Face != face) runs.push_back({face, infos[i].cluster, 0});
        unsigned end = i + 1 < count ? infos[i + 1].cluster : segment.size();
        runs.back().Length = end - runs.back().Start;
    }
    return runs;
}

void ShapeRun(std::string_view segment, const TRun& run, TShapedLine& line)
{
    TBuffer buffer(hb_buffer_create());
    hb_buffer_add_utf8(buffer.get(), segment.data(), static_cast<int>(segment.size()), run.Start,
                       static_cast<int>(run.Length));
    hb_buffer_guess_segment_properties(buffer.get());
    hb_shape(run.Face->Shaper(), buffer.get(), nullptr, 0);
    unsigned count = 0;
    hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer.get(), &count);
    hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer.get(), &count);
    for (unsigned i = 0; i < count; ++i) {
        line.Glyphs.push_back({run.Face, infos[i].codepoint, line.Advance + positions[i].x_offset,
                               -positions[i].y_offset});
        line.Advance += positions[i].x_advance;
    }
}

} // namespace

TShapedLine ShapeLine(std::string_view line, const std::vector<const TFontFace*>& chain,
                      int32_t tabStop)
{
    TShapedLine shaped;
    for (size_t start = 0;;) {
        size_t tab = line.find('\t', start);
        std::string_view segment = line.substr(start, tab - start);
        for (const TRun& run : Runs(segment, chain))
            ShapeRun(segment, run, shaped);
        if (tab == std::string_view::npos) break;
        if (tabStop > 0) shaped.Advance = (shaped.Advance / tabStop + 1) * tabStop;
        start = tab + 1;
    }
    return shaped;
}

} // namespace qor
