#include "gallery/ProjectStream.h"
#include "gallery/ProjectValues.h"
#include "gallery/PublishedProps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using namespace qor;

std::string Bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

std::string ShortString(std::string_view text)
{
    return static_cast<char>(text.size()) + std::string(text);
}

// The value bytes written after the entry name, up to the next entry (or end); empty when
// the entry is absent.
std::string EntryValue(const std::string& stream, std::string_view name, size_t valueSize)
{
    std::string key = ShortString(name);
    size_t at = stream.find(key);
    if (at == std::string::npos) return {};
    return stream.substr(at + key.size(), valueSize);
}

bool HasEntry(const std::string& stream, std::string_view name)
{
    return stream.find(ShortString(name)) != std::string::npos;
}

std::string Le32(uint32_t v)
{
    return Bytes({int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF), int(v >> 24)});
}

// A file of the 16-bit form holding the given property entries after the object name.
std::string HandMadeFile(const std::string& entries)
{
    std::string stream = "TPF0" + ShortString("TComQorCSS1") + ShortString("QorCSS1") + entries +
                         Bytes({0, 0});
    std::string header = Bytes({0xFF, 0x0A, 0x00}) + "TCOMQORCSS1" + Bytes({0, 0x30, 0x10}) +
                         Le32(static_cast<uint32_t>(stream.size()));
    return header + stream;
}

std::string ReadError(const std::string& bytes)
{
    TComQorCSS1 settings;
    try {
        ReadProjectStream(bytes, settings);
    } catch (const EProjectReadError& e) {
        return e.what();
    }
    return "no error";
}

TEST(ProjectWriter, WritesTheResourceHeaderAndStreamSize)
{
    std::string file = WriteProjectStream(TComQorCSS1::NewProjectSettings());
    ASSERT_GT(file.size(), 45u);
    EXPECT_EQ(file.substr(0, 21), Bytes({0xFF, 0x0A, 0x00}) + "TCOMQORCSS1" +
                                      Bytes({0, 0x30, 0x10}) +
                                      Le32(static_cast<uint32_t>(file.size() - 21)));
    EXPECT_EQ(file.substr(21, 24), "TPF0" + ShortString("TComQorCSS1") + ShortString("QorCSS1"));
    EXPECT_EQ(file.substr(file.size() - 2), Bytes({0, 0}));
}

