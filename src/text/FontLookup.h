// Finds the font files that draw a family, through fontconfig.
#pragma once

#include <string>
#include <vector>

namespace qor {

struct TFontFile {
    std::string Path;
    int Index = 0; // face inside a collection file
    // The style asked for; a file without it gets the style drawn in (emboldened, slanted).
    bool Bold = false;
    bool Italic = false;

    bool operator==(const TFontFile&) const = default;
};

// The files to draw a family with, best first: the family itself when it is installed (or a
// generic name such as "sans-serif"), then sans faces that cover Japanese and then any sans,
// so that a missing family or a missing character still gets glyphs. Throws when the
// system has no font at all.
std::vector<TFontFile> FontChain(const std::string& family, bool bold, bool italic);

} // namespace qor
