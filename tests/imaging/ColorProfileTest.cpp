// Pictures that embed a colour profile, through the decoders and the gallery's resizer: their
// patches against colours worked out here with the standard RGB-to-XYZ matrices, and pictures
// whose profile needs no conversion against the same file without it, byte for byte.
#include "imaging/ColorProfile.h"

#include "HeifFiles.h"
#include "ImagingTestSupport.h"
#include "LibjpegFiles.h"
#include "imaging/PictureFiles.h"
#include "imaging/XEResizeCompo.h"
#include "support/TempDir.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on
#include <lcms2.h>
#include <png.h>
#include <webp/encode.h>
#include <webp/mux.h>

#include <array>
#include <cmath>
#include <vector>

using namespace qor;
using namespace qortest;
namespace fs = std::filesystem;

namespace {

using TBytes = std::vector<uint8_t>;

// An RGB space with the D65 white: its primaries for Little CMS and, for the reference, its
// standard RGB-to-XYZ matrix and transfer function.
struct TRgbSpace {
    const char* Name;
    cmsCIExyYTRIPLE Primaries;
    double Gamma; // 0 for the sRGB transfer function
    double ToXyz[3][3];
};

// clang-format off
const TRgbSpace kSrgb = {"sRGB", {{0.64, 0.33, 1}, {0.30, 0.60, 1}, {0.15, 0.06, 1}}, 0,
                         {{0.4124564, 0.3575761, 0.1804375},
                          {0.2126729, 0.7151522, 0.0721750},
                          {0.0193339, 0.1191920, 0.9503041}}};
const TRgbSpace kWideSpaces[] = {
    {"DisplayP3", {{0.680, 0.320, 1}, {0.265, 0.690, 1}, {0.150, 0.060, 1}}, 0,
     {{0.4865709, 0.2656677, 0.1982173},
      {0.2289746, 0.6917385, 0.0792869},
      {0.0000000, 0.0451134, 1.0439444}}},
    {"AdobeRGB", {{0.64, 0.33, 1}, {0.21, 0.71, 1}, {0.15, 0.06, 1}}, 563.0 / 256,
     {{0.5767309, 0.1855540, 0.1881852},
      {0.2973769, 0.6273491, 0.0752741},
      {0.0270343, 0.0706872, 0.9911085}}},
};
// clang-format on

// Two by two flat patches (blue, green, red) inside the gamut of sRGB and of each wide space.
constexpr std::array<TTriple, 4> kPatches = {
    {{80, 100, 200}, {110, 160, 120}, {190, 100, 80}, {90, 170, 180}}};

TBmpScan Patches()
{
    return PictureOf(400, 200,
                     [](int32_t x, int32_t y) { return kPatches[y / 100 * 2 + x / 200]; });
}

double Linear(const TRgbSpace& space, uint8_t level)
{
    double v = level / 255.0;
    if (space.Gamma > 0) return std::pow(v, space.Gamma);
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// CIE L*a*b* of a pixel of the space, against the D65 white.
std::array<double, 3> Lab(const TRgbSpace& space, TTriple pixel)
{
    const double rgb[3] = {Linear(space, pixel.r), Linear(space, pixel.g), Linear(space, pixel.b)};
    const double white[3] = {0.95047, 1.0, 1.08883};
    double f[3];
    for (int i = 0; i < 3; ++i) {
        const double* row = space.ToXyz[i];
        double t = (row[0] * rgb[0] + row[1] * rgb[1] + row[2] * rgb[2]) / white[i];
        f[i] = t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

// CIE76 difference between a pixel of the space and a pixel of sRGB.
double DeltaE(const TRgbSpace& space, TTriple original, TTriple srgb)
{
    std::array<double, 3> a = Lab(space, original), b = Lab(kSrgb, srgb);
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

TBytes Saved(cmsHPROFILE profile)
{
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    TBytes bytes(size);
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    return bytes;
}

// A matrix profile as cameras and editors embed it (named "RGB built-in" by Little CMS).
TBytes ProfileOf(const TRgbSpace& space)
{
    const cmsFloat64Number srgbCurve[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    cmsToneCurve* curve = space.Gamma > 0 ? cmsBuildGamma(nullptr, space.Gamma)
                                          : cmsBuildParametricToneCurve(nullptr, 4, srgbCurve);
    cmsToneCurve* curves[3] = {curve, curve, curve};
    const cmsCIExyY d65 = {0.3127, 0.3290, 1};
    TBytes bytes = Saved(cmsCreateRGBProfile(&d65, &space.Primaries, curves));
    cmsFreeToneCurve(curve);
    return bytes;
}

// Quality 100 without chroma subsampling, the profile in APP2 segments when there is one.
std::string Jpeg(const TBmpScan& picture, const TBytes& icc)
{
    return LibjpegFile(
        picture, 100,
        [](jpeg_compress_struct& encoder) {
            encoder.comp_info[0].h_samp_factor = encoder.comp_info[0].v_samp_factor = 1;
        },
        [&](jpeg_compress_struct& encoder) {
            if (!icc.empty()) jpeg_write_icc_profile(&encoder, icc.data(), unsigned(icc.size()));
        });
}

// libpng stores the profile in iCCP only when it is whole and fits the picture's colour type;
// otherwise it warns and leaves it out.
void WritePng(const fs::path& path, const TBmpScan& picture, const TBytes& icc)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr,
                                              [](png_structp, png_const_charp) {});
    png_infop info = png_create_info_struct(png);
    png_set_benign_errors(png, 1);
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(picture.Width()), png_uint_32(picture.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!icc.empty()) png_set_iCCP(png, info, "icc", 0, icc.data(), png_uint_32(icc.size()));
    png_set_bgr(png);
    png_write_info(png, info);
    for (int32_t y = 0; y < picture.Height(); ++y)
        png_write_row(png, picture.Row(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

TRgbaPicture RgbaOf(const TBmpScan& picture)
{
    TRgbaPicture rgba{picture.Width(), picture.Height(), {}};
    for (int32_t y = 0; y < picture.Height(); ++y)
        for (int32_t x = 0; x < picture.Width(); ++x) {
            TTriple pixel = picture.Scan(y)[x];
            rgba.Rgba.insert(rgba.Rgba.end(), {pixel.r, pixel.g, pixel.b, 255});
        }
    return rgba;
}

// Lossless, the profile in an ICCP chunk.
std::string Webp(const TBmpScan& picture, const TBytes& icc)
{
    TRgbaPicture rgba = RgbaOf(picture);
    uint8_t* encoded = nullptr;
    size_t size = WebPEncodeLosslessRGBA(rgba.Rgba.data(), rgba.Width, rgba.Height,
                                         rgba.Width * 4, &encoded);
    WebPData image{encoded, size}, profile{icc.data(), icc.size()}, assembled{};
    WebPMux* mux = WebPMuxNew();
    WebPMuxSetImage(mux, &image, 1);
    if (!icc.empty()) WebPMuxSetChunk(mux, "ICCP", &profile, 1);
    WebPMuxAssemble(mux, &assembled);
    std::string bytes(reinterpret_cast<const char*>(assembled.bytes), assembled.size);
    WebPDataClear(&assembled);
    WebPMuxDelete(mux);
    WebPFree(encoded);
    return bytes;
}

// The files with the profile, one per format that can embed one: "<stem>.jpg" first.
constexpr size_t kFormats = 4;
std::vector<fs::path> WriteFiles(const TempDir& dir, const std::string& stem, const TBytes& icc)
{
    std::vector<fs::path> files = {dir / (stem + ".jpg"), dir / (stem + ".png"),
                                   dir / (stem + ".webp"), dir / (stem + ".heic")};
    dir.Write(files[0].filename().string(), Jpeg(Patches(), icc));
    WritePng(files[1], Patches(), icc);
    dir.Write(files[2].filename().string(), Webp(Patches(), icc));
    dir.Write(files[3].filename().string(),
              HeifFile(heif_compression_HEVC, {RgbaOf(Patches())}, heif_orientation_normal, icc));
    return files;
}

// The slides the gallery's resizer writes for the files, decoded.
std::vector<TBmpScan> Slides(const TempDir& dir, const std::vector<fs::path>& files)
{
    TQueueDispatcher mainThread;
    TXEResizeCompo resizer(mainThread);
    resizer.AspectWidth = 200;
    resizer.AspectHeight = 100;
    resizer.ImageQuality = 95;
    resizer.SetOutDir((dir / "out").string());
    bool done = false;
    resizer.OnAllThreadEnd = [&](TXEResizeCompo&) { done = true; };
    std::vector<TResizeItem> items;
    for (const fs::path& file : files)
        items.push_back({file.string(), 0, {}});
    EXPECT_TRUE(resizer.Execute(items));
    mainThread.RunUntil([&] { return done; });
    std::vector<TBmpScan> slides;
    for (size_t n = 1; n <= files.size(); ++n)
        slides.push_back(LoadPicture(dir / ("out/img" + std::to_string(n) + ".jpg")));
    return slides;
}

void ExpectColoursOf(const TRgbSpace& space, const TBmpScan& picture, const std::string& what)
{
    ASSERT_FALSE(picture.Empty()) << what;
    for (size_t i = 0; i < kPatches.size(); ++i) {
        int32_t x = picture.Width() / 4 + int32_t(i % 2) * picture.Width() / 2;
        int32_t y = picture.Height() / 4 + int32_t(i / 2) * picture.Height() / 2;
        EXPECT_LT(DeltaE(space, kPatches[i], picture.Scan(y)[x]), 2.0) << what << " patch " << i;
    }
}

} // namespace

TEST(ColorProfile, SlidesAndListThumbnailsShowTheColoursOfAWideProfile)
{
    TempDir dir;
    std::vector<fs::path> files;
    for (const TRgbSpace& space : kWideSpaces) {
        EXPECT_TRUE(TColorProfile(ProfileOf(space)).NeedsConversion()) << space.Name;
        for (const fs::path& file : WriteFiles(dir, space.Name, ProfileOf(space)))
            files.push_back(file);
    }
    std::vector<TBmpScan> slides = Slides(dir, files);
    for (size_t n = 0; n < files.size(); ++n) {
        const TRgbSpace& space = kWideSpaces[n / kFormats];
        ExpectColoursOf(space, slides[n], "slide of " + files[n].filename().string());
        int32_t width = 50, height = 25;
        if (n % kFormats == 0)
            ExpectColoursOf(space, LoadJpegScaled(files[n], width, height),
                            "list thumbnail of " + files[n].filename().string());
    }
}

TEST(ColorProfile, PicturesWhoseProfileNeedsNoConversionKeepTheirBytes)
{
    TBytes damaged = ProfileOf(kWideSpaces[0]);
    damaged.resize(200);
    cmsToneCurve* linear = cmsBuildGamma(nullptr, 1.0);
    const struct {
        const char* Name;
        TBytes Icc;
    } profiles[] = {
        {"sRGB built-in", Saved(cmsCreate_sRGBProfile())},
        {"sRGB by its content", ProfileOf(kSrgb)},
        {"damaged", damaged},
        {"grey", Saved(cmsCreateGrayProfile(cmsD50_xyY(), linear))},
    };
    cmsFreeToneCurve(linear);
    TempDir dir;
    std::vector<fs::path> stripped = WriteFiles(dir, "stripped", {});
    for (const auto& profile : profiles) {
        EXPECT_FALSE(TColorProfile(profile.Icc).NeedsConversion()) << profile.Name;
        std::vector<fs::path> files = WriteFiles(dir, profile.Name, profile.Icc);
        for (size_t i = 0; i < files.size(); ++i)
            EXPECT_TRUE(SamePicture(LoadPicture(stripped[i]), LoadPicture(files[i])))
                << files[i].filename();
    }
}
