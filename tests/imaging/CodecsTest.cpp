// The decoders against the shared picture suites: good files decode to the right size and
// pixels, bad ones are refused with an EImageError naming the file, none crashes.
#include "imaging/BmpCodec.h"
#include "imaging/GifCodec.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "imaging/PictureFiles.h"
#include "imaging/PngCodec.h"

#include "ImagingTestSupport.h"
#include "support/TempDir.h"

#include <png.h>

#include <cmath>
#include <cstring>
#include <regex>
#include <set>

using namespace qor;
using namespace qortest;
namespace fs = std::filesystem;

namespace {

// The suite's files of the extension, which must be as many as expected: an emptied or moved
// folder fails the test instead of passing it without a file.
std::vector<fs::path> FilesIn(const std::string& folder, const std::string& extension,
                              size_t expected)
{
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(TestData(folder)))
        if (entry.path().extension() == extension) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files.size(), expected) << extension << " files in " << folder;
    return files;
}

constexpr size_t PngSuiteFiles = 176;

struct TSuiteFolder {
    const char* Folder;
    size_t Files;
};

// Loading either succeeds or fails with an EImageError that names the file.
testing::AssertionResult LoadsOrFailsCleanly(const fs::path& file, bool mustFail)
{
    try {
        TBmpScan picture = LoadPicture(file);
        if (mustFail) return testing::AssertionFailure() << file << " was decoded";
        return testing::AssertionSuccess();
    } catch (const EImageError& e) {
        if (std::string(e.what()).find(file.string()) == std::string::npos)
            return testing::AssertionFailure() << "message does not name the file: " << e.what();
        return testing::AssertionSuccess();
    }
}

// Mean absolute difference of two pictures of the same size, per channel value.
double MeanDifference(const TBmpScan& a, const TBmpScan& b)
{
    double sum = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int i = 0; i < a.Width() * 3; ++i)
            sum += std::abs(a.Row(y)[i] - b.Row(y)[i]);
    return sum / (double(a.Width()) * a.Height() * 3);
}

// The file without the chunks that make a reader convert colours (gamma, chromaticity, sRGB,
// ICC), which our decoder ignores, as it keeps the stored values.
std::string WithoutColourSpaceChunks(const std::string& png)
{
    std::string out = png.substr(0, 8);
    for (size_t at = 8; at + 12 <= png.size();) {
        uint32_t length = uint32_t(uint8_t(png[at])) << 24 | uint32_t(uint8_t(png[at + 1])) << 16 |
                          uint32_t(uint8_t(png[at + 2])) << 8 | uint8_t(png[at + 3]);
        std::string type = png.substr(at + 4, 4);
        size_t whole = 12 + size_t(length);
        if (type != "gAMA" && type != "cHRM" && type != "sRGB" && type != "iCCP")
            out += png.substr(at, whole);
        at += whole;
    }
    return out;
}

// libpng's simplified reader as an independent decoder, composited over white the same way.
TBmpScan ReadWithSimplifiedPng(const fs::path& path)
{
    std::string bytes = WithoutColourSpaceChunks(ReadAll(path));
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return {};
    // 16-bit files come back linear and premultiplied, 8-bit ones as stored.
    bool sixteen = (image.format & PNG_FORMAT_FLAG_LINEAR) != 0;
    image.format = sixteen ? PNG_FORMAT_LINEAR_RGB_ALPHA : PNG_FORMAT_RGBA;
    std::vector<uint8_t> buffer(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr)) return {};
    return PictureOf(image.width, image.height, [&](int32_t x, int32_t y) {
        size_t at = (size_t(y) * image.width + x) * 4;
        if (sixteen) {
            const uint16_t* p = reinterpret_cast<const uint16_t*>(buffer.data()) + at;
            auto over = [&](int v) { return uint8_t(((v + 65535 - p[3]) * 255.0 / 65535) + 0.5); };
            return TTriple{over(p[2]), over(p[1]), over(p[0])};
        }
        const uint8_t* p = &buffer[at];
        auto over = [&](int v) { return uint8_t((v * p[3] + 255 * (255 - p[3]) + 127) / 255); };
        return TTriple{over(p[2]), over(p[1]), over(p[0])};
    });
}

int MaxDifference(const TBmpScan& a, const TBmpScan& b)
{
    int most = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int i = 0; i < a.Width() * 3; ++i)
            most = std::max(most, std::abs(a.Row(y)[i] - b.Row(y)[i]));
    return most;
}

} // namespace

