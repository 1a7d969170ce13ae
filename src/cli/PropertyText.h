// Published properties as text, for the command line's show and set: one "Name=Value" line
// per property, with the characters that would break a line written as escapes.
#pragma once

#include "gallery/ComQorCSS.h"
#include "gallery/PublishedProps.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace qor {

// A setting the command line cannot apply; what() is the message for the user.
class ESettingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Backslash, U+0019, tab, CR and LF as \\, \x19, \t, \r, \n.
std::string EscapePropText(std::string_view text);
// The inverse; throws ESettingError on an unknown escape.
std::string UnescapePropText(std::string_view text);

// Strings as they are, integers and colours in decimal, Booleans true/false, extended
// values in the shortest text that reads back the same (not escaped).
std::string FormatPropValue(const TPublishedProp& prop, const TComQorCSS1& settings);
// Every published property in declaration order, then AttrLS[i]= and Descriptions[i]= lines.
std::string FormatAllProps(const TComQorCSS1& settings);

// Applies "Name=Value", "List+=line", "List=" (clears) or "List[i]=line"; the value is
// escaped text. Throws ESettingError with a message naming the problem.
void ApplySetting(TComQorCSS1& settings, std::string_view assignment);

} // namespace qor
