// The numbers of the crop control, free of any widget: the picture area of a control, the
// zones a pointer can grab on the crop rectangle, the rule that accepts or refuses a rectangle
// drawn on the screen, and the aspect comparison the main window uses.
#pragma once

#include "imaging/GlowBox.h" // TPoint
#include "util/TRect.h"

#include <optional>

namespace qor {

// What a press on the crop rectangle grabs.
enum TCropZone {
    czNone = 0,
    czInside = 1, // moves the rectangle
    czRight = 2,
    czBottom = 3,
    czLeft = 4,
    czTop = 5,
    czCorner = 6 // bottom right
};

TCropZone CropZoneAt(TPoint p, TRect alphaR);

// Where the picture may be drawn in a control of width x height: the whole control, or with a
// margin of 5 pixels left and right and 7 at the top and bottom.
TRect PictureArea(int width, int height, bool noShrinkCanvas);

struct TCropRules {
    int AspectWidth = 640;
    int AspectHeight = 480;
    int MinSelWidth = 20;
    int MinSelHeight = 20;
    bool KeepAspect = true;
};

// A rectangle proposed on the screen, given the aspect, kept inside the shown picture and
// clipped to it; none when it misses the picture or ends up below the smallest size.
std::optional<TRect> AcceptScreenRect(TRect q, TRect imageR, const TCropRules& rules);

// Two positive sizes have the same aspect when their fractions in lowest terms are equal.
bool SameAspect(int w1, int h1, int w2, int h2);

// The rectangle reshaped to the aspect about its own centre, keeping its area; false (and
// the rectangle untouched) for an aspect number below 1 or a rectangle that is not valid.
bool AdjustCropWithCenterFixed(TRect& rect, int aspectWidth, int aspectHeight);

// The largest rectangle of the aspect centred on point inside a width x height picture; none
// for an aspect number of 0 or less, or a point within 100 pixels of the border.
std::optional<TRect> CropAroundPoint(TPoint point, int width, int height, int aspectWidth,
                                     int aspectHeight);

} // namespace qor
