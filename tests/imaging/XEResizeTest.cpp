#include "imaging/XEResize.h"

#include "ExifFiles.h"
#include "ImagingTestSupport.h"
#include "imaging/Bitmaps.h"
#include "imaging/ImageError.h"
#include "imaging/Orientation.h"
#include "imaging/PictureFiles.h"
#include "imaging/PngCodec.h"
#include "imaging/Resamplers.h"
#include "support/TempDir.h"

using namespace qor;
using namespace qortest;
namespace fs = std::filesystem;

namespace {

TBmpScan Gradient(int w, int h)
{
    return PictureOf(w, h, [](int32_t x, int32_t y) {
        return TTriple{uint8_t(x * 255 / 64), uint8_t(y * 255 / 48), uint8_t((x + y) % 256)};
    });
}

TXEResize Engine(int w, int h)
{
    TXEResize engine;
    engine.AspectWidth = w;
    engine.AspectHeight = h;
    return engine;
}

} // namespace

TEST(XEResize, DefaultsAsCreated)
{
    TXEResize engine;
    EXPECT_EQ(640, engine.AspectWidth);
    EXPECT_EQ(480, engine.AspectHeight);
    EXPECT_EQ(20, engine.MinSelWidth);
    EXPECT_TRUE(engine.KeepAspect);
    EXPECT_TRUE(engine.AutoCropOnLoad);
    EXPECT_TRUE(engine.EnableExifRotation);
    EXPECT_EQ(0, engine.UserAngle());
    EXPECT_EQ(0, engine.ExifAngle());
    EXPECT_EQ(0, engine.ImageQuality);
    EXPECT_EQ((TRect{}), engine.CropR());
    EXPECT_EQ(nullptr, engine.GetBmp());
    EXPECT_TRUE(engine.GetCropBmp(true).Empty());
}

TEST(XEResize, CentredCropOfASquarePicture)
{
    TXEResize engine = Engine(720, 300);
    TBmpScan picture = Gradient(1000, 1000);
    engine.SetBmp(picture);
    EXPECT_EQ((TRect{0, 291, 1000, 708}), engine.CropR());
    TBmpScan out = engine.GetCropBmp(true);
    EXPECT_TRUE(SamePicture(SmoothResize(CropBitmap(picture, {0, 291, 1000, 708}), 720, 300), out));
}

TEST(XEResize, SmallPictureIsEnlargedToFill)
{
    TXEResize engine = Engine(720, 300);
    TBmpScan picture = Gradient(300, 200);
    engine.SetBmp(picture);
    EXPECT_EQ((TRect{0, 37, 300, 162}), engine.CropR());
    TBmpScan out = engine.GetCropBmp(true);
    EXPECT_TRUE(SamePicture(SmoothResize(CropBitmap(picture, engine.CropR()), 720, 300), out));
    TBmpScan fast = engine.GetCropBmp(false);
    EXPECT_TRUE(SamePicture(StretchFast(CropBitmap(picture, engine.CropR()), 720, 300), fast));
}

TEST(XEResize, ExifAndUserAnglesAdd)
{
    TempDir dir;
    TBmpScan stored = Gradient(64, 48);
    fs::path six = dir.Write("six.jpg", CameraJpeg(stored, 6));
    fs::path eight = dir.Write("eight.jpg", CameraJpeg(stored, 8));
    TBmpScan decoded = LoadPicture(six);
    TXEResize engine = Engine(10, 10);
    engine.SetUserAngleEx(90, false);
    engine.SetFileName(six);
    EXPECT_EQ(90, engine.ExifAngle());
    EXPECT_TRUE(SamePicture(TransformOrientation(decoded, 3), *engine.GetBmp()));
    engine.SetFileName(eight);
    EXPECT_EQ(270, engine.ExifAngle());
    EXPECT_TRUE(SamePicture(LoadPicture(eight), *engine.GetBmp()));
    engine.EnableExifRotation = false;
    engine.SetFileName(six);
    EXPECT_EQ(0, engine.ExifAngle());
    EXPECT_TRUE(SamePicture(TransformOrientation(decoded, 6), *engine.GetBmp()));
}

