// Separable Gaussian blur of a 24-bit picture in place, with integer weights
// k[d] = round(64 * e^(-d^2 / (2 sigma^2))) over the radius round(3 sigma). At the edges the
// kernel is cut off and renormalised by the weights used; nothing outside the picture is read.
#pragma once

#include "imaging/TBmpScan.h"

#include <vector>

namespace qor {

// What the user sees of a long operation: a position out of a maximum.
class TProgressIndicator {
public:
    virtual ~TProgressIndicator() = default;
    virtual void SetMax(int max) = 0;
    virtual void SetPosition(int position) = 0;
    virtual void SetVisible(bool visible) = 0;
};

std::vector<int> GaussianKernel(double sigma);
void GaussianBlur(TBmpScan& picture, TProgressIndicator* progress, double sigma);

} // namespace qor
