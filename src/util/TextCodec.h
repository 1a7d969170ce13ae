// Conversions between the text encodings that stored files use: UTF-8 (our strings),
// UTF-16 (counted by the project file) and Shift_JIS, code page 932 (old project files).
// Invalid input never throws: a byte or unit that does not decode becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace qor {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
// Number of UTF-16 code units of a UTF-8 text.
size_t Utf16Length(std::string_view utf8);
std::string Cp932ToUtf8(std::string_view bytes);
// Lower-cases ASCII letters only, as the system's extension and path comparisons do.
std::string AsciiLower(std::string_view text);
// A path with every byte outside letters, digits and "/-_.~" written as %XX, as file URLs
// and trash records need it.
std::string PercentEncodePath(std::string_view path);

} // namespace qor