TEST(XEResize, FlipTurnsTheHeldPictureAndCountsTheAngle)
{
    TXEResize engine = Engine(4, 3);
    TBmpScan picture = Gradient(64, 48);
    engine.SetBmp(picture);
    for (int i = 0; i < 3; ++i)
        engine.Flip(1);
    engine.Flip(-1);
    EXPECT_EQ(180, engine.UserAngle());
    EXPECT_TRUE(SamePicture(TransformOrientation(picture, 3), *engine.GetBmp()));
    TXEResize other = Engine(4, 3);
    other.SetBmp(picture);
    other.Flip(-1);
    EXPECT_EQ(270, other.UserAngle());
    EXPECT_TRUE(SamePicture(TransformOrientation(picture, 8), *other.GetBmp()));
    EXPECT_EQ((TRect{0, 14, 48, 50}), other.CropR()); // 48 x 64 held, centred 4:3 crop
    TXEResize empty;
    empty.Flip(5);
    EXPECT_EQ(90, empty.UserAngle());
}

TEST(XEResize, WithoutAutoCropTheOldRectangleStays)
{
    TXEResize engine = Engine(4, 3);
    engine.AutoCropOnLoad = false;
    engine.SetCropR({0, 0, 500, 500});
    engine.SetBmp(Gradient(64, 48));
    EXPECT_EQ((TRect{0, 0, 500, 500}), engine.CropR());
    EXPECT_TRUE(engine.GetCropBmp(true).Empty());
    engine.SetCropR({2, 2, 30, 20});
    EXPECT_EQ(4, engine.GetCropBmp(true).Width());
    engine.SetBmp(TBmpScan());
    EXPECT_EQ(nullptr, engine.GetBmp());
    EXPECT_EQ((TRect{2, 2, 30, 20}), engine.CropR());
}

TEST(XEResize, SameSizeJpegRule)
{
    TempDir dir;
    std::string bytes = CameraJpeg(Gradient(64, 48), 1);
    TXEResize engine = Engine(64, 48);
    engine.SetFileName(dir.Write("photo.JPEG", bytes));
    EXPECT_FALSE(engine.IsSameSizeJPEG());
    engine.SetFileName(dir.Write("photo.JPG", bytes));
    EXPECT_TRUE(engine.IsSameSizeJPEG());
    engine.SetCropR({1, 1, 2, 2}); // not considered
    EXPECT_TRUE(engine.IsSameSizeJPEG());
    engine.SetUserAngle(180);
    EXPECT_FALSE(engine.IsSameSizeJPEG());
    engine.SetUserAngle(0);
    engine.AspectWidth = 63;
    EXPECT_FALSE(engine.IsSameSizeJPEG());
    engine.AspectWidth = 64;
    engine.SetFileName(dir.Write("turned.jpg", CameraJpeg(Gradient(48, 64), 6)));
    EXPECT_EQ(64, engine.GetBmp()->Width());
    EXPECT_FALSE(engine.IsSameSizeJPEG());
    engine.SetFileName(dir.Write("mirrored.jpg", CameraJpeg(Gradient(64, 48), 2)));
    EXPECT_FALSE(engine.IsSameSizeJPEG());
}

TEST(XEResize, ValidCropRectangles)
{
    TXEResize engine;
    engine.SetBmp(Gradient(30, 20));
    EXPECT_TRUE(engine.IsValidCrop({0, 0, 30, 20}));
    EXPECT_FALSE(engine.IsValidCrop({-1, 0, 10, 10}));
    EXPECT_FALSE(engine.IsValidCrop({0, 0, 31, 10}));
    EXPECT_FALSE(engine.IsValidCrop({5, 5, 5, 10}));
    EXPECT_FALSE(engine.IsValidCrop({0, 0, 10, 21}));
}

