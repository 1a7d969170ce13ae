#include "gallery/ProjectValues.h"

#include "util/TextCodec.h"

#include <cmath>

namespace qor {

namespace {

struct TNamedColor {
    std::string_view Name;
    uint32_t Value;
};

constexpr TNamedColor NamedColors[] = {
    {"clBlack", 0x00000000}, {"clMaroon", 0x00000080}, {"clGreen", 0x00008000},
    {"clOlive", 0x00008080}, {"clNavy", 0x00800000}, {"clPurple", 0x00800080},
    {"clTeal", 0x00808000}, {"clGray", 0x00808080}, {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF}, {"clLime", 0x0000FF00}, {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000}, {"clFuchsia", 0x00FF00FF}, {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF}, {"clMoneyGreen", 0x00C0DCC0}, {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF}, {"clMedGray", 0x00A4A0A0}, {"clActiveBorder", 0xFF00000A},
    {"clActiveCaption", 0xFF000002}, {"clAppWorkSpace", 0xFF00000C},
    {"clBackground", 0xFF000001}, {"clBtnFace", 0xFF00000F}, {"clBtnHighlight", 0xFF000014},
    {"clBtnShadow", 0xFF000010}, {"clBtnText", 0xFF000012}, {"clCaptionText", 0xFF000009},
    {"clDefault", 0x20000000}, {"clGradientActiveCaption", 0xFF00001B},
    {"clGradientInactiveCaption", 0xFF00001C}, {"clGrayText", 0xFF000011},
    {"clHighlight", 0xFF00000D}, {"clHighlightText", 0xFF00000E}, {"clHotLight", 0xFF00001A},
    {"clInactiveBorder", 0xFF00000B}, {"clInactiveCaption", 0xFF000003},
    {"clInactiveCaptionText", 0xFF000013}, {"clInfoBk", 0xFF000018},
    {"clInfoText", 0xFF000017}, {"clMenu", 0xFF000004}, {"clMenuBar", 0xFF00001E},
    {"clMenuHighlight", 0xFF00001D}, {"clMenuText", 0xFF000007}, {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0xFF000000}, {"cl3DDkShadow", 0xFF000015}, {"cl3DLight", 0xFF000016},
    {"clWindow", 0xFF000005}, {"clWindowFrame", 0xFF000006}, {"clWindowText", 0xFF000008},
};

constexpr int ExponentBias = 16383;

} // namespace

std::array<uint8_t, 10> EncodeExtended(long double value)
{
    std::array<uint8_t, 10> out{};
    uint16_t signExp = std::signbit(value) ? 0x8000 : 0;
    uint64_t significand = 0;
    long double magnitude = std::fabs(value);
    if (std::isnan(value)) {
        signExp |= 0x7FFF;
        significand = 0xC000000000000000ull;
    } else if (std::isinf(value)) {
        signExp |= 0x7FFF;
        significand = 0x8000000000000000ull;
    } else if (magnitude != 0) {
        int exponent;
        long double fraction = std::frexp(magnitude, &exponent); // magnitude = fraction * 2^exponent
        int biased = exponent - 1 + ExponentBias;
        if (biased <= 0) { // too small for a normal number: denormal with exponent field 0
            significand = static_cast<uint64_t>(std::ldexp(magnitude, ExponentBias - 1 + 63));
        } else {
            significand = static_cast<uint64_t>(std::ldexp(fraction, 64));
            signExp |= static_cast<uint16_t>(biased);
        }
    }
    for (int i = 0; i < 8; ++i) out[i] = static_cast<uint8_t>(significand >> (8 * i));
    out[8] = static_cast<uint8_t>(signExp);
    out[9] = static_cast<uint8_t>(signExp >> 8);
    return out;
}

long double DecodeExtended(const uint8_t* bytes)
{
    uint64_t significand = 0;
    for (int i = 7; i >= 0; --i) significand = (significand << 8) | bytes[i];
    uint16_t signExp = static_cast<uint16_t>(bytes[8] | (bytes[9] << 8));
    int exponent = signExp & 0x7FFF;
    long double value;
    if (exponent == 0x7FFF) {
        value = (significand << 1) == 0 ? HUGE_VALL : NAN;
    } else {
        // A denormal (exponent field 0) has the same scale as the smallest normal number.
        int scale = (exponent == 0 ? 1 : exponent) - ExponentBias - 63;
        value = std::ldexp(static_cast<long double>(significand), scale);
    }
    return (signExp & 0x8000) ? -value : value;
}

std::optional<std::string_view> ColorToIdent(TColor color)
{
    for (const TNamedColor& named : NamedColors)
        if (static_cast<TColor>(named.Value) == color) return named.Name;
    return std::nullopt;
}

std::optional<TColor> IdentToColor(std::string_view name)
{
    std::string lower = AsciiLower(name);
    for (const TNamedColor& named : NamedColors)
        if (AsciiLower(named.Name) == lower) return static_cast<TColor>(named.Value);
    return std::nullopt;
}

} // namespace qor
