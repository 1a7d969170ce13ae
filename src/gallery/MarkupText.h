// Project texts placed inside the page's markup. Titles, descriptions and banners are markup
// of their own and go into element content as written; these helpers keep a text inside the
// one place that cannot hold markup: a quoted attribute value, or the page's title element.
// A text without the characters named below comes out unchanged.
#pragma once

#include <string>
#include <string_view>

namespace qor {

// For a value between double quotes: '"' becomes "&quot;".
std::string AttrValue(std::string_view text);
// For the title element, which ends at the first "</title" in any letter case: the '<' of
// that text becomes "&lt;", which the browser shows as the same character.
std::string TitleText(std::string_view text);

} // namespace qor
