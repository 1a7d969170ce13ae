// Any bytes given to the JPEG paths of a build (the full decoder at each scale, the band
// decoder, and the batch's band slide with its EXIF orientation, angle and crop) either decode
// within the size limits or fail with EImageError; nothing else may happen. The first eight
// bytes choose the scale, the angle and the crop; the rest is the file.
#include "imaging/BandSlide.h"
#include "imaging/ImageError.h"
#include "imaging/JpegBand.h"
#include "imaging/JpegCodec.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

constexpr size_t ChoiceBytes = 8;

void CheckSize(const qor::TBmpScan& picture)
{
    if (!picture.Empty() && !qor::IsAllowedPictureSize(picture.Width(), picture.Height()))
        std::abort();
}

// The band slide reads a file, as the batch does.
std::string WriteFile(std::span<const uint8_t> bytes)
{
    static const std::string path =
        std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/fuzz_jpeg_" +
        std::to_string(getpid()) + ".jpg";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < ChoiceBytes) return 0;
    const uint8_t* c = data;
    std::span<const uint8_t> jpeg(data + ChoiceBytes, size - ChoiceBytes);
    try {
        qor::TJpegDecodeOptions options{1 << (c[0] & 3), (c[0] & 4) != 0};
        CheckSize(qor::DecodeJpeg(jpeg, "fuzz.jpg", options));
    } catch (const qor::EImageError&) {
    }
    try {
        qor::TJpegBandReader reader(jpeg, "fuzz.jpg");
        if (reader.Supported()) {
            reader.SetScale(1 + (c[0] >> 5));
            int32_t width = reader.Width(), height = reader.Height();
            int32_t left = width * c[1] / 256, top = height * c[2] / 256;
            reader.Start({left, top, left + 1 + (width - left - 1) * c[3] / 256,
                          top + 1 + (height - top - 1) * c[4] / 256});
            CheckSize(reader.ReadBand());
        }
    } catch (const qor::EImageError&) {
    }
    try {
        qor::TBandSlideRequest request{WriteFile(jpeg), (c[5] & 3) * 90,
                                       {c[6], c[7], c[6] + 64 + c[1], c[7] + 48 + c[2]},
                                       80 + (c[3] & 63), 60 + (c[4] & 63)};
        std::optional<qor::TBmpScan> slide = qor::BandSlidePicture(request);
        if (slide) CheckSize(*slide);
    } catch (const qor::EImageError&) {
    }
    return 0;
}
