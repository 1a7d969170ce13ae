// Phone and web pictures written here by libheif's and libwebp's own encoders come back upright
// through their extension (any case), over white, the primary image or first frame only, turned
// once; damaged ones are refused.
#include "imaging/ImageError.h"
#include "imaging/PictureFiles.h"
#include "imaging/XEExif.h"
#include "util/LocalText.h"

#include "HeifFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <libheif/heif.h>
#include <webp/encode.h>
#include <webp/mux.h>

#include <array>
#include <functional>

using namespace qor;
using namespace qortest;

namespace {

struct TRgba {
    int r, g, b, a;
};
constexpr int Width = 64, Height = 32;
constexpr TRgba Red{255, 0, 0, 255}, Green{0, 255, 0, 255}, Blue{0, 0, 255, 255},
    Yellow{255, 255, 0, 255}, Clear{0, 0, 0, 0}, Black{0, 0, 0, 255}, White{255, 255, 255, 255};
using TQuadrants = std::array<TRgba, 4>; // top left, top right, bottom left, bottom right
constexpr TQuadrants Colours{Red, Green, Blue, Yellow}, WithClear{Red, Green, Blue, Clear},
    AllBlack{Black, Black, Black, Black};

std::vector<uint8_t> Pixels(const TQuadrants& quadrants)
{
    std::vector<uint8_t> rgba;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            TRgba c = quadrants[(y < Height / 2 ? 0 : 2) + (x < Width / 2 ? 0 : 1)];
            rgba.insert(rgba.end(), {uint8_t(c.r), uint8_t(c.g), uint8_t(c.b), uint8_t(c.a)});
        }
    return rgba;
}

std::string Heif(heif_compression_format format, const std::vector<TQuadrants>& pictures,
                 heif_orientation orientation = heif_orientation_normal)
{
    std::vector<TRgbaPicture> images;
    for (const TQuadrants& picture : pictures)
        images.push_back({Width, Height, Pixels(picture)});
    return HeifFile(format, images, orientation);
}

std::string Hevc(std::vector<TQuadrants> pictures,
                 heif_orientation orientation = heif_orientation_normal)
{
    return Heif(heif_compression_HEVC, std::move(pictures), orientation);
}

WebPData DataOf(const std::string& bytes)
{
    return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

// Lossless; several frames make an animation, an orientation an EXIF chunk (little-endian TIFF).
std::string Webp(const std::vector<TQuadrants>& frames, char orientation = 0)
{
    std::vector<std::string> stills;
    for (const TQuadrants& frame : frames) {
        std::vector<uint8_t> rgba = Pixels(frame);
        uint8_t* out = nullptr;
        size_t size = WebPEncodeLosslessRGBA(rgba.data(), Width, Height, Width * 4, &out);
        stills.emplace_back(reinterpret_cast<const char*>(out), size);
        WebPFree(out);
    }
    if (stills.size() == 1 && !orientation) return stills[0];
    std::string tiff = std::string("II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 18) +
                       orientation + std::string(7, '\0');
    WebPData image = DataOf(stills[0]), exif = DataOf(tiff);
    WebPMux* mux = stills.size() == 1 ? WebPMuxCreate(&image, 1) : WebPMuxNew();
    if (orientation) WebPMuxSetChunk(mux, "EXIF", &exif, 1);
    for (size_t i = 0; stills.size() > 1 && i < stills.size(); ++i) {
        WebPMuxFrameInfo frame{DataOf(stills[i]), 0, 0, 100, WEBP_CHUNK_ANMF};
        WebPMuxPushFrame(mux, &frame, 1);
    }
    WebPMuxAnimParams loop{0xFFFFFFFF, 0};
    if (stills.size() > 1) WebPMuxSetAnimationParams(mux, &loop);
    WebPData out;
    WebPMuxAssemble(mux, &out);
    std::string bytes(reinterpret_cast<const char*>(out.bytes), out.size);
    WebPDataClear(&out);
    WebPMuxDelete(mux);
    return bytes;
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
    int Width, Height;   // 0: the file is refused ...
    TQuadrants Expected; // over white
    const char* Refusal; // ... with this message, up to the library's own words
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
    {"alpha.webp",    [] { return Webp({WithClear}); }, 64, 32, {Red, Green, Blue, White}},
    {"turned.WEBP",   [] { return Webp({Colours}, 6); }, 32, 64, {Blue, Red, Yellow, Green}},
    {"animated.webp", [] { return Webp({Colours, AllBlack}); }, 64, 32, Colours},
    {"cut.heic",      [] { std::string b = Hevc({Colours}); return b.substr(0, b.size() / 2); },
                      0, 0, {}, "%s: damaged HEIF file (%s)"},
    {"huge.heic",     [] { return ClaimingSide(Hevc({Colours}), 20000); },
                      0, 0, {}, "%s: picture size is beyond the limit"},
    {"cut.webp",      [] { std::string b = Webp({Colours}); return b.substr(0, b.size() / 2); },
                      0, 0, {}, "%s: damaged WebP file (%s)"},
};
// clang-format on

} // namespace

TEST(HeifWebpCodecs, DecodeUprightOverWhiteOnceAndRefuseDamage)
{
    qortest::TempDir dir;
    for (const TCase& c : Cases) {
        SCOPED_TRACE(c.FileName);
        std::filesystem::path file = dir.Write(c.FileName, c.Write());
        EXPECT_EQ(ExifOrientation(file), 1); // nothing left for the loaders to turn
        if (c.Refusal) {
            std::string expected = LocalFormat(c.Refusal, {file.string(), ""});
            try {
                LoadPicture(file);
                ADD_FAILURE() << "decoded";
            } catch (const EImageError& e) {
                EXPECT_TRUE(
                    std::string(e.what()).starts_with(expected.substr(0, expected.find('('))))
                    << e.what();
            }
            continue;
        }
        TBmpScan picture = LoadPicture(file);
        ASSERT_EQ(picture.Width(), c.Width);
        ASSERT_EQ(picture.Height(), c.Height);
        for (int q = 0; q < 4; ++q) { // at each quadrant's centre, within the lossy codecs' stray
            TTriple p = picture.Scan((q / 2 * 2 + 1) * c.Height / 4)[(q % 2 * 2 + 1) * c.Width / 4];
            TRgba e = c.Expected[q];
            EXPECT_LE(std::max({abs(p.r - e.r), abs(p.g - e.g), abs(p.b - e.b)}), 24)
                << "quadrant " << q << ": " << int(p.r) << "," << int(p.g) << "," << int(p.b);
        }
    }
}