TEST(PngSuite, GoodFilesDecodeLikeLibpngsOwnReader)
{
    int compared = 0;
    for (const fs::path& file : FilesIn("pngsuite", ".png", PngSuiteFiles)) {
        std::string name = file.filename().string();
        if (name[0] == 'x' || name == "PngSuite.png") continue;
        TBmpScan picture = LoadPicture(file);
        ASSERT_FALSE(picture.Empty()) << name;
        TBmpScan expected = ReadWithSimplifiedPng(file);
        ASSERT_EQ(expected.Width(), picture.Width()) << name;
        ASSERT_EQ(expected.Height(), picture.Height()) << name;
        EXPECT_LE(MaxDifference(expected, picture), 1) << name;
        ++compared;
    }
    EXPECT_GT(compared, 100);
}

TEST(PngSuite, InterlacedFilesEqualTheirNonInterlacedTwins)
{
    int pairs = 0;
    for (const fs::path& file : FilesIn("pngsuite", ".png", PngSuiteFiles)) {
        std::string name = file.filename().string();
        if (!name.starts_with("basi")) continue;
        fs::path twin = file.parent_path() / ("basn" + name.substr(4));
        EXPECT_TRUE(SamePicture(LoadPicture(twin), LoadPicture(file))) << name;
        ++pairs;
    }
    EXPECT_EQ(15, pairs);
}

TEST(PngSuite, CorruptFilesAreRefusedNamingTheFile)
{
    int refused = 0;
    for (const fs::path& file : FilesIn("pngsuite", ".png", PngSuiteFiles)) {
        if (file.filename().string()[0] != 'x') continue;
        EXPECT_TRUE(LoadsOrFailsCleanly(file, true)) << file;
        ++refused;
    }
    EXPECT_EQ(14, refused);
}

TEST(PngSuite, TransparencyIsCompositedOverWhite)
{
    // A palette with transparent entries over a black background colour, which is not used.
    TBmpScan picture = LoadPicture(TestData("pngsuite/tbbn3p08.png"));
    EXPECT_TRUE(SamePicture(ReadWithSimplifiedPng(TestData("pngsuite/tbbn3p08.png")), picture));
}

namespace {

// Reference PNGs of the BMP suite's good files, as its page pairs them.
std::vector<std::pair<std::string, std::string>> BmpReferences()
{
    std::string page = ReadAll(TestData("bmpsuite/html/bmpsuite.html"));
    std::regex src("src=\"([^\"]+)\"");
    std::vector<std::pair<std::string, std::string>> pairs;
    std::string lastPng;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), src);
         it != std::sregex_iterator(); ++it) {
        std::string value = (*it)[1];
        if (value.ends_with(".png")) lastPng = value;
        if (value.starts_with("../g/") && !lastPng.empty())
            pairs.emplace_back(value.substr(5), lastPng);
    }
    return pairs;
}

} // namespace

TEST(BmpSuite, GoodFilesMatchTheirReferencePictures)
{
    auto pairs = BmpReferences();
    ASSERT_GT(pairs.size(), 20u);
    for (const auto& [bmp, png] : pairs) {
        TBmpScan picture = LoadPicture(TestData("bmpsuite/g/" + bmp));
        TBmpScan expected = LoadPicture(TestData("bmpsuite/html/" + png));
        if (bmp == "pal8nonsquare.bmp")
            expected = LoadPicture(TestData("bmpsuite/html/pal8nonsquare-e.png"));
        ASSERT_EQ(expected.Width(), picture.Width()) << bmp;
        ASSERT_EQ(expected.Height(), picture.Height()) << bmp;
        EXPECT_LE(MaxDifference(expected, picture), 1) << bmp << " against " << png;
    }
}

TEST(BmpSuite, EveryGoodFileDecodes)
{
    for (const fs::path& file : FilesIn("bmpsuite/g", ".bmp", 27))
        EXPECT_FALSE(LoadPicture(file).Empty()) << file;
}

