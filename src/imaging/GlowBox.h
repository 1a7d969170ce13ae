// A filled box with a soft glow around it, over a background taken from a picture: the thumbnail
// backgrounds of the gallery (black mask colour; grey, aqua and red glows).
#pragma once

#include "imaging/Color.h"
#include "imaging/TBmpScan.h"

namespace qor {

struct TPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct TGlowBoxParams {
    int32_t Width = 0; // the box
    int32_t Height = 0;
    TColor BoxColor = clWhite;
    TColor MaskColor = clBlack;
    double Sigma = 1;
    int32_t Margin = 0; // glow space on each side of the box
    TPoint Position;    // where the box's top left corner sits on the source
    TColor GlowColor = clBlack;
    TPoint MaskOffset; // shift of the glow against the box
};

// A new 24-bit picture of (Width + 2 Margin) x (Height + 2 Margin).
TBmpScan GlowBox(const TGlowBoxParams& params, const TBmpScan& source);

} // namespace qor
