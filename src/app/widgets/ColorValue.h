// A colour with an opacity in percent, as the colour buttons hold it, and its texts: RRGGBB
// (six upper-case hexadecimal digits) and RRGGBBAA (the opacity added as two digits).
#pragma once

#include "gallery/ComQorCSS.h" // TColor

#include <string>
#include <string_view>

namespace qor {

struct TColorValue {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    int Opacity = 100; // 0 to 100

    bool operator==(const TColorValue&) const = default;

    static TColorValue FromText(std::string_view rrggbbaa); // opaque without the AA digits
    static TColorValue FromColor(TColor color);             // 0x00BBGGRR, opaque
    std::string RgbText() const;
    std::string RgbaText() const;
    TColor Color() const;
};

// Opacity in percent to and from an 8-bit alpha, each the nearest of the other.
int AlphaOfOpacity(int opacity);
int OpacityOfAlpha(int alpha);

} // namespace qor
