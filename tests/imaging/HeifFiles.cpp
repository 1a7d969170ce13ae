#include "HeifFiles.h"

#include <algorithm>

// x265, the HEVC encoder behind libheif, keeps buffers of its global state until the process
// ends; the leak checker is told so, and still sees every leak of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libx265.so\n";
}

namespace qortest {

std::string HeifFile(heif_compression_format format, const std::vector<TRgbaPicture>& pictures,
                     heif_orientation orientation, const std::vector<uint8_t>& icc)
{
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_context_get_encoder_for_format(context, format, &encoder);
    heif_encoder_set_lossy_quality(encoder, 95);
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = orientation;
    for (const TRgbaPicture& picture : pictures) {
        heif_image* image = nullptr;
        heif_image_create(picture.Width, picture.Height, heif_colorspace_RGB,
                          heif_chroma_interleaved_RGBA, &image);
        heif_image_add_plane(image, heif_channel_interleaved, picture.Width, picture.Height, 8);
        int stride = 0;
        uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
        for (int y = 0; y < picture.Height; ++y)
            std::copy_n(picture.Rgba.data() + y * picture.Width * 4, picture.Width * 4,
                        plane + y * stride);
        if (!icc.empty()) heif_image_set_raw_color_profile(image, "prof", icc.data(), icc.size());
        heif_context_encode_image(context, image, encoder, options, nullptr);
        heif_image_release(image);
    }
    std::string bytes;
    heif_writer writer{1, [](heif_context*, const void* data, size_t size, void* out) {
                           static_cast<std::string*>(out)->append(static_cast<const char*>(data),
                                                                  size);
                           return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
                       }};
    heif_context_write(context, &writer, &bytes);
    heif_encoding_options_free(options);
    heif_encoder_release(encoder);
    heif_context_free(context);
    return bytes;
}

} // namespace qortest