TEST(XEResize, OnCropFiresOnlyWithAPicture)
{
    TXEResize engine = Engine(2, 1);
    int calls = 0;
    engine.OnCrop = [&](TXEResize&) { ++calls; };
    engine.SetCropR({0, 0, 5, 5});
    EXPECT_EQ(0, calls);
    engine.SetBmp(Gradient(10, 10)); // the centred crop is stored without the event
    EXPECT_EQ(0, calls);
    EXPECT_EQ((TRect{0, 2, 10, 7}), engine.DoAutoCrop()); // leftover 5: 2 above, 3 below
    EXPECT_EQ(1, calls);
    engine.ChangeAspect(1, 2);
    EXPECT_EQ((TRect{2, 0, 7, 10}), engine.CropR());
    EXPECT_EQ(2, calls);
    engine.Clear();
    EXPECT_EQ((TRect{}), engine.CropR());
    EXPECT_EQ(3, calls);
}

TEST(XEResize, MissingFileGivesNoPictureDamagedFileFails)
{
    TempDir dir;
    TXEResize engine = Engine(4, 3);
    engine.SetBmp(Gradient(8, 6));
    engine.SetFileName(dir / "missing.jpg");
    EXPECT_EQ(nullptr, engine.GetBmp());
    EXPECT_TRUE(engine.GetCropBmp(true).Empty());
    engine.SetBmp(Gradient(8, 6));
    EXPECT_THROW(engine.SetFileName(dir.Write("bad.jpg", "not a picture at all")), EImageError);
    EXPECT_EQ(nullptr, engine.GetBmp());
    EXPECT_THROW(engine.SetFileName(dir.Write("a.tga", "x")), EImageError);
}

TEST(XEResize, UserAngleReloadsTheFile)
{
    TempDir dir;
    fs::path file = dir / "a.png";
    SavePng(file, Gradient(64, 48), 0, false);
    TXEResize engine = Engine(4, 3);
    engine.SetFileName(file);
    EXPECT_EQ(64, engine.GetBmp()->Width());
    engine.SetUserAngle(90);
    EXPECT_EQ(48, engine.GetBmp()->Width());
    engine.SetUserAngleEx(450, false);
    EXPECT_EQ(48, engine.GetBmp()->Width());
    engine.SetFileName(file);
    EXPECT_EQ(48, engine.GetBmp()->Width());
    EXPECT_TRUE(SamePicture(RotateByAngle(Gradient(64, 48), 90), *engine.GetBmp()));
}

namespace {

// Mean difference per channel, comparing every 7th byte.
double Distance(const TBmpScan& a, const TBmpScan& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height()) return 1e9;
    double sum = 0;
    size_t n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int i = 0; i < a.Width() * 3; i += 7, ++n)
            sum += std::abs(a.Row(y)[i] - b.Row(y)[i]);
    return sum / double(n);
}

TBmpScan Mirrored(const TBmpScan& p)
{
    return PictureOf(p.Width(), p.Height(),
                     [&](int32_t x, int32_t y) { return p.Scan(y)[p.Width() - 1 - x]; });
}

} // namespace

TEST(XEResize, EveryOrientationOfTheSuiteComesOutUpright)
{
    for (const char* kind : {"Landscape", "Portrait"}) {
        bool landscape = kind[0] == 'L';
        int w = landscape ? 180 : 120, h = landscape ? 120 : 180;
        auto upright = [&](int n) {
            TXEResize engine = Engine(w, h);
            engine.SetFileName(TestData("exif-orientation/" + std::string(kind) + "_" +
                                        std::to_string(n) + ".jpg"));
            return engine.GetCropBmp(true);
        };
        TBmpScan reference = upright(1);
        for (int n = 0; n <= 8; ++n) {
            TBmpScan out = upright(n);
            ASSERT_EQ(w, out.Width()) << kind << n;
            // Closer to the upright reference than any turned or mirrored version of itself.
            double straight = Distance(reference, out);
            EXPECT_LT(straight, 20) << kind << n;
            for (TBmpScan other : {TransformOrientation(out, 3), Mirrored(out),
                                   Mirrored(TransformOrientation(out, 3))})
                EXPECT_LT(straight, Distance(reference, other)) << kind << n;
        }
    }
}
