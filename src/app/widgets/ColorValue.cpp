#include "app/widgets/ColorValue.h"

#include "gallery/ColorText.h"
#include "util/DelphiFormat.h"

#include <algorithm>

namespace qor {

TColorValue TColorValue::FromText(std::string_view text)
{
    TRgb c = ColorTextRgb(text);
    return {c.Red, c.Green, c.Blue, std::clamp(ColorTextOpacity(text), 0, 100)};
}

TColorValue TColorValue::FromColor(TColor color)
{
    TRgb c = ColorValueRgb(color);
    return {c.Red, c.Green, c.Blue, 100};
}

std::string TColorValue::RgbText() const
{
    return Format("%.2x%.2x%.2x", {Red, Green, Blue});
}

std::string TColorValue::RgbaText() const
{
    return RgbText() + Format("%.2x", {Opacity});
}

TColor TColorValue::Color() const
{
    return static_cast<TColor>(Red | (Green << 8) | (Blue << 16));
}

int AlphaOfOpacity(int opacity)
{
    return (std::clamp(opacity, 0, 100) * 255 + 50) / 100;
}

int OpacityOfAlpha(int alpha)
{
    return (std::clamp(alpha, 0, 255) * 100 + 127) / 255;
}

} // namespace qor
