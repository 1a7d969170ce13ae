// Text on working pictures as the platform's text drawing does it: lines break at carriage
// returns and line feeds (a CR LF pair is one break), there is no word wrap, tabs expand to
// tab stops, and a line is aligned left, centred or right in its box.
#pragma once

#include "imaging/Color.h"
#include "imaging/TBmpScan.h"
#include "text/TFont.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// Text format flags. Tabs always expand, so that measuring and drawing agree; the flag is
// accepted for callers that state it.
inline constexpr uint16_t DT_LEFT = 0;
inline constexpr uint16_t DT_CENTER = 1;
inline constexpr uint16_t DT_RIGHT = 2;
inline constexpr uint16_t DT_EXPANDTABS = 64;

std::vector<std::string_view> BreakLines(std::string_view text);
// The smallest rectangle from (0, 0) that holds the text: the widest line's advance and one
// line height per line.
TRect TextRect(const TFont& font, std::string_view text);
// Draws the text from the top of the box down, each line aligned in the box by the flags, in
// the colour over what the picture shows; the picture's edges clip it.
void DrawText(TBmpScan& picture, const TFont& font, std::string_view text, TRect box,
              uint16_t flags, TColor color);

} // namespace qor
