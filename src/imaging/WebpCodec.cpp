#include "imaging/WebpCodec.h"

#include "imaging/AlphaOverWhite.h"
#include "imaging/ColorProfile.h"
#include "imaging/ImageError.h"
#include "imaging/Orientation.h"
#include "imaging/PictureBudget.h"
#include "imaging/XEExif.h"
#include "util/LocalText.h"

#include <webp/decode.h>
#include <webp/demux.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace qor {

namespace {

// libwebp's working memory per frame pixel: its RGBA output and, for lossless data, its ARGB
// working copy.
constexpr size_t kLibraryBytesPerPixel = 8;

struct TDemuxFree {
    void operator()(WebPDemuxer* demux) const { WebPDemuxDelete(demux); }
};

struct TFrameFree {
    void operator()(WebPIterator* frame) const { WebPDemuxReleaseIterator(frame); }
};

class TWebpReader {
public:
    TWebpReader(std::span<const uint8_t> data, const std::string& name) : FName(name)
    {
        WebPData whole{data.data(), data.size()};
        FDemux.reset(WebPDemux(&whole));
        if (!FDemux) Fail("not a complete WebP file");
    }

    TBmpScan DecodeUpright()
    {
        TBmpScan picture = DecodeFirstFrame();
        ColorProfile().ConvertToSrgb(picture);
        int orientation = Orientation();
        if (orientation == 1) return picture;
        TBmpScan upright = TransformOrientation(picture, orientation);
        if (upright.Empty()) throw std::bad_alloc();
        return upright;
    }

private:
    [[noreturn]] void Fail(const char* reason) const
    {
        throw EImageError(LocalFormat("%s: damaged WebP file (%s)", {FName, reason}));
    }

    void CheckSize(int64_t width, int64_t height) const
    {
        if (!IsAllowedPictureSize(width, height))
            throw EImageError(LocalFormat("%s: picture size is beyond the limit", {FName}));
    }

    // The canvas, white, with the first frame composited at its offset.
    TBmpScan DecodeFirstFrame() const
    {
        int32_t width = static_cast<int32_t>(WebPDemuxGetI(FDemux.get(), WEBP_FF_CANVAS_WIDTH));
        int32_t height = static_cast<int32_t>(WebPDemuxGetI(FDemux.get(), WEBP_FF_CANVAS_HEIGHT));
        CheckSize(width, height);
        WebPIterator frame{};
        if (!WebPDemuxGetFrame(FDemux.get(), 1, &frame)) Fail("no frame");
        std::unique_ptr<WebPIterator, TFrameFree> frameHeld(&frame);
        CheckSize(frame.width, frame.height);
        TPictureCharge libraryMemory(size_t(frame.width) * size_t(frame.height) *
                                     kLibraryBytesPerPixel);
        WebPDecoderConfig config;
        if (!WebPInitDecoderConfig(&config)) Fail("library version mismatch");
        config.output.colorspace = MODE_RGBA;
        VP8StatusCode status = WebPDecode(frame.fragment.bytes, frame.fragment.size, &config);
        std::unique_ptr<WebPDecBuffer, decltype(&WebPFreeDecBuffer)> output(&config.output,
                                                                            WebPFreeDecBuffer);
        if (status != VP8_STATUS_OK) Fail(StatusText(status));
        TBmpScan canvas(width, height);
        Draw(config.output, frame.x_offset, frame.y_offset, canvas);
        return canvas;
    }

    static void Draw(const WebPDecBuffer& output, int32_t left, int32_t top, TBmpScan& canvas)
    {
        const WebPRGBABuffer& rgba = output.u.RGBA;
        int32_t width = std::min(output.width, canvas.Width() - left);
        int32_t height = std::min(output.height, canvas.Height() - top);
        for (int32_t y = 0; y < height; ++y)
            RgbaOverWhite(rgba.rgba + size_t(y) * size_t(rgba.stride), canvas.Scan(top + y) + left,
                          width);
    }

    // The embedded ICC profile, if any.
    TColorProfile ColorProfile() const
    {
        WebPChunkIterator chunk{};
        if (!WebPDemuxGetChunk(FDemux.get(), "ICCP", 1, &chunk)) return {};
        TColorProfile profile(std::span<const uint8_t>(chunk.chunk.bytes, chunk.chunk.size));
        WebPDemuxReleaseChunkIterator(&chunk);
        return profile;
    }

    // The EXIF chunk holds TIFF data; some writers keep the "Exif" header of a JPEG segment.
    int Orientation() const
    {
        WebPChunkIterator chunk{};
        if (!WebPDemuxGetChunk(FDemux.get(), "EXIF", 1, &chunk)) return 1;
        std::span<const uint8_t> tiff(chunk.chunk.bytes, chunk.chunk.size);
        static constexpr uint8_t kJpegHeader[] = {'E', 'x', 'i', 'f', 0, 0};
        if (tiff.size() >= sizeof kJpegHeader &&
            std::memcmp(tiff.data(), kJpegHeader, sizeof kJpegHeader) == 0)
            tiff = tiff.subspan(sizeof kJpegHeader);
        int orientation = TiffOrientation(tiff);
        WebPDemuxReleaseChunkIterator(&chunk);
        return orientation;
    }

    static const char* StatusText(VP8StatusCode status)
    {
        switch (status) {
        case VP8_STATUS_OUT_OF_MEMORY:
            throw std::bad_alloc();
        case VP8_STATUS_NOT_ENOUGH_DATA:
            return "unexpected end of data";
        case VP8_STATUS_UNSUPPORTED_FEATURE:
            return "unsupported feature";
        default:
            return "bad bitstream";
        }
    }

    const std::string& FName;
    std::unique_ptr<WebPDemuxer, TDemuxFree> FDemux;
};

} // namespace

TBmpScan DecodeWebp(std::span<const uint8_t> data, const std::string& name)
{
    return TWebpReader(data, name).DecodeUpright();
}

} // namespace qor
