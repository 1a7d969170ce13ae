// Any bytes given to the metadata stripper of copied JPEGs either fail with EImageError or
// give a stream no longer than its input that strips to itself again; nothing else may happen.
#include "imaging/ImageError.h"
#include "imaging/JpegMetadata.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> stripped;
    try {
        stripped = qor::WithoutPhotoMetadata({data, size}, "fuzz.jpg");
    } catch (const qor::EImageError&) {
        return 0;
    }
    if (stripped.size() > size) std::abort();
    if (qor::WithoutPhotoMetadata(stripped, "fuzz.jpg") != stripped) std::abort();
    return 0;
}
