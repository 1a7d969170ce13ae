// Any bytes given to the HEIF decoder (HEIC and AVIF alike) either decode to a picture of the
// size the file states for its primary image, within the size limits, or fail with its
// EImageError; no crash, no read outside the input, no other exception.
#include "imaging/HeifCodec.h"
#include "imaging/ImageError.h"

#include <libheif/heif.h>

#include <cstdlib>

namespace {

// The size libheif reads from the file's boxes for the primary image; 0 × 0 when it cannot.
std::pair<int, int> StatedSize(const uint8_t* data, size_t size)
{
    std::pair<int, int> stated{0, 0};
    heif_context* context = heif_context_alloc();
    heif_image_handle* primary = nullptr;
    if (heif_context_read_from_memory_without_copy(context, data, size, nullptr).code == 0 &&
        heif_context_get_primary_image_handle(context, &primary).code == 0) {
        stated = {heif_image_handle_get_width(primary), heif_image_handle_get_height(primary)};
        heif_image_handle_release(primary);
    }
    heif_context_free(context);
    return stated;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        qor::TBmpScan picture = qor::DecodeHeif({data, size}, "fuzz.heic");
        if (!qor::IsAllowedPictureSize(picture.Width(), picture.Height())) std::abort();
        if (StatedSize(data, size) != std::pair{picture.Width(), picture.Height()}) std::abort();
    } catch (const qor::EImageError&) {
    }
    return 0;
}
