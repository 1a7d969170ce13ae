#include "gallery/ColorText.h"

#include "util/DelphiFormat.h"

namespace qor {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

int HexPair(std::string_view text, size_t at)
{
    if (text.size() < at + 2) return 0;
    int high = HexDigit(text[at]);
    int low = HexDigit(text[at + 1]);
    return high < 0 || low < 0 ? 0 : high * 16 + low;
}

} // namespace

bool IsColorText(std::string_view text)
{
    for (char c : text)
        if (HexDigit(c) < 0) return false;
    return true;
}

TRgb ColorTextRgb(std::string_view text)
{
    return {HexPair(text, 0), HexPair(text, 2), HexPair(text, 4)};
}

int ColorTextOpacity(std::string_view text)
{
    return text.size() >= 8 ? HexPair(text, 6) : 100;
}

std::string HexOf(std::string_view text)
{
    return std::string(text.substr(0, 6));
}

std::string RgbOf(std::string_view text)
{
    TRgb c = ColorTextRgb(text);
    return Format("%d,%d,%d", {c.Red, c.Green, c.Blue});
}

std::string RgbaOf(std::string_view text)
{
    return RgbOf(text) + "," + Format("%2f", {ColorTextOpacity(text) / 100.0L});
}

TRgb ColorValueRgb(TColor color)
{
    auto value = static_cast<uint32_t>(color);
    return {static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
            static_cast<int>((value >> 16) & 0xFF)};
}

std::string HexOfColor(TColor color)
{
    TRgb c = ColorValueRgb(color);
    return Format("%.2x%.2x%.2x", {c.Red, c.Green, c.Blue});
}

} // namespace qor
