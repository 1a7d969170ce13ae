#include "app/dialogs/SettingConversions.h"

#include "util/DelphiFormat.h"

#include <cctype>
#include <charconv>

namespace qor {

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

bool PositiveNumber(std::string_view text, int& value)
{
    text = Trimmed(text);
    if (text.empty()) return false;
    int parsed = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (ec != std::errc() || end != text.data() + text.size() || parsed <= 0) return false;
    value = parsed;
    return true;
}

} // namespace

std::string SizeText(int width, int height)
{
    return Format("%dx%d", {width, height});
}

bool ParseSizeText(std::string_view text, int& width, int& height)
{
    size_t x = text.find('x');
    if (x == std::string_view::npos) return false;
    int w = 0, h = 0;
    if (!PositiveNumber(text.substr(0, x), w) || !PositiveNumber(text.substr(x + 1), h))
        return false;
    width = w;
    height = h;
    return true;
}

int ArrowNumber(std::string_view prevArrowFile)
{
    if (prevArrowFile.size() < 2) return 0;
    int value = 0;
    const char* first = prevArrowFile.data();
    if (!std::isdigit(static_cast<unsigned char>(first[0]))) return 0;
    auto [end, ec] = std::from_chars(first, first + 2, value);
    return ec == std::errc() && end == first + 2 ? value : 0;
}

std::string PrevArrowFile(int number)
{
    return Format("%.2d-prev.png", {number});
}

std::string NextArrowFile(int number)
{
    return Format("%.2d-next.png", {number});
}

int NextArrowNumber(int number)
{
    return number >= kMaxArrowNumber ? 0 : number + 1;
}

int ThumbBorderWidthFor(bool polaroid, int borderWidth)
{
    return polaroid && borderWidth == 0 ? 2 : borderWidth;
}

} // namespace qor
