// The colour forms the writers put into pages and style sheets. A colour text is six
// hexadecimal digits RRGGBB, optionally followed by two digits AA, the opacity in percent
// (a text of fewer than eight characters is opaque, 100). A pair of characters that are not
// both hexadecimal digits (a sign or a blank included), or missing, reads as 0.
#pragma once

#include "gallery/ComQorCSS.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

struct TRgb {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
};

// True when every character is a hexadecimal digit: the only texts written into a page or
// style sheet as colours (the empty text is the unset colour).
bool IsColorText(std::string_view text);
TRgb ColorTextRgb(std::string_view text);
int ColorTextOpacity(std::string_view text);

// "FFFFFF64" -> "FFFFFF"
std::string HexOf(std::string_view text);
// "FF8000" -> "255,128,0"
std::string RgbOf(std::string_view text);
// "0000FF32" -> "0,0,255,0.50"
std::string RgbaOf(std::string_view text);
// A colour value 0x00BBGGRR as "RRGGBB" (upper case).
std::string HexOfColor(TColor color);
TRgb ColorValueRgb(TColor color);

} // namespace qor
