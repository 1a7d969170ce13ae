// "Rounded" in the imaging code: to the nearest integer, ties to the even neighbour
// (2.5 gives 2, 3.5 gives 4), in the current rounding mode, which the program never changes.
#pragma once

#include <cmath>

namespace qor {

inline int RoundEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

inline int RoundEven(long double value)
{
    return static_cast<int>(std::nearbyintl(value));
}

} // namespace qor