TEST(ProjectWriter, EncodesNumbersAsTheFileFormatFixes)
{
    TComQorCSS1 s;
    s.TransitDuration = 1.0L;
    s.SlideshowInterval = 0;
    s.DemoWidth = 1200;
    s.ImageQuality = 80;
    s.ThumbTitleOffsetY = -5;
    s.ImageWidth = 100000;
    std::string file = WriteProjectStream(s);
    EXPECT_EQ(EntryValue(file, "TransitDuration", 11),
              Bytes({0x05, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
    EXPECT_FALSE(HasEntry(file, "SlideshowInterval"));
    EXPECT_EQ(EntryValue(file, "DemoWidth", 3), Bytes({0x03, 0xB0, 0x04}));
    EXPECT_EQ(EntryValue(file, "ImageQuality", 2), Bytes({0x02, 0x50}));
    EXPECT_EQ(EntryValue(file, "ThumbTitleOffsetY", 2), Bytes({0x02, 0xFB}));
    EXPECT_EQ(EntryValue(file, "ImageWidth", 5), Bytes({0x04, 0xA0, 0x86, 0x01, 0x00}));
}

TEST(ProjectWriter, WritesNamedColoursAsIdentifiersAndOthersAsIntegers)
{
    TComQorCSS1 s;
    s.StartColor = 0;
    s.EndColor = 0x00123456;
    std::string file = WriteProjectStream(s);
    EXPECT_EQ(EntryValue(file, "StartColor", 9), Bytes({0x07, 0x07}) + "clBlack");
    EXPECT_EQ(EntryValue(file, "EndColor", 5), Bytes({0x04, 0x56, 0x34, 0x12, 0x00}));
}

TEST(ProjectWriter, ChoosesTheStringEncodingByLength)
{
    TComQorCSS1 s;
    s.BackGroundColorHex = "FFFFFF";
    s.PageTitle = "海の写真";                        // UTF-8 longer than UTF-16: wide
    s.OutFolder = "/home/user/ギャラリー/output/today"; // mostly ASCII: UTF-8 string
    s.AttrLS = {std::string(300, 'a'), "", "写真"};
    std::string file = WriteProjectStream(s);
    EXPECT_EQ(EntryValue(file, "BackGroundColorHex", 8), Bytes({0x06, 0x06}) + "FFFFFF");
    EXPECT_EQ(EntryValue(file, "PageTitle", 13),
              Bytes({0x12, 4, 0, 0, 0, 0x77, 0x6D, 0x6E, 0x30, 0x99, 0x51, 0x1F, 0x77}));
    std::string folder = s.OutFolder;
    EXPECT_EQ(EntryValue(file, "OutFolder", 5 + folder.size()),
              Bytes({0x14}) + Le32(static_cast<uint32_t>(folder.size())) + folder);
    std::string list = EntryValue(file, "AttrLS.Strings", 1 + 5 + 300 + 5 + 9 + 1);
    EXPECT_EQ(list, Bytes({0x01, 0x0C}) + Le32(300) + std::string(300, 'a') +
                        Bytes({0x12, 0, 0, 0, 0}) +
                        Bytes({0x12, 2, 0, 0, 0, 0x99, 0x51, 0x1F, 0x77}) + Bytes({0x00}));
}

TEST(ProjectWriter, LeavesOutEmptyListsAndStrings)
{
    TComQorCSS1 s;
    s.OutFolder.clear();
    std::string file = WriteProjectStream(s);
    EXPECT_FALSE(HasEntry(file, "AttrLS.Strings"));
    EXPECT_FALSE(HasEntry(file, "Descriptions.Strings"));
    EXPECT_FALSE(HasEntry(file, "OutFolder"));
    EXPECT_FALSE(HasEntry(file, "OnMakeLIEntry"));
    EXPECT_TRUE(HasEntry(file, "ControllerType"));
}

TEST(ProjectWriter, WritesLeftAndTopOfTheProjectSettingsLast)
{
    std::string file = WriteProjectStream(TComQorCSS1::NewProjectSettings());
    std::string tail = ShortString("Left") + Bytes({0x03, 167, 0}) + ShortString("Top") +
                       Bytes({0x03, 0x5A, 0x02}) + Bytes({0, 0});
    EXPECT_EQ(file.substr(file.size() - tail.size()), tail);
    EXPECT_FALSE(HasEntry(WriteProjectStream(TComQorCSS1()), "Left"));
}

TEST(ProjectWriter, KeepsEntriesInDeclarationOrder)
{
    std::string file = WriteProjectStream(TComQorCSS1::NewProjectSettings());
    size_t last = 0;
    for (const TPublishedProp& prop : PublishedProps()) {
        size_t at = file.find(ShortString(prop.Name));
        if (at == std::string::npos) continue;
        EXPECT_GT(at, last) << prop.Name;
        last = at;
    }
}

// Every published property gets a value unlike its initial one, so a lost or crossed
// property shows up.
TComQorCSS1 EveryPropertyChanged()
{
    TComQorCSS1 s = TComQorCSS1::NewProjectSettings();
    int n = 1;
    for (const TPublishedProp& prop : PublishedProps()) {
        ++n;
        switch (prop.Kind) {
        case TPropKind::String: prop.Str(s) = "v" + std::to_string(n) + "値"; break;
        case TPropKind::Integer: prop.Int(s) = n * 1000 - 70000; break;
        case TPropKind::Colour: prop.Int(s) = 0x00102030 + n; break;
        case TPropKind::Extended: prop.Ext(s) = n + 0.1L; break;
        case TPropKind::Boolean: prop.Bool(s) = !prop.Bool(s); break;
        case TPropKind::Strings: prop.List(s) = {"a\x19" "b", "", std::to_string(n)}; break;
        }
    }
    return s;
}

TEST(ProjectStream, RoundTripGivesBackEveryPropertyAndTheSameBytes)
{
    TComQorCSS1 original = EveryPropertyChanged();
    std::string file = WriteProjectStream(original);
    TComQorCSS1 read;
    ReadProjectStream(file, read);
    for (const TPublishedProp& prop : PublishedProps()) {
        switch (prop.Kind) {
        case TPropKind::String: EXPECT_EQ(prop.Str(read), prop.Str(original)) << prop.Name; break;
        case TPropKind::Integer:
        case TPropKind::Colour: EXPECT_EQ(prop.Int(read), prop.Int(original)) << prop.Name; break;
        case TPropKind::Extended: EXPECT_EQ(prop.Ext(read), prop.Ext(original)) << prop.Name; break;
        case TPropKind::Boolean: EXPECT_EQ(prop.Bool(read), prop.Bool(original)) << prop.Name; break;
        case TPropKind::Strings: EXPECT_EQ(prop.List(read), prop.List(original)) << prop.Name; break;
        }
    }
    EXPECT_EQ(read.Left, 167);
    EXPECT_EQ(read.Top, 602);
    EXPECT_EQ(WriteProjectStream(read), file);
}

TEST(ProjectStream, FreshSettingsRoundTripWithoutLists)
{
    TComQorCSS1 fresh;
    std::string file = WriteProjectStream(fresh);
    TComQorCSS1 read;
    read.PageTitle = "changed";
    ReadProjectStream(file, read);
    EXPECT_EQ(WriteProjectStream(read), file);
}

TEST(ProjectStream, ExtendedValuesRoundTripExactly)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> any(-1e6, 1e6);
    for (int i = 0; i < 1000; ++i) {
        long double value = static_cast<long double>(any(random)) / 3.0L;
        EXPECT_EQ(DecodeExtended(EncodeExtended(value).data()), value);
    }
    for (long double value : {0.0L, -0.0L, 1.0L, 0.5L, 1e-4000L, 1e4000L})
        EXPECT_EQ(DecodeExtended(EncodeExtended(value).data()), value);
}

TEST(ProjectReader, KeepsPropertiesTheFileLacks)
{
    TComQorCSS1 s;
    s.PageTitle.clear(); // not written
    s.AttrLS.clear();
    std::string file = WriteProjectStream(s);
    TComQorCSS1 read;
    read.PageTitle = "kept";
    read.AttrLS = {"line"};
    ReadProjectStream(file, read);
    EXPECT_EQ(read.PageTitle, "kept");
    EXPECT_EQ(read.AttrLS, TStringList{"line"});
}

TEST(ProjectReader, AcceptsEveryValueEncodingOfItsType)
{
    std::string entries =
        ShortString("ImageWidth") + Bytes({0x03, 0x20, 0x03}) +            // int16 800
        ShortString("StartColor") + Bytes({0x07, 0x07}) + "clWhite" +       // identifier
        ShortString("EndColor") + Bytes({0x02, 0x05}) +                     // int8
        ShortString("TransitDuration") + Bytes({0x15, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}) + // 1.5
        ShortString("SlideshowInterval") + Bytes({0x13, 3, 0, 0, 0, 0, 0, 0, 0}) +     // int64
        ShortString("ProgressBar") + Bytes({0x07, 0x04}) + "True" +
        ShortString("ShowButton") + Bytes({0x07, 0x05}) + "False" +
        ShortString("PageTitle") + Bytes({0x06, 0x04, 0x8A, 0x43, 0x97, 0x6D}) + // Shift_JIS 海洋
        ShortString("HTML") + Bytes({0x0C}) + Le32(6) + "a.html" +
        ShortString("StyleSheet") + Bytes({0x14}) + Le32(7) + "\xE6\xB5\xB7.css" +
        ShortString("Name") + Bytes({0x06, 0x05}) + "Other" + ShortString("Tag") +
        Bytes({0x02, 0x09});
    TComQorCSS1 s;
    ReadProjectStream(HandMadeFile(entries), s);
    EXPECT_EQ(s.ImageWidth, 800);
    EXPECT_EQ(s.StartColor, 0x00FFFFFF);
    EXPECT_EQ(s.EndColor, 5);
    EXPECT_EQ(s.TransitDuration, 1.5L);
    EXPECT_EQ(s.SlideshowInterval, 3.0L);
    EXPECT_TRUE(s.ProgressBar);
    EXPECT_FALSE(s.ShowButton);
    EXPECT_EQ(s.PageTitle, "海洋");
    EXPECT_EQ(s.HTML, "a.html");
    EXPECT_EQ(s.StyleSheet, "海.css");
    EXPECT_EQ(s.Name, "Other");
    EXPECT_EQ(s.Tag, 9);
}

TEST(ProjectReader, ReadsThe32BitResourceForm)
{
    std::string file = WriteProjectStream(EveryPropertyChanged());
    std::string stream = file.substr(21);
    std::string empty = Bytes({0, 0, 0, 0, 0x20, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0}) +
                        std::string(16, '\0');
    std::string header = Le32(static_cast<uint32_t>(stream.size())) + Le32(48) +
                         Bytes({0xFF, 0xFF, 0x0A, 0x00}) + std::string(36, '\0');
    TComQorCSS1 read;
    ReadProjectStream(empty + header + stream, read);
    EXPECT_EQ(WriteProjectStream(read), file);
}

TEST(ProjectReader, ReportsErrorsWithTheirExactTexts)
{
    const std::string invalid = "ストリーム形式が無効です";
    EXPECT_EQ(ReadError(HandMadeFile("").substr(21)), invalid); // TPF0 without header
    EXPECT_EQ(ReadError(""), invalid);
    std::string badSignature = HandMadeFile("");
    badSignature[21] = 'X';
    EXPECT_EQ(ReadError(badSignature), invalid);
    EXPECT_EQ(ReadError(HandMadeFile(ShortString("Foo") + Bytes({0x02, 1}))),
              "QorCSS1.Foo の読み取り中のエラー : プロパティ Foo が存在しません");
    EXPECT_EQ(ReadError(HandMadeFile(ShortString("ImageWidth") + Bytes({0x06, 1, 'x'}))),
              "QorCSS1.ImageWidth の読み取り中のエラー : プロパティ値が無効です");
    EXPECT_EQ(ReadError(HandMadeFile(ShortString("StartColor") + Bytes({0x07, 3}) + "clX")),
              "QorCSS1.StartColor の読み取り中のエラー : プロパティ値が無効です");
    EXPECT_EQ(ReadError(HandMadeFile(ShortString("A.B.Foo") + Bytes({0x02, 1}))),
              "QorCSS1.A.B.Foo の読み取り中のエラー : プロパティ Foo が存在しません");
}

TEST(ProjectReader, AppliesEntriesBeforeAnError)
{
    TComQorCSS1 s;
    std::string file = HandMadeFile(ShortString("ImageWidth") + Bytes({0x02, 42}) +
                                    ShortString("Foo") + Bytes({0x02, 1}) +
                                    ShortString("ImageHeight") + Bytes({0x02, 43}));
    EXPECT_THROW(ReadProjectStream(file, s), EProjectReadError);
    EXPECT_EQ(s.ImageWidth, 42);
    EXPECT_EQ(s.ImageHeight, 0);
}

TEST(ProjectReader, TruncatedFilesFailWithTheReadErrorAtEveryLength)
{
    std::string file = WriteProjectStream(EveryPropertyChanged());
    for (size_t length = 45; length < file.size(); ++length) {
        std::string error = ReadError(file.substr(0, length));
        EXPECT_EQ(error, "ストリームからの読み取りエラー") << "length " << length;
    }
}

TEST(ProjectReader, RefusesAbsurdLengthsAndEndlessLists)
{
    const std::string readError = "ストリームからの読み取りエラー";
    EXPECT_EQ(ReadError(HandMadeFile(ShortString("PageTitle") + Bytes({0x0C}) + Le32(0x80000000))),
              readError);
    EXPECT_EQ(ReadError(HandMadeFile(ShortString("PageTitle") + Bytes({0x12}) + Le32(0xFFFFFFFF))),
              readError);
    std::string endless = ShortString("AttrLS.Strings") + Bytes({0x01});
    for (int i = 0; i < 1000; ++i) endless += Bytes({0x06, 0x01, 'x'});
    std::string stream = HandMadeFile(endless);
    stream.resize(stream.size() - 2); // no null tag anywhere
    EXPECT_EQ(ReadError(stream), readError);
}

} // namespace
