// The value encodings of the project file's object stream: tags, the 80-bit extended float
// and the named colours.
#pragma once

#include "gallery/ComQorCSS.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qor {

enum TValueTag : uint8_t {
    vaNull = 0x00,
    vaList = 0x01,
    vaInt8 = 0x02,
    vaInt16 = 0x03,
    vaInt32 = 0x04,
    vaExtended = 0x05,
    vaString = 0x06,
    vaIdent = 0x07,
    vaFalse = 0x08,
    vaTrue = 0x09,
    vaLString = 0x0C,
    vaNil = 0x0D,
    vaWString = 0x12,
    vaInt64 = 0x13,
    vaUTF8String = 0x14,
    vaDouble = 0x15,
};

// 64-bit significand with explicit integer bit, then 16 bits of sign and biased exponent.
std::array<uint8_t, 10> EncodeExtended(long double value);
long double DecodeExtended(const uint8_t* bytes);

// The name of a colour value that has one ("clBlack" for 0), or none.
std::optional<std::string_view> ColorToIdent(TColor color);
// The value of a colour name, compared without regard to letter case.
std::optional<TColor> IdentToColor(std::string_view name);

} // namespace qor
