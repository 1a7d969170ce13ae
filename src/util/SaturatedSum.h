// Sums of settings read from files, which may hold any 32-bit value: added up wide and held to
// the 32-bit range, so an extreme project gives an extreme size (which the writers show or
// refuse), never an overflow.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>

namespace qor {

inline int32_t SaturatedSum(std::initializer_list<int64_t> terms)
{
    int64_t sum = 0;
    for (int64_t term : terms)
        sum += term;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

} // namespace qor
