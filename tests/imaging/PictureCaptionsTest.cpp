#include "imaging/PictureCaptions.h"

#include "support/CaptionPictures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

namespace {

using qortest::TCaptionFields;
using qortest::UserCommentBytes;

struct TCaptionCase {
    const char* Name;
    const char* FileName;
    TCaptionFields Fields;
    const char* Title;
    const char* Description;
};

const TCaptionCase kCases[] = {
    {"XmpFirst",
     "a.jpg",
     {.XmpTitle = "Harbour",
      .XmpDescription = "Boats at dawn",
      .IptcHeadline = "Headline",
      .IptcCaption = "Caption",
      .ExifDescription = "Exif text"},
     "Harbour",
     "Boats at dawn"},
    {"IptcWithoutXmp",
     "b.jpg",
     {.IptcHeadline = "Market day",
      .IptcCaption = "Stalls in the square",
      .ExifDescription = "Exif text"},
     "Market day",
     "Stalls in the square"},
    {"ExifDescriptionKeepsLineBreaks",
     "c.jpg",
     {.ExifDescription = "  First line\nSecond line  ",
      .UserComment = UserCommentBytes("ASCII", "Comment", false)},
     "",
     "First line\nSecond line"},
    {"CameraPhraseSkipped",
     "d.jpg",
     {.ExifDescription = "OLYMPUS DIGITAL CAMERA",
      .UserComment = UserCommentBytes("ASCII", "Old town", false)},
     "",
     "Old town"},
    {"BlankDescriptionSkipped",
     "e.jpg",
     {.ExifDescription = "     ", .UserComment = UserCommentBytes("", "Undefined charset", false)},
     "",
     "Undefined charset"},
    {"CardFolderAndNulCommentGiveNothing",
     "f.jpg",
     {.ExifDescription = "DCIM\\100OLYMP",
      .UserComment = UserCommentBytes("ASCII", std::string(8, '\0'), false)},
     "",
     ""},
    {"UnicodeCommentLittleEndian",
     "g.jpg",
     {.ExifDescription = "sony dsc",
      .UserComment = UserCommentBytes("UNICODE", "Café 東京", false)},
     "",
     "Café 東京"},
    {"UnicodeCommentBigEndian",
     "h.jpg",
     {.UserComment = UserCommentBytes("UNICODE", "Café 東京", true), .BigEndian = true},
     "",
     "Café 東京"},
    {"TitleMadeOneLineAndControlsDropped",
     "i.jpg",
     {.XmpTitle = " Two\nlines ", .IptcCaption = "Tab\tkept\x19 separator dropped"},
     "Two lines",
     "Tab\tkept separator dropped"},
    {"PngXmp", "j.png", {.XmpTitle = "夕焼け", .XmpDescription = "海辺で"}, "夕焼け", "海辺で"},
    {"NoMetadata", "k.jpg", {}, "", ""},
};

void PrintTo(const TCaptionCase& c, std::ostream* out)
{
    *out << c.Name;
}

class PictureCaptionsCase : public testing::TestWithParam<TCaptionCase> {};

TEST_P(PictureCaptionsCase, TakesTheFirstTextFound)
{
    qortest::TempDir dir;
    const TCaptionCase& c = GetParam();
    std::filesystem::path file = qortest::WriteCaptionPicture(dir / c.FileName, c.Fields);
    qor::TPictureCaptions captions = qor::ReadPictureCaptions(file);
    EXPECT_EQ(captions.Title, c.Title);
    EXPECT_EQ(captions.Description, c.Description);
}

INSTANTIATE_TEST_SUITE_P(Precedence, PictureCaptionsCase, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(PictureCaptions, DamagedFilesAndPipesGiveNothing)
{
    qortest::TempDir dir;
    std::filesystem::path whole = qortest::WriteCaptionPicture(
        dir / "whole.jpg", {.XmpTitle = "Kept", .IptcCaption = "Kept"});
    std::string bytes = qortest::ReadAll(whole);
    ASSERT_EQ(qor::ReadPictureCaptions(whole).Title, "Kept");
    const std::filesystem::path unreadable[] = {
        dir.Write("cut.jpg", bytes.substr(0, 40)),
        dir.Write("text.jpg", "not a picture"),
        dir / "missing.jpg",
        dir / "pipe.jpg",
    };
    // With no writer, a pipe opened for reading would wait forever.
    ASSERT_EQ(::mkfifo(unreadable[3].c_str(), 0600), 0);
    for (const std::filesystem::path& path : unreadable) {
        qor::TPictureCaptions captions = qor::ReadPictureCaptions(path);
        EXPECT_EQ(captions.Title, "") << path;
        EXPECT_EQ(captions.Description, "") << path;
    }
}

} // namespace
