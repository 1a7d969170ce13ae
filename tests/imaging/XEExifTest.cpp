#include "imaging/XEExif.h"

#include "ExifFiles.h"
#include "ImagingTestSupport.h"
#include "support/TempDir.h"

using namespace qor;
using namespace qortest;
namespace fs = std::filesystem;

namespace {

TBmpScan SmallPicture()
{
    return UniformPicture(16, 8, {10, 20, 30});
}

struct TReadResult {
    bool success;
    ExifInfo info;
};

TReadResult Read(const TempDir& dir, const std::string& bytes, const std::string& name = "a.jpg")
{
    fs::path file = dir.Write(name, bytes);
    TReadResult result;
    result.success = ReadExif(file, result.info);
    return result;
}

} // namespace

TEST(XEExif, CameraFileWithThumbnailIsTurned)
{
    TempDir dir;
    fs::path file = dir.Write("a.jpg", CameraJpeg(SmallPicture(), 6));
    ExifInfo info;
    ASSERT_TRUE(ReadExif(file, info));
    EXPECT_EQ(3, info.Info.InfoKind);
    EXPECT_EQ(6, info.Info.Orientation);
    EXPECT_TRUE(info.Info.photodt.Valid.Has(sdtExif));
    EXPECT_EQ(90, ReadExifAngle(file));
    EXPECT_EQ(1000, info.Info.thumbsize);
    EXPECT_EQ(30 + 300, info.Info.thumbofs_r); // TIFF header at 20 + 10
    EXPECT_EQ(30, info.startofs);
    EXPECT_EQ(uint16_t(info.startofs + info.size - 8), info.Info.bodyofs);
    EXPECT_EQ(fs::file_size(file), info.ExFileSize);
}

TEST(XEExif, WithoutThumbnailReadingFailsButTheOrientationStillCounts)
{
    TempDir dir;
    for (bool big : {false, true}) {
        fs::path file = dir.Write("a.jpg", CameraJpeg(SmallPicture(), 6, false, big));
        ExifInfo info;
        EXPECT_FALSE(ReadExif(file, info));
        EXPECT_EQ(2, info.Info.InfoKind);
        EXPECT_EQ(0, info.Info.WithError);
        EXPECT_EQ(6, ExifOrientation(file));
        EXPECT_EQ(90, ReadExifAngle(file));
    }
}

TEST(XEExif, OrientationAngles)
{
    struct Case {
        int orientation, angle;
    };
    for (Case c : {Case{1, 0},
                   {2, 0},
                   {3, 180},
                   {4, 180},
                   {5, 270},
                   {6, 90},
                   {7, 90},
                   {8, 270},
                   {0, 0},
                   {9, 0}})
        EXPECT_EQ(c.angle, OrientationAngle(c.orientation)) << c.orientation;
    TempDir dir;
    fs::path file = dir.Write("a.jpg", CameraJpeg(SmallPicture(), 9));
    EXPECT_EQ(1, ExifOrientation(file)); // outside 1-8
}

TEST(XEExif, App1IsFoundOnlyWithinTheFirst64Bytes)
{
    TempDir dir;
    TExifBuilder b(false);
    b.Ifd0 = {b.Short(274, 8)};
    b.Ifd1 = {b.Short(259, 6), b.Long(514, 10)};
    EXPECT_TRUE(Read(dir, JpegWithExif(b.Tiff(), SmallPicture(), 16)).success); // APP1 at 20
    EXPECT_TRUE(Read(dir, JpegWithExif(b.Tiff(), SmallPicture(), 59)).success); // APP1 at 63
    TReadResult late = Read(dir, JpegWithExif(b.Tiff(), SmallPicture(), 60));   // APP1 at 64
    EXPECT_FALSE(late.success);
    EXPECT_EQ(1, late.info.Info.Orientation);
    EXPECT_EQ(0, ReadExifAngle(dir / "a.jpg"));
}

TEST(XEExif, OnlyJpegNamesAreRead)
{
    TempDir dir;
    std::string bytes = CameraJpeg(SmallPicture(), 6);
    for (const char* name : {"a.png", "a.tif", "a.jpgx"}) {
        fs::path file = dir.Write(name, bytes);
        ExifInfo info;
        EXPECT_FALSE(ReadExif(file, info)) << name;
        EXPECT_EQ(0, info.Info.InfoKind) << name; // the file was not opened
        EXPECT_EQ(0, ReadExifAngle(file)) << name;
    }
    for (const char* name : {"a.JPG", "a.jpeg", "a.Jpe"})
        EXPECT_EQ(90, ReadExifAngle(dir.Write(name, bytes))) << name;
    ExifInfo missing;
    EXPECT_FALSE(ReadExif(dir / "missing.jpg", missing));
    EXPECT_EQ(1, missing.Info.WithError);
}

