// How the settings dialog turns settings into control values and back where a control does
// not hold the setting as it is: the "WxH" size texts, the button number of the arrow
// picture names and the frame width a polaroid thumbnail needs.
#pragma once

#include <string>
#include <string_view>

namespace qor {

std::string SizeText(int width, int height); // "720x270"
// A text of two positive integers separated by "x" (blanks around them allowed); false,
// leaving width and height alone, for any other text.
bool ParseSizeText(std::string_view text, int& width, int& height);

// The number in the first two characters of a previous-arrow file name, 0 when they are
// not a number; "07-prev.png" gives 7.
int ArrowNumber(std::string_view prevArrowFile);
std::string PrevArrowFile(int number); // "07-prev.png"
std::string NextArrowFile(int number); // "07-next.png"
// The next button number of a click on a preview: 0 to 12, then 0 again.
int NextArrowNumber(int number);
inline constexpr int kMaxArrowNumber = 12;

// A polaroid thumbnail needs a frame: width 0 becomes 2.
int ThumbBorderWidthFor(bool polaroid, int borderWidth);

} // namespace qor
