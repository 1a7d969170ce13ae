// The text rasteriser: measures and renders lines of UTF-8 text in a font with FreeType,
// fontconfig and HarfBuzz. FreeType objects must not be shared between threads, so every
// thread has its own rasteriser with its own open faces (ForThisThread).
#pragma once

#include "text/TCoverageMask.h"
#include "text/TFont.h"

#include <map>
#include <memory>
#include <string_view>
#include <tuple>
#include <vector>

namespace qor {

class TFontFace;
struct TFontFile;

class TTextRasterizer {
public:
    TTextRasterizer();
    ~TTextRasterizer();
    TTextRasterizer(const TTextRasterizer&) = delete;
    TTextRasterizer& operator=(const TTextRasterizer&) = delete;

    static TTextRasterizer& ForThisThread();

    // Line metrics of the font in whole pixels: the baseline's distance from the line's
    // top, and the height of one line.
    int Ascent(const TFont& font);
    int LineHeight(const TFont& font);
    // The advance width of one line (no line breaks inside), in whole pixels, rounded up.
    int LineWidth(const TFont& font, std::string_view line);
    // The coverage of one line with its pen starting at (0, 0), the top of the line.
    TCoverageMask RenderLine(const TFont& font, std::string_view line);

private:
    using TFaceKey = std::tuple<std::string, int, int, bool, bool>;
    using TChainKey = std::tuple<std::string, int, bool, bool>;
    struct TChain {
        std::vector<const TFontFace*> Faces;
        int32_t TabStop = 0; // 26.6
    };

    const TChain& ChainFor(const TFont& font);
    const TFontFace& FaceFor(const TFontFile& file, int pixelHeight);

    struct TLibrary;
    std::unique_ptr<TLibrary> FLibrary;
    std::map<TFaceKey, std::unique_ptr<TFontFace>> FFaces;
    std::map<TChainKey, TChain> FChains;
};

} // namespace qor
