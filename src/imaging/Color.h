// Colours of the system: a 32-bit value 0x00BBGGRR (red in bits 0-7, green 8-15, blue 16-23).
// System colours carry FF in the top byte. The text forms are six hexadecimal digits RRGGBB and
// eight digits RRGGBBAA whose AA is the opacity in percent; hexadecimal is written upper-case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

using TColor = int32_t;

inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBlack = 0;

struct TColorParts {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
};

TColorParts SplitColor(TColor color);
TColor MakeColor(int red, int green, int blue);
TColor InvertColor(TColor color);
// Converts between 0x00BBGGRR and 0x00RRGGBB.
TColor SwapRedBlue(TColor color);

std::string ColorToHex(TColor color);                 // "RRGGBB"
std::string ColorAlphaToHex(TColor color, int alpha); // "RRGGBBAA"
// Shorter than six characters gives white; a pair that is not hexadecimal reads as 0.
TColor HexToColor(std::string_view text);
// Alpha is 100 unless the text has eight characters; shorter than six gives black.
TColor HexAlphaToColor(std::string_view text, int& alpha);

// amount > 0 lightens towards 245, amount < 0 darkens; 0 keeps the colour.
TColor TintColor(TColor color, int amount);
// amount 1-255 moves each channel towards 255, rounding up.
TColor LightenColor(TColor color, int amount);
// Scales a colour to a percentage; black becomes a grey that lightens as the percentage falls.
TColor ColorPercent(TColor color, int percent);

// A system colour (top byte FF, index in the low byte) as the plain colour it stands for;
// plain colours are answered unchanged.
TColor ResolveSystemColor(TColor color);

} // namespace qor
