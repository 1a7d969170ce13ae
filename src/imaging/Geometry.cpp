#include "imaging/Geometry.h"

#include "imaging/Rounding.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace qor {

TRect FitRect(int32_t width, int32_t height, int32_t boxWidth, int32_t boxHeight)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    double s = std::min(double(boxWidth) / width, double(boxHeight) / height);
    return {0, 0, std::max(1, RoundEven(width * s)), std::max(1, RoundEven(height * s))};
}

TSize AspectCropSize(int32_t width, int32_t height, int32_t aspectWidth, int32_t aspectHeight)
{
    if (aspectWidth <= 0 || aspectHeight <= 0) return {width, height};
    long double x = static_cast<long double>(aspectHeight) * width / aspectWidth;
    if (x >= height) {
        long double w = static_cast<long double>(aspectWidth) * height / aspectHeight;
        return {std::min(width, RoundEven(w)), height};
    }
    return {width, std::min(height, RoundEven(x))};
}

TRect CenteredCrop(int32_t width, int32_t height, int32_t aspectWidth, int32_t aspectHeight)
{
    TSize crop = AspectCropSize(width, height, aspectWidth, aspectHeight);
    int32_t left = (width - crop.Width) / 2, top = (height - crop.Height) / 2;
    return {left, top, left + crop.Width, top + crop.Height};
}

void ApplyAspect(TRect& rect, int32_t aspectWidth, int32_t aspectHeight)
{
    if (rect.Left > rect.Right) std::swap(rect.Left, rect.Right);
    if (rect.Top > rect.Bottom) std::swap(rect.Top, rect.Bottom);
    if (aspectWidth <= 0 || aspectHeight <= 0 || rect.Width() <= 0 || rect.Height() <= 0) return;
    long double a = static_cast<long double>(aspectWidth) / aspectHeight;
    long double root = std::sqrt(static_cast<long double>(rect.Width()) * rect.Height() / a);
    rect.Bottom = rect.Top + RoundEven(root);
    rect.Right = rect.Left + RoundEven(root * a);
}

TRect PlaceCentered(int32_t width, int32_t height, TRect box)
{
    int32_t x, y;
    if (box.Width() < width || box.Height() < height) {
        TRect fit = FitRect(width, height, box.Width(), box.Height());
        width = fit.Right;
        height = fit.Bottom;
        x = RoundEven((box.Width() - width) / 2.0);
        y = RoundEven((box.Height() - height) / 2.0);
    } else {
        x = (box.Width() - width) / 2;
        y = (box.Height() - height) / 2;
    }
    return {box.Left + x, box.Top + y, box.Left + x + width, box.Top + y + height};
}

TRect MapRect(TRect rect, TRect from, TRect to)
{
    if (from.Width() == 0 || from.Height() == 0) return {};
    auto mapX = [&](int32_t x) {
        return to.Left + RoundEven(double(x - from.Left) * to.Width() / from.Width());
    };
    auto mapY = [&](int32_t y) {
        return to.Top + RoundEven(double(y - from.Top) * to.Height() / from.Height());
    };
    return {mapX(rect.Left), mapY(rect.Top), mapX(rect.Right), mapY(rect.Bottom)};
}

TRect KeepInside(TRect rect, TRect bounds)
{
    int32_t dx = rect.Left < bounds.Left     ? bounds.Left - rect.Left
                 : rect.Right > bounds.Right ? bounds.Right - rect.Right
                                             : 0;
    int32_t dy = rect.Top < bounds.Top         ? bounds.Top - rect.Top
                 : rect.Bottom > bounds.Bottom ? bounds.Bottom - rect.Bottom
                                               : 0;
    return {rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
}

bool IsCropInside(TRect rect, int32_t width, int32_t height)
{
    return rect.IsValid() && rect.Left >= 0 && rect.Top >= 0 && rect.Right <= width &&
           rect.Bottom <= height;
}

} // namespace qor
