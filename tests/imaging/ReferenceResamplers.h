// Direct evaluations of the three smooth resamplers' formulas: every destination pixel computed
// on its own from its footprint, with no tables, in the formula's order. The tests prove the
// shipped routines give these bytes; the benchmarks measure the shipped routines against them.
#pragma once

#include "imaging/TBmpScan.h"

namespace qortest {

qor::TBmpScan ReferenceShrinkArea(const qor::TBmpScan& src, int W, int H);
qor::TBmpScan ReferenceResampleAreaBilinear(const qor::TBmpScan& src, int W, int H);
qor::TBmpScan ReferenceEnlargeBilinear(const qor::TBmpScan& src, int W, int H);

} // namespace qortest