TEST(XEExif, ShortFilesAndBadHeadersGiveNoExif)
{
    TempDir dir;
    std::string bytes = CameraJpeg(SmallPicture(), 6);
    TReadResult shortFile = Read(dir, bytes.substr(0, 255));
    EXPECT_FALSE(shortFile.success);
    EXPECT_EQ(2, shortFile.info.Info.InfoKind);
    EXPECT_EQ(0, ReadExifAngle(dir / "a.jpg"));
    std::string noSoi = bytes;
    noSoi[1] = '\xD9';
    EXPECT_FALSE(Read(dir, noSoi).success);
    std::string badOrder = bytes;
    badOrder[30] = 'X';
    EXPECT_FALSE(Read(dir, badOrder).success);
    std::string notExif = bytes;
    notExif[24] = 'e';
    EXPECT_FALSE(Read(dir, notExif).success);
    // A segment longer than the file: not read whole, so not parsed.
    std::string cut = bytes.substr(0, 300);
    cut[22] = '\x7F';
    TReadResult cutResult = Read(dir, cut);
    EXPECT_FALSE(cutResult.success);
    EXPECT_EQ(1, ExifOrientation(dir / "a.jpg"));
}

TEST(XEExif, BothByteOrdersReadTheSameRecord)
{
    TempDir dir;
    auto build = [](bool big) {
        TExifBuilder b(big);
        b.Ifd0 = {b.Ascii(271, "NIKON CORPORATION   "), b.Ascii(272, std::string("D70\0junk", 8)),
                  b.Short(274, 3), b.Ascii(306, "2004:05:06 07:08:09")};
        b.ExifIfd = {b.Rational(33434, 1, 250),
                     b.Rational(33437, 56, 10),
                     b.Short(34850, 0x12),
                     b.Short(34855, 400),
                     b.Ascii(36867, "2004:05:06 07:08:10"),
                     b.Ascii(36868, "2004:05:06 07:08:11"),
                     {37380, 10, 1, b.Number(uint32_t(-2), 4) + b.Number(3, 4)},
                     b.Short(37383, 5),
                     b.Short(37385, 0x119),
                     b.Rational(37386, 500, 10),
                     b.Ascii(37521, "05"),
                     b.Short(40962, 3008),
                     b.Short(40963, 2000)};
        b.Ifd1 = {b.Long(259, big ? 6 : 393216), b.Long(513, 1234), b.Long(514, 4321)};
        return JpegWithExif(b.Tiff(), SmallPicture(), 16);
    };
    TReadResult little = Read(dir, build(false), "l.jpg"), big = Read(dir, build(true), "b.jpg");
    for (const TReadResult* r : {&little, &big}) {
        const ExifRec& rec = r->info.Info;
        const ExifData& d = rec.photodt;
        EXPECT_TRUE(r->success);
        EXPECT_EQ("NIKON CORPORATION", rec.Maker);
        EXPECT_EQ("D70", rec.Model);
        EXPECT_EQ(3, rec.Orientation);
        EXPECT_EQ(1, d.ExpBunshi);
        EXPECT_EQ(250, d.ExpBunbo);
        EXPECT_EQ(56, d.FBunshi);
        EXPECT_EQ(10, d.FBunbo);
        EXPECT_EQ(2, d.ExpPrgm);
        EXPECT_EQ(400, d.ISO);
        EXPECT_EQ(-2, d.BIASBunshi);
        EXPECT_EQ(3, d.BIASBunbo);
        EXPECT_EQ(5, d.Metering);
        EXPECT_EQ(0x19, d.FLASH);
        EXPECT_EQ(500, d.FocalBunshi);
        EXPECT_EQ(5, rec.SubSeqTime);
        EXPECT_EQ(3008, rec.Width);
        EXPECT_EQ(2000, rec.Height);
        EXPECT_EQ(4321, rec.thumbsize);
        EXPECT_EQ(6, r->info.ThumbJPEG);
        EXPECT_EQ(2004, r->info.Date.year);
        EXPECT_EQ(10, r->info.Date.second);
        EXPECT_EQ(9, r->info.Updated.second);
        for (TDataType t : {sdtExif, sdtMaker, sdtModel, sdtDate, sdtUpdated, sdtExpose, sdtFNumber,
                            sdtISO, sdtExpPrgm, sdtFlash, sdtExpBIAS, sdtFocal, sdtMetering})
            EXPECT_TRUE(d.Valid.Has(t)) << t;
        EXPECT_FALSE(d.Valid.Has(sdtMakerNote));
        EXPECT_FALSE(d.Valid.Has(sdtWhite));
    }
    EXPECT_EQ(little.info.ofs_date, big.info.ofs_date);
    EXPECT_EQ(little.info.ofs_orient, big.info.ofs_orient);
    EXPECT_GT(little.info.ofs_digitized, 0);
    EXPECT_EQ(little.info.ExFileTime, big.info.ExFileTime);
}