TEST(BmpSuite, BadFilesAreRefusedOrReadInPart)
{
    // Wrong size fields, densities and RLE runs that overrun the rows are read as far as they
    // go (within the picture); files whose structure cannot be read must fail.
    std::set<std::string> mustFail = {"badbitcount.bmp", "badheadersize.bmp", "badpalettesize.bmp",
                                      "badplanes.bmp",   "badwidth.bmp",      "reallybig.bmp",
                                      "rletopdown.bmp",  "shortfile.bmp"};
    for (const fs::path& file : FilesIn("bmpsuite/b", ".bmp", 20))
        EXPECT_TRUE(LoadsOrFailsCleanly(file, mustFail.count(file.filename().string()) > 0))
            << file;
}

// An 8-bit RLE file of the given size whose pixel data is the codes given (two palette
// entries, 0 black and 1 white).
std::vector<uint8_t> RleBmp(int32_t width, int32_t height, const std::vector<uint8_t>& codes)
{
    std::vector<uint8_t> file(14 + 40 + 8);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = uint8_t(v >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M';
    put32(10, uint32_t(file.size()));
    put32(14, 40);
    put32(18, uint32_t(width));
    put32(22, uint32_t(height));
    file[26] = 1, file[28] = 8, file[30] = 1; // one plane, 8 bits, RLE8
    put32(46, 2);
    put32(58, 0xFFFFFF); // palette entry 1 white
    file.resize(file.size() + codes.size());
    std::copy(codes.begin(), codes.end(), file.end() - static_cast<ptrdiff_t>(codes.size()));
    return file;
}

TEST(BmpFiles, RlePictureLargerThanItsDataCanPaintIsRefusedBeforeAllocating)
{
    // A hundred bytes claiming 200 megapixels: refused from the header, not read into a
    // picture of 600 MB.
    std::vector<uint8_t> codes(38, 0);
    codes[0] = 0, codes[1] = 1; // end of picture at once
    EXPECT_THROW(DecodeBmp(RleBmp(20000, 10000, codes), "huge.bmp"), EImageError);

    // A picture its code pairs can paint, to the last pixel, is read.
    std::vector<uint8_t> rows;
    for (int y = 0; y < 2; ++y)
        rows.insert(rows.end(), {255, 1, 255, 1, 0, 0});
    rows.insert(rows.end(), {0, 1});
    TBmpScan picture = DecodeBmp(RleBmp(510, 2, rows), "runs.bmp");
    ASSERT_EQ(picture.Width(), 510);
    const TTriple last = picture.Scan(1)[509];
    EXPECT_EQ(last.r + last.g + last.b, 3 * 255);
    // Seven code pairs paint at most 7 x 255 = 1785 pixels.
    EXPECT_EQ(DecodeBmp(RleBmp(892, 2, rows), "runs.bmp").Width(), 892);
    EXPECT_THROW(DecodeBmp(RleBmp(893, 2, rows), "runs.bmp"), EImageError);
}

TEST(BmpSuite, QuestionableFilesDecodeOrFailCleanly)
{
    for (const fs::path& file : FilesIn("bmpsuite/q", ".bmp", 43))
        EXPECT_TRUE(LoadsOrFailsCleanly(file, false)) << file;
}

TEST(GifFiles, EveryFileDecodesOrFailsCleanly)
{
    for (auto [folder, count] : {TSuiteFolder{"gif/giflib", 8}, TSuiteFolder{"gif/pillow", 21},
                                 TSuiteFolder{"gif/libnsgif", 2}})
        for (const fs::path& file : FilesIn(folder, ".gif", count))
            EXPECT_TRUE(LoadsOrFailsCleanly(file, false)) << file;
}

// A one-pixel first frame on a logical screen of the given size.
std::vector<uint8_t> OnePixelGif(uint16_t screenWidth, uint16_t screenHeight)
{
    std::vector<uint8_t> file = {'G', 'I', 'F', '8', '9', 'a', uint8_t(screenWidth),
                                 uint8_t(screenWidth >> 8), uint8_t(screenHeight),
                                 uint8_t(screenHeight >> 8), 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0,
                                 ',', 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0, ';'};
    return file;
}

TEST(GifFiles, AScreenFarLargerThanItsFrameIsRefusedBeforeAllocating)
{
    TBmpScan small = DecodeGif(OnePixelGif(2000, 2000), "small.gif");
    EXPECT_EQ(small.Width(), 2000);
    const TTriple corner = small.Scan(1999)[1999];
    EXPECT_EQ(corner.r + corner.g + corner.b, 3 * 255); // the screen around the frame is white
    // 35 bytes claiming 48 MB of screen (16 million pixels and more, 64 times the frame's).
    EXPECT_THROW(DecodeGif(OnePixelGif(4001, 4001), "huge.gif"), EImageError);
}

TEST(GifFiles, FirstFrameWithTransparencyOverWhite)
{
    TBmpScan picture = LoadPicture(TestData("gif/pillow/hopper.gif"));
    EXPECT_EQ(128, picture.Width());
    EXPECT_EQ(128, picture.Height());
    TBmpScan reference = LoadPicture(TestData("jpeg/pillow/hopper.jpg"));
    EXPECT_LT(MeanDifference(reference, picture), 12);
    TBmpScan transparent = LoadPicture(TestData("gif/pillow/transparent.gif"));
    EXPECT_FALSE(transparent.Empty());
    EXPECT_TRUE(LoadsOrFailsCleanly(TestData("gif/pillow/zero_width.gif"), false));
}

TEST(JpegFiles, EveryFileDecodesOrFailsCleanly)
{
    for (auto [folder, count] :
         {TSuiteFolder{"jpeg/libjpeg-turbo", 3}, TSuiteFolder{"jpeg/pillow", 18},
          TSuiteFolder{"exif-orientation", 18}})
        for (const fs::path& file : FilesIn(folder, ".jpg", count))
            EXPECT_TRUE(LoadsOrFailsCleanly(file, false)) << file;
}

TEST(JpegFiles, KindsOfJpegDecodeToTheSamePicture)
{
    TBmpScan rgb = LoadPicture(TestData("jpeg/pillow/pil_sample_rgb.jpg"));
    TBmpScan cmyk = LoadPicture(TestData("jpeg/pillow/pil_sample_cmyk.jpg"));
    ASSERT_EQ(100, cmyk.Width());
    EXPECT_LT(MeanDifference(rgb, cmyk), 8);
    TBmpScan hopper = LoadPicture(TestData("jpeg/pillow/hopper.jpg"));
    TBmpScan grey = LoadPicture(TestData("jpeg/pillow/hopper_gray.jpg"));
    EXPECT_EQ(grey.Scan(5)[7].r, grey.Scan(5)[7].b);
    EXPECT_EQ(128, grey.Width());
    TBmpScan progressive = LoadPicture(TestData("jpeg/pillow/app13-multiple.jpg"));
    EXPECT_EQ(256, progressive.Width());
    EXPECT_EQ(160, progressive.Height());
    TBmpScan arithmetic = LoadPicture(TestData("jpeg/libjpeg-turbo/testimgari.jpg"));
    TBmpScan huffman = LoadPicture(TestData("jpeg/libjpeg-turbo/testorig.jpg"));
    EXPECT_LT(MeanDifference(huffman, arithmetic), 0.5);
    EXPECT_EQ(227, huffman.Width());
}

TEST(JpegFiles, TwelveBitFilesAreRefused)
{
    EXPECT_TRUE(LoadsOrFailsCleanly(TestData("jpeg/libjpeg-turbo/monkey12.jpg"), true));
}

TEST(JpegFiles, TruncatedFilesAreReadInPartAndHeadersAloneRefused)
{
    TempDir dir;
    std::string whole = ReadAll(TestData("jpeg/libjpeg-turbo/testorig.jpg"));
    TBmpScan full = LoadPicture(TestData("jpeg/libjpeg-turbo/testorig.jpg"));
    TBmpScan cut = LoadPicture(dir.Write("cut.jpg", whole.substr(0, 3000)));
    ASSERT_EQ(full.Width(), cut.Width());
    ASSERT_EQ(full.Height(), cut.Height());
    EXPECT_EQ(0, std::memcmp(full.Row(0), cut.Row(0), full.Stride() * 16)); // the first MCU row
    EXPECT_FALSE(SamePicture(full, cut));
    EXPECT_EQ(100, LoadPicture(TestData("jpeg/pillow/truncated_jpeg.jpg")).Width());
    fs::path noEnd = dir.Write("noend.jpg", whole.substr(0, whole.size() - 2));
    EXPECT_TRUE(
        SamePicture(LoadPicture(TestData("jpeg/libjpeg-turbo/testorig.jpg")), LoadPicture(noEnd)));
    for (size_t length : {0u, 1u, 2u, 100u, 300u, 600u}) { // all before the scan data
        fs::path part = dir.Write("part.jpg", whole.substr(0, length));
        EXPECT_TRUE(LoadsOrFailsCleanly(part, true)) << length;
    }
}

TEST(JpegFiles, EncodedPictureDecodesCloseToTheOriginal)
{
    TempDir dir;
    TBmpScan picture = PictureOf(64, 40, [](int32_t x, int32_t y) {
        return TTriple{uint8_t(x * 4), uint8_t(y * 6), uint8_t(128)};
    });
    ASSERT_TRUE(SaveJpeg(dir / "a.jpg", picture, 95));
    TBmpScan back = LoadPicture(dir / "a.jpg");
    EXPECT_LT(MeanDifference(picture, back), 2.0);
    // Lower quality, smaller file; an empty picture writes nothing.
    ASSERT_TRUE(SaveJpeg(dir / "b.jpg", picture, 20));
    EXPECT_LT(fs::file_size(dir / "b.jpg"), fs::file_size(dir / "a.jpg"));
    EXPECT_FALSE(SaveJpeg(dir / "c.jpg", TBmpScan(), 90));
    EXPECT_FALSE(fs::exists(dir / "c.jpg"));
    // The quality is taken as one byte: 356 is 100.
    ASSERT_TRUE(SaveJpeg(dir / "d.jpg", picture, 100));
    ASSERT_TRUE(SaveJpeg(dir / "e.jpg", picture, 356));
    EXPECT_EQ(ReadAll(dir / "d.jpg"), ReadAll(dir / "e.jpg"));
    // Baseline: a SOF0 marker.
    EXPECT_NE(std::string::npos, ReadAll(dir / "a.jpg").find("\xFF\xC0"));
}

TEST(JpegFiles, ScaledLoadingChoosesTheFactorByWidth)
{
    TempDir dir;
    std::mt19937 random(9);
    ASSERT_TRUE(SaveJpeg(dir / "big.jpg", RandomPicture(random, 400, 300), 80));
    struct Case {
        int wantW, wantH, decodedW, decodedH, fullW, fullH;
    };
    for (Case c : {Case{16, 12, 50, 38, 400, 304},
                   {80, 60, 100, 75, 400, 300},
                   {150, 100, 200, 150, 400, 300},
                   {300, 200, 400, 300, 400, 300},
                   {40, 400, 50, 38, 400, 304}}) {
        int32_t w = c.wantW, h = c.wantH;
        TBmpScan picture = LoadJpegScaled(dir / "big.jpg", w, h);
        EXPECT_EQ(c.decodedW, picture.Width()) << c.wantW;
        EXPECT_EQ(c.decodedH, picture.Height()) << c.wantW;
        EXPECT_EQ(c.fullW, w) << c.wantW;
        EXPECT_EQ(c.fullH, h) << c.wantW;
    }
}

TEST(PictureFiles, ExtensionChoosesTheDecoder)
{
    TempDir dir;
    EXPECT_TRUE(LoadPicture("").Empty());
    fs::path png = dir / "a.PNG";
    SavePng(png, TBmpScan(3, 2), 0, false);
    EXPECT_EQ(3, LoadPicture(png).Width());
    fs::copy_file(png, dir / "a.jpg");
    EXPECT_TRUE(LoadsOrFailsCleanly(dir / "a.jpg", true)); // PNG bytes under a JPEG name
    fs::copy_file(png, dir / "a.tif");
    try {
        LoadPicture(dir / "a.tif");
        FAIL();
    } catch (const EImageError& e) {
        EXPECT_EQ((dir / "a.tif").string() + ": 対応していない画像形式です", e.what());
    }
    EXPECT_TRUE(LoadsOrFailsCleanly(dir / "missing.png", true));
}

TEST(PictureFiles, EmbeddedPictures)
{
    TBmpScan reading = LoadResourcePicture("IMGREADING", ".png");
    ASSERT_EQ(200, reading.Width());
    ASSERT_EQ(200, reading.Height());
    EXPECT_GT(reading.Scan(100)[100].g, reading.Scan(100)[100].r); // green
    EXPECT_FALSE(LoadResourcePicture("SWFEXIT_BTN", ".png").Empty());
    EXPECT_TRUE(LoadResourcePicture("IMGREADING", ".tif").Empty());
    EXPECT_THROW(LoadResourcePicture("NOSUCH", ".png"), EImageError);
}
