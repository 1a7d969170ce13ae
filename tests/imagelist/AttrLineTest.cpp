// The attribute line that stores an entry in a project, written and read back.
#include "imagelist/AttrLine.h"
#include "imagelist/CustomImgLS.h"
#include "support/TempDir.h"
#include "util/XEComText.h"

#include <gtest/gtest.h>

using namespace qor;

namespace {

constexpr char S = '\x19';

std::string Line(const TStringList& items)
{
    std::string out;
    for (const std::string& item : items)
        out += item + S;
    return out;
}

// An attribute line of n items: path, settings, then the texts "t3", "t4", ...
TStringList NumberedItems(size_t n)
{
    TStringList items = {"/p/a.jpg", "3, 90,crop,1|2|3|4,r,r,r,r"};
    while (items.size() < n)
        items.push_back("t" + std::to_string(items.size() + 1));
    return items;
}

TThumbInfo Parsed(std::string_view line)
{
    TThumbInfo entry;
    ParseAttrLine(line, entry);
    return entry;
}

} // namespace

TEST(AttrLine, PlainEntryIsPathSettingsAndTwelveEmptyItems)
{
    TThumbInfo entry;
    entry.FileName = "/pics/IMG_0001.JPG";
    std::string expected =
        "/pics/IMG_0001.JPG" + std::string(1, S) + "0, 0,crop,0|0|0|0,r,r,r,r" + std::string(13, S);
    EXPECT_EQ(MakeAttrLine(entry), expected);
    TStringList items = SplitText(MakeAttrLine(entry), S);
    EXPECT_EQ(items.size(), 14u);
}

TEST(AttrLine, SettingsItemHasOneBlankAfterFirstComma)
{
    TThumbInfo entry;
    entry.FileName = "x";
    entry.btnId = 0;
    entry.UserAngle = 90;
    entry.CropR = {10, 20, 810, 620};
    EXPECT_EQ(SplitText(MakeAttrLine(entry), S)[1], "0, 90,crop,10|20|810|620,r,r,r,r");
    entry.btnId = -2;
    entry.CropR = {-1, 0, 5, 6};
    EXPECT_EQ(SplitText(MakeAttrLine(entry), S)[1], "-2, 90,crop,-1|0|5|6,r,r,r,r");
}

TEST(AttrLine, TextsGoInTheirItemsAndDescriptionLast)
{
    TThumbInfo entry;
    entry.FileName = "f";
    entry.user = {{"line 1", "line 2"}, "タイトル", "banner", "http://x/", "_blank", {}};
    TStringList items = SplitText(MakeAttrLine(entry), S);
    ASSERT_EQ(items.size(), 16u);
    EXPECT_EQ(items[2], "http://x/");
    EXPECT_EQ(items[3], "_blank");
    EXPECT_EQ(items[4], "banner");
    EXPECT_EQ(items[5], "タイトル");
    for (size_t i = 6; i < 14; ++i)
        EXPECT_EQ(items[i], "") << i;
    EXPECT_EQ(items[14], "line 1");
    EXPECT_EQ(items[15], "line 2");
}

// Every field that persists comes back; descriptions with empty lines keep them.
TEST(AttrLine, RoundTripRestoresEveryPersistedField)
{
    const std::vector<TStringList> descriptions = {
        {}, {""}, {"a", ""}, {"", "", "b"}, {"a", "", "c", ""}, {"日本語", "x|y,z"}};
    for (const TStringList& memo : descriptions) {
        TThumbInfo entry;
        entry.FileName = "/a b/ü.jpg";
        entry.btnId = 7;
        entry.UserAngle = 270;
        entry.CropRSV1 = "word";
        entry.CropR = {1, -2, 300, 400};
        entry.user = {memo, "T", "Top", "U", "_self", {}};
        TThumbInfo back = Parsed(MakeAttrLine(entry));
        EXPECT_EQ(back.FileName, entry.FileName);
        EXPECT_EQ(back.btnId, 7);
        EXPECT_EQ(back.UserAngle, 270);
        EXPECT_EQ(back.CropRSV1, "word");
        EXPECT_EQ(back.CropR, entry.CropR);
        EXPECT_EQ(back.user.Title, "T");
        EXPECT_EQ(back.user.Topic, "Top");
        EXPECT_EQ(back.user.URL, "U");
        EXPECT_EQ(back.user.Target, "_self");
        EXPECT_EQ(back.user.memoLS, memo);
    }
}

TEST(AttrLine, TwelveItemsOrFewerGiveOnlyTheFileName)
{
    for (size_t n = 1; n <= 12; ++n) {
        TThumbInfo entry = Parsed(Line(NumberedItems(n)));
        EXPECT_EQ(entry.FileName, "/p/a.jpg") << n;
        EXPECT_EQ(entry.btnId, 0) << n;
        EXPECT_EQ(entry.UserAngle, 0) << n;
        EXPECT_EQ(entry.user.Title, "") << n;
        EXPECT_EQ(entry.user.URL, "") << n;
    }
}

