#include "ImagingTestSupport.h"

#include <cstring>

namespace qortest {

qor::TBmpScan RandomPicture(std::mt19937& random, int32_t width, int32_t height)
{
    std::uniform_int_distribution<int> byte(0, 255);
    return PictureOf(width, height, [&](int32_t, int32_t) {
        return qor::TTriple{static_cast<uint8_t>(byte(random)), static_cast<uint8_t>(byte(random)),
                            static_cast<uint8_t>(byte(random))};
    });
}

qor::TBmpScan PictureOf(int32_t width, int32_t height,
                        const std::function<qor::TTriple(int32_t x, int32_t y)>& pixel)
{
    qor::TBmpScan picture(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            picture.Scan(y)[x] = pixel(x, y);
    return picture;
}

qor::TBmpScan UniformPicture(int32_t width, int32_t height, qor::TTriple colour)
{
    return PictureOf(width, height, [colour](int32_t, int32_t) { return colour; });
}

testing::AssertionResult SamePicture(const qor::TBmpScan& expected, const qor::TBmpScan& actual)
{
    if (expected.Width() != actual.Width() || expected.Height() != actual.Height() ||
        expected.BitsPerPixel() != actual.BitsPerPixel())
        return testing::AssertionFailure()
               << "size " << actual.Width() << "x" << actual.Height() << "@"
               << actual.BitsPerPixel() << " instead of " << expected.Width() << "x"
               << expected.Height() << "@" << expected.BitsPerPixel();
    size_t rowBytes = (static_cast<size_t>(expected.Width()) * expected.BitsPerPixel() + 7) / 8;
    for (int32_t y = 0; y < expected.Height(); ++y) {
        const uint8_t* e = expected.Row(y);
        const uint8_t* a = actual.Row(y);
        for (size_t i = 0; i < rowBytes; ++i)
            if (e[i] != a[i])
                return testing::AssertionFailure()
                       << "byte " << i << " of row " << y << " is " << int(a[i]) << " instead of "
                       << int(e[i]) << " (picture " << expected.Width() << "x" << expected.Height()
                       << ")";
    }
    return testing::AssertionSuccess();
}

} // namespace qortest
