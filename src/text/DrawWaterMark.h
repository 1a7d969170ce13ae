// The watermark the gallery build stamps on every slide picture before it is written.
#pragma once

#include "imaging/Color.h"
#include "imaging/TBmpScan.h"
#include "text/TFont.h"

#include <string>

namespace qor {

// Where the watermark goes: 0 bottom right, 1 bottom centre, 2 bottom left, 3 top right,
// 4 top centre, 5 (and any other value) top left.
enum TWaterMarkPosition { wmBottomRight, wmBottomCenter, wmBottomLeft, wmTopRight, wmTopCenter };

// The font of the watermark text box as designed: Meiryo UI, 12 pixels, white, regular.
TFont WaterMarkFont();
// The shadow colour the build uses: red 21, green 0, blue 0.
inline constexpr TColor WaterMarkShadowColor = 21;

// Draws the text 4 pixels inside the chosen corner (3 from the top or bottom) at 85 %
// opacity over a shadow of 40 % strength, one pixel right and down, blurred with sigma 1.
// An empty text draws nothing; what falls outside the picture is clipped.
void DrawWaterMark(TBmpScan& ABitmap, const std::string& AText, const TFont& AFont, int APosition,
                   TColor AShadowColor);

} // namespace qor
