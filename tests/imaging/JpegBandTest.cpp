#include "imaging/JpegBand.h"
#include "imaging/BandSlide.h"

#include "ExifFiles.h"
#include "ImagingTestSupport.h"
#include "LibjpegFiles.h"
#include "imaging/Bitmaps.h"
#include "imaging/Geometry.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "imaging/PictureFiles.h"
#include "imaging/XEResize.h"
#include "support/TempDir.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <fstream>
#include <optional>
#include <random>
#include <set>

using namespace qor;
using namespace qortest;
namespace fs = std::filesystem;

namespace {

struct TEncoding {
    const char* Name;
    int HSampling, VSampling; // of the luma against the chroma
    bool Progressive;
    bool Gray;
    bool Arithmetic = false;
    int RestartRows = 0;
};

// The ways cameras and editors store pictures: chroma sampling 4:4:4, 4:2:2, 4:2:0, 4:4:0 and
// 4:1:1, progressive, grayscale, arithmetic coding, restart markers.
const TEncoding kEncodings[] = {
    {"444", 1, 1, false, false},        {"422", 2, 1, false, false},
    {"420", 2, 2, false, false},        {"440", 1, 2, false, false},
    {"411", 4, 1, false, false},        {"420p", 2, 2, true, false},
    {"444p", 1, 1, true, false},        {"422p", 2, 1, true, false},
    {"gray", 1, 1, false, true},        {"grayp", 1, 1, true, true},
    {"420a", 2, 2, false, false, true}, {"422r", 2, 1, false, false, false, 1},
};

std::string Encode(const TBmpScan& picture, const TEncoding& how)
{
    return LibjpegFile(picture, 85, [&](jpeg_compress_struct& encoder) {
        if (how.Gray) jpeg_set_colorspace(&encoder, JCS_GRAYSCALE);
        encoder.comp_info[0].h_samp_factor = how.HSampling;
        encoder.comp_info[0].v_samp_factor = how.VSampling;
        if (how.Progressive) jpeg_simple_progression(&encoder);
        encoder.arith_code = how.Arithmetic ? TRUE : FALSE;
        encoder.restart_in_rows = how.RestartRows;
    });
}

// The file with an EXIF orientation block put after SOI.
std::string WithOrientation(const std::string& jpeg, int orientation)
{
    TExifBuilder b(false);
    b.Ifd0 = {b.Short(274, static_cast<uint16_t>(orientation))};
    std::string tiff = b.Tiff();
    size_t length = 2 + 6 + tiff.size();
    std::string app1 = "\xFF\xE1";
    app1 += static_cast<char>(length >> 8);
    app1 += static_cast<char>(length & 0xFF);
    app1 += std::string("Exif\0\0", 6) + tiff;
    return jpeg.substr(0, 2) + app1 + jpeg.substr(2);
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// A noisy picture with smooth colour areas, so that both chroma and luma details show.
TBmpScan Photo(std::mt19937& random, int32_t w, int32_t h)
{
    TBmpScan noise = RandomPicture(random, w, h);
    return PictureOf(w, h, [&](int32_t x, int32_t y) {
        TTriple n = noise.Scan(y)[x];
        return TTriple{uint8_t((x * 200 / w + n.b / 4) % 256),
                       uint8_t((y * 180 / h + n.g / 4) % 256),
                       uint8_t(((x + y) % 64) * 3 + n.r / 8)};
    });
}

// What the batch does with the engine for one picture.
TBmpScan EngineSlide(const fs::path& file, int userAngle, TRect crop, int32_t w, int32_t h)
{
    TXEResize engine;
    engine.AspectWidth = w;
    engine.AspectHeight = h;
    engine.SetUserAngleEx(userAngle, false);
    engine.SetFileName(file);
    if (engine.IsValidCrop(crop)) engine.SetCropR(crop);
    return engine.GetCropBmp(true);
}

TRect RandomCrop(std::mt19937& random, TSize size)
{
    auto pick = [&](int32_t n) { return std::uniform_int_distribution<int32_t>(0, n - 1)(random); };
    int32_t l = pick(size.Width), t = pick(size.Height);
    int32_t r = l + 1 + pick(size.Width - l), b = t + 1 + pick(size.Height - t);
    return {l, t, r, b};
}

// Shrinking both ways, shrinking one way and enlarging the other, enlarging both ways.
const TSize kAspects[] = {{180, 67}, {112, 44}, {27, 72}, {50, 50}, {200, 130}};

// For every user angle, aspect and some crops of one file: the band's slide has the engine's
// bytes. False when the band way declined a slide the engine makes.
bool ExpectBandSlideAsEngine(const fs::path& file, std::mt19937& random)
{
    bool banded = true;
    for (int angle : {0, 90, 180, 270}) {
        // One load per angle; ChangeAspect gives the centred crop a fresh load of that aspect
        // would, and the batch's SetCropR follows.
        TXEResize engine;
        engine.SetUserAngleEx(angle, false);
        engine.SetFileName(file);
        TSize upright = engine.GetBmp() ? TSize{engine.GetBmp()->Width(), engine.GetBmp()->Height()}
                                        : TSize{1, 1};
        // Camera-sized files get fewer cases, which keeps the run short.
        bool large = int64_t(upright.Width) * upright.Height > 1000000;
        std::vector<TRect> crops = {{}, RandomCrop(random, upright)};
        if (!large) {
            crops.push_back({-1, 0, 5, 5});
            crops.push_back(RandomCrop(random, upright));
            crops.push_back({0, 0, upright.Width, upright.Height});
        }
        for (size_t a = 0; a < std::size(kAspects); a += large ? 2 : 1)
            for (TRect crop : crops) {
                TSize aspect = kAspects[a];
                SCOPED_TRACE(file.string() + " angle " + std::to_string(angle) + " aspect " +
                             std::to_string(aspect.Width) + "x" + std::to_string(aspect.Height) +
                             " crop " + std::to_string(crop.Left) + "," + std::to_string(crop.Top) +
                             "," + std::to_string(crop.Right) + "," + std::to_string(crop.Bottom));
                engine.ChangeAspect(aspect.Width, aspect.Height);
                if (engine.IsValidCrop(crop)) engine.SetCropR(crop);
                TBmpScan expected = engine.GetCropBmp(true);
                std::optional<TBmpScan> band =
                    BandSlidePicture({file, angle, crop, aspect.Width, aspect.Height});
                if (!band) {
                    if (!expected.Empty()) banded = false;
                    continue;
                }
                EXPECT_TRUE(SamePicture(expected, *band));
            }
    }
    return banded;
}

} // namespace

TEST(JpegBand, BandHasTheFullDecodesBytesForEveryStorageAndScale)
{
    std::mt19937 random(7);
    for (const TEncoding& how : kEncodings)
        for (TSize size :
             {TSize{203, 117}, TSize{64, 48}, TSize{97, 161}, TSize{1, 1}, TSize{17, 3}})
            for (int denominator : {1, 2}) {
                std::string jpeg = Encode(Photo(random, size.Width, size.Height), how);
                std::span<const uint8_t> data(reinterpret_cast<const uint8_t*>(jpeg.data()),
                                              jpeg.size());
                TBmpScan full = DecodeJpeg(data, "full", {denominator, false});
                std::vector<TRect> rects = {full.Bounds(),
                                            {0, 0, 1, 1},
                                            {full.Width() - 1, full.Height() - 1, full.Width(),
                                             full.Height()}};
                for (int i = 0; i < 30; ++i)
                    rects.push_back(RandomCrop(random, {full.Width(), full.Height()}));
                for (TRect rect : rects) {
                    SCOPED_TRACE(std::string(how.Name) + " " + std::to_string(size.Width) + "x" +
                                 std::to_string(size.Height) + " 1/" +
                                 std::to_string(denominator) + " rect " +
                                 std::to_string(rect.Left) + "," + std::to_string(rect.Top) +
                                 "," + std::to_string(rect.Right) + "," +
                                 std::to_string(rect.Bottom));
                    TJpegBandReader reader(data, "band");
                    reader.SetScale(8 / denominator);
                    ASSERT_EQ((TSize{full.Width(), full.Height()}),
                              (TSize{reader.Width(), reader.Height()}));
                    reader.Start(rect);
                    EXPECT_TRUE(SamePicture(CropBitmap(full, rect), reader.ReadBand()));
                }
            }
}

TEST(JpegBand, RectangleOutsideThePictureIsRefused)
{
    std::mt19937 random(1);
    std::string jpeg = Encode(Photo(random, 40, 30), kEncodings[2]);
    std::span<const uint8_t> data(reinterpret_cast<const uint8_t*>(jpeg.data()), jpeg.size());
    for (TRect rect : {TRect{0, 0, 41, 30}, TRect{-1, 0, 10, 10}, TRect{5, 5, 5, 9}}) {
        TJpegBandReader reader(data, "band");
        EXPECT_THROW(reader.Start(rect), EImageError);
    }
}

TEST(JpegBand, DamagedFileFailsNamingIt)
{
    std::string junk = "\xFF\xD8\xFF\xC0 not a picture";
    std::span<const uint8_t> data(reinterpret_cast<const uint8_t*>(junk.data()), junk.size());
    try {
        TJpegBandReader reader(data, "broken.jpg");
        FAIL() << "no failure";
    } catch (const EImageError& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("broken.jpg"));
    }
}

