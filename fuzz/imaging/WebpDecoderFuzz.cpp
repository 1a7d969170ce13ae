// Any bytes given to the WebP decoder (still, animated, with an EXIF orientation) either decode
// to a picture within the size limits or fail with its EImageError; no crash, no read outside
// the input, no other exception.
#include "imaging/ImageError.h"
#include "imaging/WebpCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        qor::TBmpScan picture = qor::DecodeWebp({data, size}, "fuzz.webp");
        if (!qor::IsAllowedPictureSize(picture.Width(), picture.Height())) std::abort();
    } catch (const qor::EImageError&) {
    }
    return 0;
}
