// Sizes and rectangles of pictures, boxes and crops. Rounding is to nearest, ties to even.
#pragma once

#include "util/TRect.h"

#include <cstdint>

namespace qor {

struct TSize {
    int32_t Width = 0;
    int32_t Height = 0;
    bool operator==(const TSize&) const = default;
};

// (0, 0, w, h) of a picture scaled to fit a box, enlarged when small; each side at least 1.
TRect FitRect(int32_t width, int32_t height, int32_t boxWidth, int32_t boxHeight);
// The largest crop of the aspect aspectWidth : aspectHeight inside a width x height picture.
TSize AspectCropSize(int32_t width, int32_t height, int32_t aspectWidth, int32_t aspectHeight);
// That crop centred in the picture; an odd leftover pixel goes to the right or bottom.
TRect CenteredCrop(int32_t width, int32_t height, int32_t aspectWidth, int32_t aspectHeight);
// Reshapes a rectangle to an aspect about its area, keeping the top left corner.
void ApplyAspect(TRect& rect, int32_t aspectWidth, int32_t aspectHeight);
// A width x height picture placed centred in a box, fitted when it does not fit.
TRect PlaceCentered(int32_t width, int32_t height, TRect box);
// A rectangle carried from one coordinate frame to another.
TRect MapRect(TRect rect, TRect from, TRect to);
// The rectangle shifted to lie inside the bounds where it can; its size never changes.
TRect KeepInside(TRect rect, TRect bounds);
// Whether a crop can be taken: not empty and wholly inside a width x height picture.
bool IsCropInside(TRect rect, int32_t width, int32_t height);

} // namespace qor
