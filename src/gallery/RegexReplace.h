// Regular-expression replacement over a whole text, as the style sheet writers rename and
// prefix selectors: Perl syntax, case-sensitive, every match from left to right without
// overlap, and "$&" in the replacement standing for the whole match.
#pragma once

#include "util/TextFile.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace qor {

class ERegexError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws ERegexError with the engine's message for a pattern or replacement it refuses.
std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement);

// The same over the lines of a text, joined with CR LF after every line and split again.
TStringList ReplaceAllInLines(const TStringList& lines, std::string_view pattern,
                              std::string_view replacement);

} // namespace qor
