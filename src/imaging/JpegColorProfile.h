// The ICC profile a JPEG file embeds in its APP2 "ICC_PROFILE" segments, for the decoders.
// KeepJpegColorProfile, before jpeg_read_header and inside the decoder's setjmp frame, keeps
// those segments; JpegColorProfile reads them after the header and before the decoder finishes
// or aborts, which frees them. CMYK and YCCK pictures answer no profile: they are converted
// to RGB as they always were.
#pragma once

#include "imaging/ColorProfile.h"
#include "imaging/JpegErrorManager.h"

namespace qor {

void KeepJpegColorProfile(jpeg_decompress_struct& decoder);
// No profile when the file has none or its segments do not fit together.
TColorProfile JpegColorProfile(jpeg_decompress_struct& decoder, TJpegError& error);

} // namespace qor