TEST(XEExif, SubSecondTexts)
{
    TempDir dir;
    struct Case {
        std::vector<std::pair<uint16_t, std::string>> tags;
        uint16_t expected;
    };
    for (const Case& c : {Case{{{37520, "1234"}}, 999},
                          {{{37520, "05"}}, 5},
                          {{{37520, "999"}}, 999},
                          {{{37520, "0"}, {37521, "42"}}, 42},
                          {{{37520, "7"}, {37521, "42"}}, 7},
                          {{{37522, "x1"}}, 0}}) {
        TExifBuilder b(false);
        b.Ifd0 = {b.Short(274, 1)};
        for (const auto& [tag, text] : c.tags)
            b.ExifIfd.push_back(b.Ascii(tag, text));
        b.Ifd1 = {b.Short(259, 6), b.Long(514, 10)};
        EXPECT_EQ(c.expected,
                  Read(dir, JpegWithExif(b.Tiff(), SmallPicture(), 16)).info.Info.SubSeqTime)
            << c.tags[0].second;
    }
}

TEST(XEExif, UserCommentKeepsTextAndMarksLineBreaks)
{
    TempDir dir;
    TExifBuilder b(false);
    b.Ifd0 = {b.Short(274, 1)};
    b.ExifIfd = {
        b.Undefined(37510, std::string("ASCII\0\0\0", 8) + "one\r\ntwo\nthree\rfour\0tail")};
    b.Ifd1 = {b.Short(259, 6), b.Long(514, 10)};
    TReadResult r = Read(dir, JpegWithExif(b.Tiff(), SmallPicture(), 16));
    EXPECT_EQ('A', r.info.Info.photodt.ComCode);
    EXPECT_EQ("one\x17twothree\x17"
              "four",
              r.info.Info.photodt.Comment);
    TExifBuilder unicode(false);
    unicode.Ifd0 = {unicode.Short(274, 1)};
    unicode.ExifIfd = {unicode.Undefined(37510, std::string("XYZ\0\0\0\0\0", 8) + "text")};
    unicode.Ifd1 = {unicode.Short(259, 6), unicode.Long(514, 10)};
    TReadResult other = Read(dir, JpegWithExif(unicode.Tiff(), SmallPicture(), 16));
    EXPECT_EQ('X', other.info.Info.photodt.ComCode);
    EXPECT_EQ("", other.info.Info.photodt.Comment);
}

namespace {

std::string CanonFile(uint16_t isoCode, bool withIsoTag)
{
    TExifBuilder b(false);
    // The maker note: one entry, tag 1, 40 shorts of camera settings; word 16 holds the ISO code.
    std::string settings(80, '\0');
    settings[32] = static_cast<char>(isoCode & 0xFF);
    settings[33] = static_cast<char>(isoCode >> 8);
    uint32_t base = 0;
    b.Ifd0 = {b.Ascii(271, "Canon"), b.Short(274, 1)};
    b.ExifIfd = {b.Undefined(37500, std::string(30, '\0'))};
    if (withIsoTag) b.ExifIfd.push_back(b.Short(34855, 800));
    b.Ifd1 = {b.Short(259, 6), b.Long(514, 10)};
    base = b.DataOffsetBase();
    uint32_t settingsAt = base + b.AddData(settings);
    std::string note = b.Number(1, 2) + b.Number(1, 2) + b.Number(3, 2) + b.Number(40, 4) +
                       b.Number(settingsAt, 4) + std::string(16, '\0');
    b.ExifIfd[0] = b.Undefined(37500, note);
    return JpegWithExif(b.Tiff(), SmallPicture(), 16);
}

} // namespace

TEST(XEExif, CanonMakerNoteGivesTheIso)
{
    TempDir dir;
    struct Case {
        uint16_t code, iso;
    };
    for (Case c : {Case{17, 100}, {14, 1}, {15, 2}, {19, 400}, {16384 + 640, 640}, {3, 0}}) {
        TReadResult r = Read(dir, CanonFile(c.code, false));
        EXPECT_EQ(c.iso, r.info.Info.photodt.ISO) << c.code;
        EXPECT_EQ(c.iso != 0, r.info.Info.photodt.Valid.Has(sdtISO)) << c.code;
    }
    EXPECT_EQ(800, Read(dir, CanonFile(17, true)).info.Info.photodt.ISO); // the tag wins
}

