// Any bytes given to the GIF decoder either decode to a picture within the size limits (or
// none, for a zero-sized frame) or fail with its EImageError; nothing else may happen.
#include "imaging/GifCodec.h"
#include "imaging/ImageError.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        qor::TBmpScan picture = qor::DecodeGif({data, size}, "fuzz.gif");
        if (!picture.Empty() && !qor::IsAllowedPictureSize(picture.Width(), picture.Height()))
            std::abort();
    } catch (const qor::EImageError&) {
    }
    return 0;
}
