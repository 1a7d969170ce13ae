// Phone and web pictures, written here by libheif's and libwebp's own encoders: each comes
// back upright through the file's extension (any case), its transparency over white, the
// primary image or first frame only, its orientation applied once; damaged files are refused.
#include "imaging/ImageError.h"
#include "imaging/PictureFiles.h"
#include "imaging/XEExif.h"
#include "util/LocalText.h"
#include "util/PictureExtensions.h"

#include "ImagingTestSupport.h"
#include "support/TempDir.h"

#include <libheif/heif.h>
#include <webp/encode.h>
#include <webp/mux.h>

#include <array>
#include <cstdlib>
#include <functional>

using namespace qor;
using namespace qortest;

namespace {

struct TRgba {
    uint8_t r, g, b, a;
};

constexpr int32_t Width = 64, Height = 32;
constexpr TRgba Red{255, 0, 0, 255}, Green{0, 255, 0, 255}, Blue{0, 0, 255, 255},
    Yellow{255, 255, 0, 255}, Clear{0, 0, 0, 0}, Black{0, 0, 0, 255}, White{255, 255, 255, 255};
using TQuadrants = std::array<TRgba, 4>; // top left, top right, bottom left, bottom right
constexpr TQuadrants Colours{Red, Green, Blue, Yellow};
constexpr TQuadrants WithClear{Red, Green, Blue, Clear};
constexpr TQuadrants AllBlack{Black, Black, Black, Black};

std::vector<uint8_t> Pixels(const TQuadrants& quadrants)
{
    std::vector<uint8_t> rgba;
    for (int32_t y = 0; y < Height; ++y)
        for (int32_t x = 0; x < Width; ++x) {
            TRgba c = quadrants[(y < Height / 2 ? 0 : 2) + (x < Width / 2 ? 0 : 1)];
            rgba.insert(rgba.end(), {c.r, c.g, c.b, c.a});
        }
    return rgba;
}

heif_error AppendBytes(heif_context*, const void* data, size_t size, void* out)
{
    auto* bytes = static_cast<std::string*>(out);
    bytes->append(static_cast<const char*>(data), size);
    return {heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

void Expect(heif_error error)
{
    ASSERT_EQ(error.code, heif_error_Ok) << error.message;
}

// Each picture one image, the first primary, all stored with the orientation in irot/imir.
std::string Heif(heif_compression_format format, std::vector<TQuadrants> pictures,
                 heif_orientation orientation = heif_orientation_normal)
{
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    Expect(heif_context_get_encoder_for_format(context, format, &encoder));
    heif_encoder_set_lossy_quality(encoder, 95);
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = orientation;
    for (const TQuadrants& picture : pictures) {
        heif_image* image = nullptr;
        Expect(heif_image_create(Width, Height, heif_colorspace_RGB, heif_chroma_interleaved_RGBA,
                                 &image));
        Expect(heif_image_add_plane(image, heif_channel_interleaved, Width, Height, 8));
        int stride = 0;
        uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
        std::vector<uint8_t> rgba = Pixels(picture);
        for (int32_t y = 0; y < Height; ++y)
            std::copy_n(rgba.data() + y * Width * 4, Width * 4, plane + y * stride);
        Expect(heif_context_encode_image(context, image, encoder, options, nullptr));
        heif_image_release(image);
    }
    std::string bytes;
    heif_writer writer{1, AppendBytes};
    Expect(heif_context_write(context, &writer, &bytes));
    heif_encoding_options_free(options);
    heif_encoder_release(encoder);
    heif_context_free(context);
    return bytes;
}

std::string Hevc(std::vector<TQuadrants> pictures,
                 heif_orientation orientation = heif_orientation_normal)
{
    return Heif(heif_compression_HEVC, std::move(pictures), orientation);
}

std::string Bytes(const WebPData& data)
{
    return std::string(reinterpret_cast<const char*>(data.bytes), data.size);
}

std::string LosslessWebp(const TQuadrants& picture)
{
    std::vector<uint8_t> rgba = Pixels(picture);
    uint8_t* out = nullptr;
    size_t size = WebPEncodeLosslessRGBA(rgba.data(), Width, Height, Width * 4, &out);
    std::string bytes(reinterpret_cast<const char*>(out), size);
    WebPFree(out);
    return bytes;
}

// A lossless WebP with an EXIF chunk whose only tag is the orientation (little-endian TIFF).
std::string WebpWithOrientation(const TQuadrants& picture, uint8_t orientation)
{
    const uint8_t tiff[] = {'I', 'I', 42, 0, 8, 0,           0, 0, 1, 0, 0x12, 0x01, 3,
                            0,   1,   0,  0, 0, orientation, 0, 0, 0, 0, 0,    0,    0};
    std::string still = LosslessWebp(picture);
    WebPData image{reinterpret_cast<const uint8_t*>(still.data()), still.size()};
    WebPData exif{tiff, sizeof tiff};
    WebPMux* mux = WebPMuxCreate(&image, 1);
    WebPMuxSetChunk(mux, "EXIF", &exif, 1);
    WebPData out;
    WebPMuxAssemble(mux, &out);
    std::string bytes = Bytes(out);
    WebPDataClear(&out);
    WebPMuxDelete(mux);
    return bytes;
}

std::string AnimatedWebp(std::vector<TQuadrants> frames)
{
    WebPAnimEncoder* encoder = WebPAnimEncoderNew(Width, Height, nullptr);
    WebPConfig config;
    WebPConfigInit(&config);
    config.lossless = 1;
    int timestamp = 0;
    for (const TQuadrants& frame : frames) {
        WebPPicture picture;
        WebPPictureInit(&picture);
        picture.width = Width, picture.height = Height, picture.use_argb = 1;
        std::vector<uint8_t> rgba = Pixels(frame);
        WebPPictureImportRGBA(&picture, rgba.data(), Width * 4);
        WebPAnimEncoderAdd(encoder, &picture, timestamp, &config);
        WebPPictureFree(&picture);
        timestamp += 100;
    }
    WebPAnimEncoderAdd(encoder, nullptr, timestamp, nullptr);
    WebPData out;
    WebPDataInit(&out);
    WebPAnimEncoderAssemble(encoder, &out);
    std::string bytes = Bytes(out);
    WebPDataClear(&out);
    WebPAnimEncoderDelete(encoder);
    return bytes;
}

std::string FirstHalf(std::string bytes)
{
    return bytes.substr(0, bytes.size() / 2);
}

// Every stored size (ispe boxes: version and flags, then width and height) set to side × side.
std::string ClaimingSide(std::string heif, uint32_t side)
{
    for (size_t at = heif.find("ispe"); at != std::string::npos; at = heif.find("ispe", at + 1))
        for (size_t i = 0; i < 8; ++i)
            heif[at + 8 + i] = static_cast<char>(side >> (24 - 8 * (i % 4)));
    return heif;
}

struct TCase {
    const char* FileName;
    std::function<std::string()> Write;
    int32_t Width, Height; // 0: the file is refused
    TQuadrants Expected;   // over white, opaque
    const char* Refusal;   // the message's English, "*" standing for the library's words
};

// clang-format off
const TCase Cases[] = {
    {"upright.HEIC",  [] { return Hevc({Colours}); }, 64, 32, Colours},
    {"turned.heic",   [] { return Hevc({Colours}, heif_orientation_rotate_90_cw); },
                      32, 64, {Blue, Red, Yellow, Green}},
    {"mirrored.heif", [] { return Hevc({Colours}, heif_orientation_flip_horizontally); },
                      64, 32, {Green, Red, Yellow, Blue}},
    {"two.heic",      [] { return Hevc({Colours, AllBlack}); }, 64, 32, Colours},
    {"alpha.Avif",    [] { return Heif(heif_compression_AV1, {WithClear}); },
                      64, 32, {Red, Green, Blue, White}},
    {"alpha.webp",    [] { return LosslessWebp(WithClear); }, 64, 32, {Red, Green, Blue, White}},
    {"turned.WEBP",   [] { return WebpWithOrientation(Colours, 6); },
                      32, 64, {Blue, Red, Yellow, Green}},
    {"animated.webp", [] { return AnimatedWebp({Colours, AllBlack}); }, 64, 32, Colours},
    {"cut.heic",      [] { return FirstHalf(Hevc({Colours})); }, 0, 0, {},
                      "%s: damaged HEIF file (%s)"},
    {"huge.heic",     [] { return ClaimingSide(Hevc({Colours}), 20000); }, 0, 0, {},
                      "%s: picture size is beyond the limit"},
    {"cut.webp",      [] { return FirstHalf(LosslessWebp(Colours)); }, 0, 0, {},
                      "%s: damaged WebP file (%s)"},
};
// clang-format on

// The lossy encoders may stray a little from a colour, even at a quadrant's centre.
constexpr int Tolerance = 24;

testing::AssertionResult Near(TRgba expected, TTriple actual)
{
    if (std::abs(expected.r - actual.r) <= Tolerance &&
        std::abs(expected.g - actual.g) <= Tolerance &&
        std::abs(expected.b - actual.b) <= Tolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "got " << int(actual.r) << "," << int(actual.g) << "," << int(actual.b) << " for "
           << int(expected.r) << "," << int(expected.g) << "," << int(expected.b);
}

// Whether the message is the expected text, a "*" in it standing for any words.
bool MatchesText(const std::string& message, const std::string& expected)
{
    size_t star = expected.find('*');
    if (star == std::string::npos) return message == expected;
    return message.starts_with(expected.substr(0, star)) &&
           message.ends_with(expected.substr(star + 1));
}

// Quadrant q (top left, top right, bottom left, bottom right) at its centre.
TTriple QuadrantCentre(const TBmpScan& picture, int q)
{
    int32_t x = (q % 2 * 2 + 1) * picture.Width() / 4, y = (q / 2 * 2 + 1) * picture.Height() / 4;
    return picture.Scan(y)[x];
}

} // namespace

TEST(HeifWebpCodecs, DecodeUprightOverWhiteOnceAndRefuseDamage)
{
    TempDir dir;
    for (const TCase& c : Cases) {
        SCOPED_TRACE(c.FileName);
        std::filesystem::path file = dir.Write(c.FileName, c.Write());
        EXPECT_EQ(ExifOrientation(file), 1); // nothing left for the loaders to turn
        if (c.Width == 0) {
            std::string expected = LocalFormat(c.Refusal, {file.string(), "*"});
            EXPECT_THROW(
                try { LoadPicture(file); } catch (const EImageError& e) {
                    EXPECT_TRUE(MatchesText(e.what(), expected)) << e.what();
                    throw;
                },
                EImageError);
            continue;
        }
        TBmpScan picture = LoadPicture(file);
        ASSERT_EQ(picture.Width(), c.Width);
        ASSERT_EQ(picture.Height(), c.Height);
        for (int q = 0; q < 4; ++q)
            EXPECT_TRUE(Near(c.Expected[q], QuadrantCentre(picture, q))) << "quadrant " << q;
    }
}

TEST(HeifWebpCodecs, EveryListedExtensionHasADecoder)
{
    ASSERT_EQ(PictureExtensions().size(), 8u);
    for (const std::string& extension : PictureExtensions())
        EXPECT_NE(DecoderForExtension(extension), nullptr) << extension;
}