TEST(XEExif, EntriesOutsideTheDataOrOfBadTypeAreSkipped)
{
    TempDir dir;
    TExifBuilder b(true);
    b.Ifd0 = {{271, 2, 40, b.Number(60000, 4)}, // Make far outside the segment
              {272, 0, 1, b.Number(0, 4)},      // type 0
              {305, 13, 1, b.Number(0, 4)},     // type 13
              b.Short(274, 6)};
    b.ExifIfd = {{33434, 5, 1, b.Number(0x7FFFFFF0, 4)}, {37510, 7, 0x40000000, b.Number(8, 4)}};
    b.Ifd1 = {b.Short(259, 6), b.Long(514, 10)};
    TReadResult r = Read(dir, JpegWithExif(b.Tiff(), SmallPicture(), 16));
    EXPECT_TRUE(r.success);
    EXPECT_EQ(6, r.info.Info.Orientation);
    EXPECT_FALSE(r.info.Info.photodt.Valid.Has(sdtMaker));
    EXPECT_FALSE(r.info.Info.photodt.Valid.Has(sdtExpose));
    EXPECT_EQ("", r.info.Info.photodt.Comment);
}

TEST(XEExif, DirectoryOffsetsOutsideTheDataAreSkipped)
{
    TempDir dir;
    TExifBuilder b(false);
    b.Ifd0 = {b.Short(274, 6), b.Long(34665, 0xFFFFFF00)};
    std::string tiff = b.Tiff();
    TReadResult r = Read(dir, JpegWithExif(tiff, SmallPicture(), 16));
    EXPECT_FALSE(r.success);
    EXPECT_EQ(6, ExifOrientation(dir / "a.jpg"));
    // IFD0 itself outside the data: nothing read, orientation 1.
    std::string broken = tiff;
    broken.replace(4, 4, b.Number(0x00FFFFFF, 4));
    Read(dir, JpegWithExif(broken, SmallPicture(), 16));
    EXPECT_EQ(1, ExifOrientation(dir / "a.jpg"));
}

TEST(XEExif, DatesAndPackedFileTimes)
{
    ExifDate d = ParseExifDate("2008:05:06 07:08:09");
    EXPECT_EQ(2008, d.year);
    EXPECT_EQ(5, d.month);
    EXPECT_EQ(6, d.day);
    EXPECT_EQ(7, d.hour);
    EXPECT_EQ(8, d.minute);
    EXPECT_EQ(9, d.second);
    ExifDate partial = ParseExifDate("2008:5x:  ");
    EXPECT_EQ(2008, partial.year);
    EXPECT_EQ(5, partial.month);
    EXPECT_EQ(0, partial.day);
    EXPECT_EQ(0, ParseExifDate("").year);
    uint32_t packed = PackedFileTime(d);
    EXPECT_EQ(uint32_t(28) << 25 | 5u << 21 | 6u << 16 | 7u << 11 | 8u << 5 | 4u, packed);
    // A date that does not exist means 1 January 2300, which the packed form cannot hold.
    EXPECT_EQ(0u, PackedFileTime(ParseExifDate("2008:02:30 00:00:00")));
    EXPECT_EQ(0u, PackedFileTime(ParseExifDate("2008:01:01 24:00:00")));
    EXPECT_NE(0u, PackedFileTime(ParseExifDate("2008:02:29 00:00:00")));
    EXPECT_NE(0u, PackedFileTime(ExifDate{})); // the current time
}

TEST(XEExif, OrientationSuite)
{
    for (int n = 0; n <= 8; ++n)
        for (const char* kind : {"Landscape", "Portrait"}) {
            fs::path file = TestData("exif-orientation/" + std::string(kind) + "_" +
                                     std::to_string(n) + ".jpg");
            ExifInfo info;
            EXPECT_FALSE(ReadExif(file, info)) << file; // no thumbnail in these files
            EXPECT_EQ(n == 0 ? 1 : n, ExifOrientation(file)) << file;
        }
    ExifInfo pixel;
    EXPECT_TRUE(ReadExif(TestData("jpeg/pillow/ultrahdr.jpg"), pixel));
    EXPECT_EQ("Google", pixel.Info.Maker);
    EXPECT_EQ("Pixel 6", pixel.Info.Model);
}
