// The pictures compiled into the program: "IMGREADING", the 200 x 200 placeholder shown while a
// thumbnail loads (a green square with a dark shadow at its lower right), and "SWFEXIT_BTN", a
// button face. Both are PNG data.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace qor {

// The data stored under the name, or an empty span.
std::span<const uint8_t> EmbeddedPicture(std::string_view name);

} // namespace qor
