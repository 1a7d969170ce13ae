// Any bytes given to the PNG decoder either decode to a picture within the size limits or fail
// with its EImageError; no crash, no read outside the input, no other exception.
#include "imaging/ImageError.h"
#include "imaging/PngCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        qor::TBmpScan picture = qor::DecodePng({data, size}, "fuzz.png");
        if (!qor::IsAllowedPictureSize(picture.Width(), picture.Height())) std::abort();
    } catch (const qor::EImageError&) {
    }
    return 0;
}
