#include "LibjpegFiles.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <cstdlib>

namespace qortest {

std::string LibjpegFile(const qor::TBmpScan& picture, int quality, const TJpegSetup& setup,
                        const TJpegSetup& started)
{
    jpeg_compress_struct encoder{};
    jpeg_error_mgr error{};
    encoder.err = jpeg_std_error(&error);
    jpeg_create_compress(&encoder);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &buffer, &size);
    encoder.image_width = static_cast<JDIMENSION>(picture.Width());
    encoder.image_height = static_cast<JDIMENSION>(picture.Height());
    encoder.input_components = 3;
    encoder.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, quality, TRUE);
    setup(encoder);
    jpeg_start_compress(&encoder, TRUE);
    if (started) started(encoder);
    while (encoder.next_scanline < encoder.image_height) {
        JSAMPROW row =
            const_cast<uint8_t*>(picture.Row(static_cast<int32_t>(encoder.next_scanline)));
        jpeg_write_scanlines(&encoder, &row, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

} // namespace qortest
