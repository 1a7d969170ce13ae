#include "imaging/JpegColorProfile.h"

#include <csetjmp>
#include <cstdlib>
#include <memory>

namespace qor {

namespace {

constexpr unsigned kMaxMarkerLength = 0xFFFF;

// Only plain data lives here across setjmp: libjpeg's allocation failure jumps.
bool ReadIccSegments(jpeg_decompress_struct& decoder, TJpegError& error, JOCTET** data,
                     unsigned* size)
{
    if (setjmp(error.jump)) return false;
    return jpeg_read_icc_profile(&decoder, data, size);
}

} // namespace

void KeepJpegColorProfile(jpeg_decompress_struct& decoder)
{
    jpeg_save_markers(&decoder, JPEG_APP0 + 2, kMaxMarkerLength);
}

TColorProfile JpegColorProfile(jpeg_decompress_struct& decoder, TJpegError& error)
{
    if (decoder.jpeg_color_space == JCS_CMYK || decoder.jpeg_color_space == JCS_YCCK) return {};
    JOCTET* data = nullptr;
    unsigned size = 0;
    if (!ReadIccSegments(decoder, error, &data, &size)) return {};
    // libjpeg hands over a malloc'ed copy of the joined segments.
    std::unique_ptr<JOCTET, decltype(&std::free)> owned(data, std::free);
    return TColorProfile({data, size});
}

} // namespace qor
