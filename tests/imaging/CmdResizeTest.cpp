// qorgallery exif and resize, through the command line library.
#include "cli/CommandLine.h"

#include "ExifFiles.h"
#include "ImagingTestSupport.h"
#include "imaging/Orientation.h"
#include "imaging/PictureFiles.h"
#include "imaging/PngCodec.h"
#include "imaging/XEResize.h"
#include "support/TempDir.h"

using namespace qor;
using namespace qortest;
namespace fs = std::filesystem;

namespace {

TBmpScan Gradient(int w, int h)
{
    return PictureOf(w, h, [](int32_t x, int32_t y) {
        return TTriple{uint8_t(x * 3), uint8_t(y * 5), uint8_t((x ^ y) & 0xFF)};
    });
}

int Invoke(int (*command)(const std::vector<std::string>&), std::vector<std::string> args,
           std::string* out = nullptr)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    auto finish = [&] {
        std::string printed = testing::internal::GetCapturedStdout();
        testing::internal::GetCapturedStderr();
        if (out) *out = printed;
    };
    try {
        int status = command(args);
        finish();
        return status;
    } catch (...) {
        finish();
        throw;
    }
}

} // namespace

TEST(CmdResize, WritesTheEnginesPictureAsPng)
{
    TempDir dir;
    fs::path in = dir / "in.png";
    SavePng(in, Gradient(200, 100), 0, false);
    ASSERT_EQ(ExitOk,
              Invoke(RunResize, {in.string(), (dir / "out.PNG").string(), "--size", "72x30"}));
    TXEResize engine;
    engine.AspectWidth = 72;
    engine.AspectHeight = 30;
    engine.SetFileName(in);
    EXPECT_TRUE(SamePicture(engine.GetCropBmp(true), LoadPicture(dir / "out.PNG")));
}

TEST(CmdResize, GivenValidCropIsUsedAnInvalidOneFallsBackToTheCentredCrop)
{
    TempDir dir;
    fs::path in = dir / "in.png";
    SavePng(in, Gradient(200, 100), 0, false);
    Invoke(RunResize, {in.string(), (dir / "centred.png").string(), "--size", "40x20"});
    Invoke(RunResize,
           {in.string(), (dir / "bad.png").string(), "--size", "40x20", "--crop", "0,0,201,100"});
    Invoke(RunResize,
           {in.string(), (dir / "crop.png").string(), "--size", "40x20", "--crop", "10,10,50,30"});
    EXPECT_TRUE(SamePicture(LoadPicture(dir / "centred.png"), LoadPicture(dir / "bad.png")));
    TXEResize engine;
    engine.AspectWidth = 40;
    engine.AspectHeight = 20;
    engine.SetFileName(in);
    engine.SetCropR({10, 10, 50, 30});
    EXPECT_TRUE(SamePicture(engine.GetCropBmp(true), LoadPicture(dir / "crop.png")));
}

TEST(CmdResize, AnglesAndExif)
{
    TempDir dir;
    fs::path in = dir.Write("in.jpg", CameraJpeg(Gradient(64, 48), 6));
    TBmpScan stored = LoadPicture(in);
    Invoke(RunResize, {in.string(), (dir / "exif.png").string(), "--size", "48x64"});
    EXPECT_TRUE(SamePicture(TransformOrientation(stored, 6), LoadPicture(dir / "exif.png")));
    Invoke(RunResize, {in.string(), (dir / "plain.png").string(), "--size", "64x48", "--no-exif"});
    EXPECT_TRUE(SamePicture(stored, LoadPicture(dir / "plain.png")));
    Invoke(RunResize,
           {in.string(), (dir / "turned.png").string(), "--size", "64x48", "--angle", "90"});
    EXPECT_TRUE(SamePicture(TransformOrientation(stored, 3), LoadPicture(dir / "turned.png")));
}

TEST(CmdResize, WritesJpegOtherwiseAtTheQuality)
{
    TempDir dir;
    fs::path in = dir / "in.png";
    SavePng(in, Gradient(200, 100), 0, false);
    ASSERT_EQ(ExitOk, Invoke(RunResize, {in.string(), (dir / "hi.jpg").string(), "--size", "100x50",
                                         "--quality", "95"}));
    ASSERT_EQ(ExitOk, Invoke(RunResize, {in.string(), (dir / "lo.out").string(), "--size", "100x50",
                                         "--quality=10"}));
    EXPECT_EQ(100, LoadPicture(dir / "hi.jpg").Width());
    EXPECT_EQ("\xFF\xD8", ReadAll(dir / "lo.out").substr(0, 2));
    EXPECT_LT(fs::file_size(dir / "lo.out"), fs::file_size(dir / "hi.jpg"));
}

TEST(CmdResize, NoPictureMeansNoFileAndFailure)
{
    TempDir dir;
    EXPECT_EQ(ExitFailure, Invoke(RunResize, {(dir / "missing.jpg").string(),
                                              (dir / "a.png").string(), "--size", "10x10"}));
    fs::path thin = dir / "thin.png";
    SavePng(thin, Gradient(1000, 1), 0, false);
    EXPECT_EQ(ExitFailure,
              Invoke(RunResize, {thin.string(), (dir / "a.png").string(), "--size", "10x300"}));
    EXPECT_FALSE(fs::exists(dir / "a.png"));
    fs::path bad = dir.Write("bad.jpg", "no picture");
    EXPECT_THROW(Invoke(RunResize, {bad.string(), (dir / "a.png").string(), "--size", "10x10"}),
                 std::exception);
    EXPECT_FALSE(fs::exists(dir / "a.png"));
}

TEST(CmdResize, UsageErrors)
{
    for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
             {"in.jpg", "out.jpg"},
             {"in.jpg"},
             {"in.jpg", "out.jpg", "--size", "0x10"},
             {"in.jpg", "out.jpg", "--size", "10"},
             {"in.jpg", "out.jpg", "--size", "10x10x"},
             {"in.jpg", "out.jpg", "--size", "ax10"},
             {"in.jpg", "out.jpg", "--size", "10x10", "--crop", "1,2,3"},
             {"in.jpg", "out.jpg", "--size", "10x10", "--quality", "0"},
             {"in.jpg", "out.jpg", "--size", "10x10", "--quality", "101"},
             {"in.jpg", "out.jpg", "--size", "10x10", "--angle", "9x"},
             {"in.jpg", "out.jpg", "--size", "10x10", "--bogus"}})
        EXPECT_THROW(RunResize(args), EUsageError) << args.back();
}

TEST(CmdExif, PrintsOrientationAngleMakerModelAndDates)
{
    TempDir dir;
    fs::path in = dir.Write("in.jpg", CameraJpeg(Gradient(16, 8), 6));
    std::string out;
    EXPECT_EQ(ExitOk, Invoke(RunExif, {in.string()}, &out));
    EXPECT_EQ(in.string() + ": orientation=6 angle=90 maker=\"Canon\" model=\"Canon EOS 5D\" "
                            "date=2007-12-31T23:59:58 "
                            "updated=2008-01-02T03:04:05\n",
              out);
    fs::path png = dir / "a.png";
    SavePng(png, Gradient(4, 4), 0, false);
    EXPECT_EQ(ExitFailure, Invoke(RunExif, {png.string(), (dir / "missing.jpg").string()}, &out));
    EXPECT_EQ(png.string() + ": orientation=1 angle=0\n", out);
    EXPECT_THROW(RunExif({}), EUsageError);
}
