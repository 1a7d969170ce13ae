// "Rounded" in the imaging code: to the nearest integer, ties to the even neighbour
// (2.5 gives 2, 3.5 gives 4), in the current rounding mode, which the program never changes.
#pragma once

#include <cmath>
#include <limits>

namespace qor {

// A rounded value beyond int saturates (and NaN gives 0): converting it would be undefined,
// and sizes computed from extreme settings reach there.
template <class TFloat>
int SaturatedInt(TFloat rounded)
{
    if (std::isnan(rounded)) return 0;
    if (rounded <= static_cast<TFloat>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    if (rounded >= static_cast<TFloat>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}

inline int RoundEven(double value)
{
    return SaturatedInt(std::nearbyint(value));
}

inline int RoundEven(long double value)
{
    return SaturatedInt(std::nearbyintl(value));
}

} // namespace qor
