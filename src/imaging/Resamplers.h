// Resampling a picture, or a rectangle of it, to an exact size. SmoothResize is the
// high-quality path of every slide and thumbnail; it picks one of three routines:
//   EnlargeBilinear      - enlarging both ways: centre-aligned bilinear interpolation;
//   ResampleAreaBilinear - keeping or enlarging one way: the bilinear surface averaged over each
//                          destination pixel's footprint;
//   ShrinkArea           - reducing both ways: the exact area average of the footprint.
// Their bytes are fixed to the last bit (footprints, offsets, precisions, ties to even); the
// weights of each column and row are computed once per call and the sums are formed in the
// order the formulas give, so any destination pixel equals its direct evaluation.
// The area must lie inside the source. SmoothResize and StretchFast give an empty picture for a
// wanted size of 0 and refuse any other size no picture may have (negative, or beyond the
// limits) with EImageError before any work.
#pragma once

#include "imaging/TBmpScan.h"

#include <functional>

namespace qor {

TBmpScan SmoothResize(const TBmpScan& source, int32_t width, int32_t height);
TBmpScan SmoothResize(const TBmpScan& source, TRect area, int32_t width, int32_t height);
// Nearest-neighbour: each destination pixel copies the source pixel under its centre.
TBmpScan StretchFast(const TBmpScan& source, int32_t width, int32_t height);
TBmpScan StretchFast(const TBmpScan& source, TRect area, int32_t width, int32_t height);
// FitRect's size, then SmoothResize or StretchFast.
TBmpScan FitBitmap(const TBmpScan& source, int32_t boxWidth, int32_t boxHeight, bool smooth);

TBmpScan ShrinkArea(const TBmpScan& source, TRect area, int32_t width, int32_t height);
// Row y of a width x height source as blue, green, red bytes. ShrinkAreaRows asks for the rows
// in order, each once or twice in a row, so a decoder can hand them over as it makes them.
using TSourceRows = std::function<const uint8_t*(int32_t y)>;
// ShrinkArea's bytes for a source given row by row; both sizes must shrink.
TBmpScan ShrinkAreaRows(int32_t sourceWidth, int32_t sourceHeight, const TSourceRows& sourceRow,
                        int32_t width, int32_t height);
TBmpScan ResampleAreaBilinear(const TBmpScan& source, TRect area, int32_t width, int32_t height);
// Empty for an empty area.
TBmpScan EnlargeBilinear(const TBmpScan& source, TRect area, int32_t width, int32_t height);

} // namespace qor
