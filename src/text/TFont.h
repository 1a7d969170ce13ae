// A font as the text routines take it: a family name, a pixel height, a colour and a style.
// An unknown family falls back to an installed sans that covers Japanese.
#pragma once

#include <cstdint>
#include <string>

namespace qor {

struct TFont {
    std::string Name;
    int Height = 12;   // pixels per em, taken within 1 to 4096
    int32_t Color = 0; // 0x00BBGGRR; the top byte is ignored
    bool Bold = false;
    bool Italic = false;

    bool operator==(const TFont&) const = default;
};

} // namespace qor
