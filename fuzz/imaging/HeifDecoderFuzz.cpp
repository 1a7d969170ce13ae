// Any bytes given to the HEIF decoder (HEIC and AVIF alike) either decode to a picture within
// the size limits or fail with its EImageError; no crash, no read outside the input, no other
// exception.
#include "imaging/HeifCodec.h"
#include "imaging/ImageError.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        qor::TBmpScan picture = qor::DecodeHeif({data, size}, "fuzz.heic");
        if (!qor::IsAllowedPictureSize(picture.Width(), picture.Height())) std::abort();
    } catch (const qor::EImageError&) {
    }
    return 0;
}