TEST(AttrLine, ThirteenOrFourteenItemsGiveTextsAndEmptyDescription)
{
    for (size_t n : {13u, 14u}) {
        TThumbInfo entry = Parsed(Line(NumberedItems(n)));
        EXPECT_EQ(entry.btnId, 3);
        EXPECT_EQ(entry.UserAngle, 90);
        EXPECT_EQ(entry.CropR, (TRect{1, 2, 3, 4}));
        EXPECT_EQ(entry.user.URL, "t3");
        EXPECT_EQ(entry.user.Target, "t4");
        EXPECT_EQ(entry.user.Topic, "t5");
        EXPECT_EQ(entry.user.Title, "t6");
        EXPECT_TRUE(entry.user.memoLS.empty());
    }
    EXPECT_EQ(Parsed(Line(NumberedItems(15))).user.memoLS, TStringList{"t15"});
}

TEST(AttrLine, ReservedItemsAreIgnored)
{
    TStringList items = NumberedItems(14);
    TThumbInfo entry = Parsed(Line(items));
    for (const std::string& rsv : entry.user.rsv)
        EXPECT_EQ(rsv, "");
}

TEST(AttrLine, TextAfterLastSeparatorIsAnItemOnlyWhenNotEmpty)
{
    std::string line = Line(NumberedItems(14)) + "tail";
    EXPECT_EQ(Parsed(line).user.memoLS, TStringList{"tail"});
    EXPECT_EQ(Parsed("/only/path").FileName, "/only/path");
}

struct TSettingsCase {
    std::string Item;
    int32_t BtnId;
    int32_t Angle;
    std::string Word;
    TRect Crop;
};

TEST(AttrLine, SettingsItemFallsBackPartByPart)
{
    const TSettingsCase cases[] = {
        {"3, 270,crop,5|6|7", 3, 270, "crop", {}},
        {"3, 270,crop,5|6|7|8", 3, 270, "crop", {5, 6, 7, 8}},
        {"x,   90,w,1|y|3|4,r", 0, 90, "w", {1, 0, 3, 4}},
        {"2, 90,crop", 0, 0, "crop", {}}, // three parts: the new entry's values
        {"", 0, 0, "crop", {}},
        {"-4,-90,,1|2|3|4|5", -4, -90, "", {1, 2, 3, 4}},
        {"5, 12z,crop,0|0|0|0,r,r,r,r", 5, 0, "crop", {}},
    };
    for (const TSettingsCase& c : cases) {
        TStringList items = NumberedItems(14);
        items[1] = c.Item;
        TThumbInfo entry = Parsed(Line(items));
        EXPECT_EQ(entry.btnId, c.BtnId) << c.Item;
        EXPECT_EQ(entry.UserAngle, c.Angle) << c.Item;
        EXPECT_EQ(entry.CropRSV1, c.Word) << c.Item;
        EXPECT_EQ(entry.CropR, c.Crop) << c.Item;
    }
}

TEST(AttrLine, ListSkipsEmptyLinesAndReadsTheOthers)
{
    qortest::TempDir dir;
    std::string present = dir.Write("here.jpg", "x").string();
    TCustomImgLS list;
    list.SideButtonStdIndex = 4;
    TStringList lines = {Line({present, "1, 0,crop,0|0|0|0,r,r,r,r", "", "", "", "Here", "", "", "",
                               "", "", "", "", ""}),
                         "", (dir / "gone.jpg").string() + S};
    list.LoadAttrLS(lines);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.IdToPInfo(0)->user.Title, "Here");
    EXPECT_FALSE(list.IdToPInfo(0)->NotFound);
    EXPECT_EQ(list.IdToPInfo(0)->Size, 1);
    EXPECT_TRUE(list.IdToPInfo(1)->NotFound);
    EXPECT_EQ(list.IdToPInfo(1)->btnId, 4);       // a short line keeps the list's default
    EXPECT_EQ(list.IdToPInfo(1)->user.Title, ""); // not derived from the name
    EXPECT_EQ(list.IdToPInfo(0)->pid, 1);
    EXPECT_EQ(list.IdToPInfo(1)->pid, 2);
}

TEST(AttrLine, ListRoundTripGivesTheSameLines)
{
    TCustomImgLS list;
    list.AssignFileLS({"/x/a.jpg", "/x/b.png", "/x/a.jpg"});
    list.IdToPInfo(1)->user.memoLS = {"one", "", "three", ""};
    list.IdToPInfo(2)->CropR = {1, 2, 3, 4};
    TStringList lines = list.GetAttrLS();
    TCustomImgLS other;
    other.LoadAttrLS(lines);
    EXPECT_EQ(other.GetAttrLS(), lines);
    EXPECT_EQ(other.Count(), 3);
}
