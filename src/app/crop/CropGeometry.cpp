#include "app/crop/CropGeometry.h"

#include "imaging/Geometry.h"
#include "imaging/Rounding.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace qor {

namespace {

constexpr int kGrip = 8; // width of the band along an edge that grabs the edge

TRect Overlap(TRect a, TRect b)
{
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

TRect Shaped(TRect q, TRect imageR, const TCropRules& rules)
{
    if (rules.KeepAspect) ApplyAspect(q, rules.AspectWidth, rules.AspectHeight);
    return KeepInside(q, imageR);
}

} // namespace

TCropZone CropZoneAt(TPoint p, TRect r)
{
    if (p.x < r.Left || p.x >= r.Right || p.y < r.Top || p.y >= r.Bottom) return czNone;
    if (p.x >= r.Right - kGrip) return p.y < r.Bottom - kGrip ? czRight : czCorner;
    if (p.x <= r.Left + kGrip) return czLeft;
    if (p.y >= r.Bottom - kGrip) return czBottom;
    if (p.y <= r.Top + kGrip) return czTop;
    return czInside;
}

TRect PictureArea(int width, int height, bool noShrinkCanvas)
{
    if (noShrinkCanvas) return {0, 0, width, height};
    return {5, 7, width - 5, height - 7};
}

std::optional<TRect> AcceptScreenRect(TRect q, TRect imageR, const TCropRules& rules)
{
    q = Shaped(q, imageR, rules);
    if (!Overlap(q, imageR).IsValid()) return std::nullopt;
    q = Overlap(Shaped(Overlap(q, imageR), imageR, rules), imageR);
    if (q.Width() < rules.MinSelWidth || q.Height() < rules.MinSelHeight) return std::nullopt;
    return q;
}

bool SameAspect(int w1, int h1, int w2, int h2)
{
    int g1 = std::gcd(w1, h1), g2 = std::gcd(w2, h2);
    if (g1 == 0 || g2 == 0) return g1 == g2 && w1 == w2 && h1 == h2;
    return w1 / g1 == w2 / g2 && h1 / g1 == h2 / g2;
}

bool AdjustCropWithCenterFixed(TRect& rect, int aspectWidth, int aspectHeight)
{
    if (aspectWidth < 1 || aspectHeight < 1 || !rect.IsValid()) return false;
    double a = double(aspectWidth) / aspectHeight;
    double h = std::sqrt(double(rect.Width()) * rect.Height() / a);
    double cx = (rect.Left + rect.Right) / 2, cy = (rect.Top + rect.Bottom) / 2;
    rect = {RoundEven(cx - a * h / 2), RoundEven(cy - h / 2), RoundEven(cx + a * h / 2),
            RoundEven(cy + h / 2)};
    return true;
}

std::optional<TRect> CropAroundPoint(TPoint point, int width, int height, int aspectWidth,
                                     int aspectHeight)
{
    constexpr int kBorder = 100;
    if (aspectWidth <= 0 || aspectHeight <= 0) return std::nullopt;
    if (point.x < kBorder || point.y < kBorder || point.x > width - kBorder ||
        point.y > height - kBorder)
        return std::nullopt;
    double a = double(aspectWidth) / aspectHeight;
    double halfW = std::min(point.x, width - point.x);
    double halfH = std::min(point.y, height - point.y);
    if (halfW > halfH * a)
        halfW = halfH * a;
    else
        halfH = halfW / a;
    return TRect{RoundEven(point.x - halfW), RoundEven(point.y - halfH), RoundEven(point.x + halfW),
                 RoundEven(point.y + halfH)};
}

} // namespace qor