TEST(BandSlide, EveryOrientationAndStorageGivesTheEnginesSlide)
{
    TempDir dir;
    std::mt19937 random(11);
    for (const TEncoding& how : kEncodings) {
        std::string jpeg = Encode(Photo(random, 157, 93), how);
        for (int orientation = 1; orientation <= 8; ++orientation) {
            fs::path file =
                dir / (std::string(how.Name) + "-" + std::to_string(orientation) + ".jpg");
            WriteFile(file, WithOrientation(jpeg, orientation));
            EXPECT_TRUE(ExpectBandSlideAsEngine(file, random)) << file;
        }
    }
}

TEST(BandSlide, SampleFilesGiveTheEnginesSlide)
{
    std::mt19937 random(5);
    std::set<std::string> declined;
    int files = 0, found = 0;
    for (const char* folder : {"jpeg/libjpeg-turbo", "jpeg/pillow", "exif-orientation"})
        for (const fs::directory_entry& entry :
             fs::recursive_directory_iterator(TestData(folder))) {
            if (entry.path().extension() != ".jpg") continue;
            ++found;
            TBmpScan picture;
            try {
                picture = LoadPicture(entry.path());
            } catch (const EImageError&) {
                // The engine fails on the file: so must the band way, leaving it to the engine.
                EXPECT_FALSE(BandSlidePicture({entry.path(), 0, {}, 720, 270})) << entry.path();
                continue;
            }
            ++files;
            if (!ExpectBandSlideAsEngine(entry.path(), random))
                declined.insert(entry.path().filename().string());
        }
    EXPECT_EQ(found, 48); // every JPEG of the three suites, the pillow-hopper subfolder included
    EXPECT_GT(files, 30);
    EXPECT_EQ((std::set<std::string>{"pil_sample_cmyk.jpg"}), declined);
}

