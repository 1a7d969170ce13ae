#include "imaging/Color.h"

#include "imaging/Rounding.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace qor {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Two characters read as one hexadecimal byte; anything that is not a hexadecimal pair is 0.
int HexPair(std::string_view text, size_t at)
{
    int high = HexDigit(text[at]);
    int low = HexDigit(text[at + 1]);
    return high < 0 || low < 0 ? 0 : high * 16 + low;
}

TColor HexRgb(std::string_view text)
{
    return MakeColor(HexPair(text, 0), HexPair(text, 2), HexPair(text, 4));
}

int ClampByte(double value)
{
    return std::clamp(RoundEven(value), 0, 255);
}

template <typename F> TColor MapChannels(TColor color, F f)
{
    TColorParts c = SplitColor(color);
    return MakeColor(f(c.Red), f(c.Green), f(c.Blue));
}

} // namespace

TColorParts SplitColor(TColor color)
{
    return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF};
}

TColor MakeColor(int red, int green, int blue)
{
    return red + green * 256 + blue * 65536;
}

TColor InvertColor(TColor color)
{
    return MapChannels(color, [](int c) { return 255 - c; });
}

TColor SwapRedBlue(TColor color)
{
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

std::string ColorToHex(TColor color)
{
    TColorParts c = SplitColor(color);
    char text[8];
    std::snprintf(text, sizeof text, "%.2X%.2X%.2X", c.Red, c.Green, c.Blue);
    return text;
}

std::string ColorAlphaToHex(TColor color, int alpha)
{
    char text[4];
    std::snprintf(text, sizeof text, "%.2X", alpha & 0xFF);
    return ColorToHex(color) + text;
}

TColor HexToColor(std::string_view text)
{
    return text.size() < 6 ? clWhite : HexRgb(text);
}

TColor HexAlphaToColor(std::string_view text, int& alpha)
{
    alpha = 100;
    if (text.size() < 6) return clBlack;
    if (text.size() > 7) alpha = HexPair(text, 6);
    return HexRgb(text);
}

TColor TintColor(TColor color, int amount)
{
    if (amount == 0) return color;
    if (amount > 0)
        return MapChannels(color, [amount](int c) {
            return ClampByte((c * (255.0 - amount) + 245.0 * amount) / 255.0);
        });
    return MapChannels(color, [amount](int c) { return ClampByte(c * (255.0 + amount) / 255.0); });
}

TColor LightenColor(TColor color, int amount)
{
    return MapChannels(color, [amount](int c) {
        int scaled = c * (256 - amount) + 255 * amount;
        return std::clamp((scaled + 255) / 256, 0, 255);
    });
}

TColor ColorPercent(TColor color, int percent)
{
    if (percent >= 100) return color;
    if ((color & 0xFFFFFF) == 0) {
        int grey = ClampByte((1.0 - percent / 100.0) * 255.0);
        return MakeColor(grey, grey, grey);
    }
    return MapChannels(color, [percent](int c) { return ClampByte(c * percent / 100.0); });
}

TColor ResolveSystemColor(TColor color)
{
    // The desktop's classic default palette, by system colour index.
    static constexpr std::array<TColor, 31> kSystemColors = {
        0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xF0F0F0, 0xFFFFFF, 0x000000, 0x000000,
        0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xF0F0F0,
        0x808080, 0x808080, 0x000000, 0x000000, 0xFFFFFF, 0x404040, 0xF0F0F0, 0x000000,
        0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xD77800, 0xF0F0F0};
    if ((static_cast<uint32_t>(color) >> 24) != 0xFF) return color;
    size_t index = color & 0xFF;
    return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
}

} // namespace qor
