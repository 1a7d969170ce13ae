// Helpers shared by the imaging tests: random pictures, pictures from a pixel function, and
// comparisons that say where two pictures differ.
#pragma once

#include "imaging/TBmpScan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>

namespace qortest {

qor::TBmpScan RandomPicture(std::mt19937& random, int32_t width, int32_t height);
qor::TBmpScan PictureOf(int32_t width, int32_t height,
                        const std::function<qor::TTriple(int32_t x, int32_t y)>& pixel);
qor::TBmpScan UniformPicture(int32_t width, int32_t height, qor::TTriple colour);

// Success when both pictures have the same size and bytes; otherwise names the first difference.
testing::AssertionResult SamePicture(const qor::TBmpScan& expected, const qor::TBmpScan& actual);

inline bool operator==(qor::TTriple a, qor::TTriple b)
{
    return a.b == b.b && a.g == b.g && a.r == b.r;
}

} // namespace qortest