TEST(BandSlide, CmykIsLeftToTheEngine)
{
    fs::path file = TestData("jpeg/pillow/pil_sample_cmyk.jpg");
    EXPECT_FALSE(BandSlidePicture({file, 0, {}, 100, 80}));
    EXPECT_FALSE(EngineSlide(file, 0, {}, 100, 80).Empty());
}

TEST(BandSlide, PictureOfTheAspectSizeIsLeftToTheEngine)
{
    TempDir dir;
    std::mt19937 random(3);
    fs::path file = dir / "exact.jpg";
    WriteFile(file, Encode(Photo(random, 60, 40), kEncodings[2]));
    EXPECT_FALSE(BandSlidePicture({file, 0, {}, 60, 40}));
    EXPECT_FALSE(BandSlidePicture({file, 90, {}, 40, 60}));
    EXPECT_TRUE(BandSlidePicture({file, 90, {}, 60, 40}));
}

TEST(BandSlide, OtherFilesAreLeftToTheEngine)
{
    TempDir dir;
    std::mt19937 random(4);
    EXPECT_FALSE(BandSlidePicture({dir / "missing.jpg", 0, {}, 60, 40}));
    fs::path png = dir / "picture.png";
    WriteFile(png, Encode(Photo(random, 30, 20), kEncodings[2]));
    EXPECT_FALSE(BandSlidePicture({png, 0, {}, 60, 40}));
    fs::path broken = dir / "broken.jpg";
    WriteFile(broken, "\xFF\xD8\xFF\xC0 not a picture");
    EXPECT_FALSE(BandSlidePicture({broken, 0, {}, 60, 40}));
}

TEST(BandSlide, FastSlideIsAReducedDecodeCloseToTheExactOne)
{
    TempDir dir;
    std::mt19937 random(8);
    fs::path file = dir / "camera.jpg";
    WriteFile(file, Encode(Photo(random, 1600, 1200), kEncodings[2]));
    for (int angle : {0, 90}) {
        SCOPED_TRACE("angle " + std::to_string(angle));
        TBmpScan exact = EngineSlide(file, angle, {}, 200, 75);
        std::optional<TBmpScan> fast = BandSlidePicture({file, angle, {}, 200, 75, true});
        ASSERT_TRUE(fast);
        ASSERT_EQ(exact.Width(), fast->Width());
        ASSERT_EQ(exact.Height(), fast->Height());
        int64_t difference = 0;
        for (int32_t y = 0; y < exact.Height(); ++y)
            for (int32_t x = 0; x < exact.Width() * 3; ++x)
                difference += std::abs(exact.Row(y)[x] - fast->Row(y)[x]);
        double mean = double(difference) / (exact.Width() * 3.0 * exact.Height());
        EXPECT_GT(mean, 0.0); // decoded at a reduced scale, not the exact bytes
        EXPECT_LT(mean, 3.0);
    }
}
