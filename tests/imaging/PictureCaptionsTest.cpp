#include "imaging/PictureCaptions.h"

#include "support/CaptionPictures.h"
#include "support/TempDir.h"
#include "util/TextCodec.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const std::string kTitle = "Xmp.dc.title", kDescription = "Xmp.dc.description",
                  kHeadline = "Iptc.Application2.Headline", kCaption = "Iptc.Application2.Caption",
                  kExifText = "Exif.Image.ImageDescription", kComment = "Exif.Photo.UserComment";

// A UserComment: the charset name padded with NULs to 8 bytes, then the text as it is, or
// for UNICODE as UTF-16 in the given byte order.
std::string Comment(std::string charset, const std::string& text, bool bigEndian = false)
{
    charset.resize(8, '\0');
    if (!charset.starts_with("UNICODE")) return charset + text;
    for (char16_t unit : qor::Utf8ToUtf16(text)) {
        char high = char(unit >> 8), low = char(unit & 0xFF);
        charset += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return charset;
}

struct TCaptionCase {
    const char* Name;
    std::map<std::string, std::string> Fields;
    const char* Title;
    const char* Description;
    bool BigEndian = false;
    const char* FileName = "picture.jpg";
};

void PrintTo(const TCaptionCase& c, std::ostream* out)
{
    *out << c.Name;
}

// clang-format off
const TCaptionCase kCases[] = {
    {"XmpFirst", {{kTitle, "lang=x-default Harbour"}, {kDescription, "lang=de-DE Boote"},
                  {kHeadline, "Headline"}, {kCaption, "Caption"}, {kExifText, "Exif"}}, "Harbour", "Boote"},
    {"IptcNext", {{kHeadline, "Market"}, {kCaption, "Stalls"}, {kExifText, "Exif"}}, "Market", "Stalls"},
    {"ExifTrimmedWithLineBreaks", {{kExifText, " One\nTwo "}, {kComment, Comment("ASCII", "No")}}, "", "One\nTwo"},
    {"CameraPhraseSkipped", {{kExifText, "OLYMPUS DIGITAL CAMERA"}, {kComment, Comment("ASCII", "Town")}}, "", "Town"},
    {"BlankSkippedUndefinedCharset", {{kExifText, "   "}, {kComment, Comment("", "Undefined")}}, "", "Undefined"},
    {"CardFolderAndNulsGiveNothing", {{kExifText, "DCIM\\100"}, {kComment, Comment("ASCII", {"\0\0 ", 3})}}, "", ""},
    {"UnicodeLittleEndian", {{kExifText, "sony dsc"}, {kComment, Comment("UNICODE", "Café 東京")}}, "", "Café 東京"},
    {"UnicodeBigEndian", {{kComment, Comment("UNICODE", "Café 東京", true)}}, "", "Café 東京", true},
    {"OneLineTitleNoSeparator", {{kTitle, "lang=x-default  A\nB "}, {kCaption, "Tab\tok\x19"}}, "A B", "Tab\tok"},
    {"Png", {{kTitle, "lang=x-default 夕焼け"}}, "夕焼け", "", false, "picture.png"},
};
// clang-format on

class PictureCaptionsCase : public testing::TestWithParam<TCaptionCase> {};

TEST_P(PictureCaptionsCase, TakesTheFirstTextFound)
{
    qortest::TempDir dir;
    const TCaptionCase& c = GetParam();
    qor::TPictureCaptions captions = qor::ReadPictureCaptions(
        qortest::WriteCaptionPicture(dir / c.FileName, c.Fields, c.BigEndian));
    EXPECT_EQ(captions.Title, c.Title);
    EXPECT_EQ(captions.Description, c.Description);
}

INSTANTIATE_TEST_SUITE_P(Precedence, PictureCaptionsCase, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(PictureCaptions, DamagedFilesAndPipesGiveNothing)
{
    qortest::TempDir dir;
    auto whole = qortest::WriteCaptionPicture(dir / "whole.jpg", {{kHeadline, "Kept"}});
    ASSERT_EQ(qor::ReadPictureCaptions(whole).Title, "Kept");
    // With no writer, a pipe opened for reading would wait forever.
    ASSERT_EQ(::mkfifo((dir / "pipe.jpg").c_str(), 0600), 0);
    for (const std::filesystem::path& path :
         {dir.Write("cut.jpg", qortest::ReadAll(whole).substr(0, 40)), dir.Write("text.jpg", "no"),
          dir / "missing.jpg", dir / "pipe.jpg"}) {
        qor::TPictureCaptions captions = qor::ReadPictureCaptions(path);
        EXPECT_EQ(captions.Title + captions.Description, "") << path;
    }
}

} // namespace
