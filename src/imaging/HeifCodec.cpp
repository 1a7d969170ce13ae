#include "imaging/HeifCodec.h"

#include "imaging/AlphaOverWhite.h"
#include "imaging/ColorProfile.h"
#include "imaging/ImageError.h"
#include "imaging/PictureBudget.h"
#include "util/LocalText.h"

#include <libheif/heif.h>

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

namespace qor {

namespace {

// libheif's working memory per stored pixel: the coded planes (up to four bytes for 4:4:4
// with alpha) and its interleaved RGBA copy (four more).
constexpr size_t kLibraryBytesPerPixel = 8;

struct THeifFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
    void operator()(const heif_image_handle* handle) const { heif_image_handle_release(handle); }
    void operator()(const heif_image* image) const { heif_image_release(image); }
    void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};
template <typename T> using THeifPtr = std::unique_ptr<T, THeifFree>;

class THeifReader {
public:
    THeifReader(std::span<const uint8_t> data, const std::string& name)
        : FName(name), FContext(heif_context_alloc())
    {
        if (!FContext) throw std::bad_alloc();
        Check(heif_context_read_from_memory_without_copy(FContext.get(), data.data(), data.size(),
                                                         nullptr));
    }

    TBmpScan DecodePrimary()
    {
        heif_image_handle* primary = nullptr;
        Check(heif_context_get_primary_image_handle(FContext.get(), &primary));
        THeifPtr<const heif_image_handle> handle(primary);
        int32_t width = heif_image_handle_get_width(primary);
        int32_t height = heif_image_handle_get_height(primary);
        // The stored size (ispe) is what libheif allocates before any transformation.
        int32_t storedWidth = std::max(heif_image_handle_get_ispe_width(primary), width);
        int32_t storedHeight = std::max(heif_image_handle_get_ispe_height(primary), height);
        CheckSize(storedWidth, storedHeight);
        TPictureCharge libraryMemory(size_t(storedWidth) * size_t(storedHeight) *
                                     kLibraryBytesPerPixel);
        THeifPtr<const heif_image> image(DecodeRgba(primary));
        TBmpScan picture = Composited(image.get(), width, height);
        ColorProfileOf(primary).ConvertToSrgb(picture);
        return picture;
    }

private:
    // The embedded ICC profile, if any.
    static TColorProfile ColorProfileOf(const heif_image_handle* handle)
    {
        std::vector<uint8_t> icc(heif_image_handle_get_raw_color_profile_size(handle));
        if (icc.empty() || heif_image_handle_get_raw_color_profile(handle, icc.data()).code !=
                               heif_error_Ok)
            return {};
        return TColorProfile(icc);
    }

    [[noreturn]] void Fail(const char* reason) const
    {
        throw EImageError(LocalFormat("%s: damaged HEIF file (%s)", {FName, reason}));
    }

    void Check(heif_error error) const
    {
        if (error.code != heif_error_Ok) Fail(error.message);
    }

    void CheckSize(int64_t width, int64_t height) const
    {
        if (!IsAllowedPictureSize(width, height))
            throw EImageError(LocalFormat("%s: picture size is beyond the limit", {FName}));
    }

    heif_image* DecodeRgba(const heif_image_handle* handle) const
    {
        THeifPtr<heif_decoding_options> options(heif_decoding_options_alloc());
        if (!options) throw std::bad_alloc();
        // Not strict_decoding: libheif 1.15 leaks the decoded image when strictness turns a
        // warning (an unknown colour profile value) into an error. A damaged stream fails anyway.
        options->convert_hdr_to_8bit = 1;
        heif_image* image = nullptr;
        Check(heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGBA,
                                options.get()));
        return image;
    }

    // The decoded picture must have the size the file states: libheif 1.15 keeps the coded
    // stream's own size, so a few hundred bytes could bring a picture of a hundred megapixels
    // that the stored size, checked against the limits, never claimed.
    TBmpScan Composited(const heif_image* image, int32_t width, int32_t height) const
    {
        int stride = 0;
        const uint8_t* rgba =
            heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride);
        if (heif_image_get_width(image, heif_channel_interleaved) != width ||
            heif_image_get_height(image, heif_channel_interleaved) != height)
            Fail("coded size differs from the stored size");
        if (!rgba || stride < width * 4) Fail("no RGBA plane");
        TBmpScan picture(width, height, 24, TBmpScan::TFill::None);
        for (int32_t y = 0; y < height; ++y)
            RgbaOverWhite(rgba + size_t(y) * size_t(stride), picture.Scan(y), width);
        return picture;
    }

    const std::string& FName;
    THeifPtr<heif_context> FContext;
};

} // namespace

TBmpScan DecodeHeif(std::span<const uint8_t> data, const std::string& name)
{
    return THeifReader(data, name).DecodePrimary();
}

} // namespace qor
