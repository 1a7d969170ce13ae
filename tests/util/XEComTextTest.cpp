#include "util/XEComText.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

namespace {

using namespace qor;

struct TSplitCase {
    const char* Text;
    TStringList Pieces;
};

class SplitTextCases : public testing::TestWithParam<TSplitCase> {};

TEST_P(SplitTextCases, CutsAtEverySeparatorWithoutAnEmptyLastPiece)
{
    const TSplitCase& c = GetParam();
    EXPECT_EQ(SplitText(c.Text, '|'), c.Pieces);
    TStringList list = {"left over"};
    EXPECT_EQ(SplitTextInto(c.Text, '|', list), static_cast<int>(c.Pieces.size()));
    EXPECT_EQ(list, c.Pieces);
}

INSTANTIATE_TEST_SUITE_P(XEComText, SplitTextCases,
                         testing::Values(TSplitCase{"", {}}, TSplitCase{"|", {""}},
                                         TSplitCase{"||", {"", ""}}, TSplitCase{"a", {"a"}},
                                         TSplitCase{"a||b", {"a", "", "b"}},
                                         TSplitCase{"a|b|", {"a", "b"}},
                                         TSplitCase{"|a", {"", "a"}},
                                         TSplitCase{"写真|旅行", {"写真", "旅行"}}));

TEST(XEComText, SplitFirstCutsAtTheFirstSeparatorOnly)
{
    std::string head, rest;
    SplitFirst("a|b|c", '|', head, rest);
    EXPECT_EQ(head, "a");
    EXPECT_EQ(rest, "b|c");
    SplitFirst("abc", '|', head, rest);
    EXPECT_EQ(head, "abc");
    EXPECT_EQ(rest, "");
    SplitFirst("|", '|', head, rest);
    EXPECT_EQ(head, "");
    EXPECT_EQ(rest, "");
}

TEST(XEComText, SplitFirstMayWriteIntoTheTextItReads)
{
    std::string head;
    std::string rest = "first|second|third";
    SplitFirst(rest, '|', head, rest);
    EXPECT_EQ(head, "first");
    EXPECT_EQ(rest, "second|third");
    std::string text = "one|two";
    std::string tail;
    SplitFirst(text, '|', text, tail);
    EXPECT_EQ(text, "one");
    EXPECT_EQ(tail, "two");
}

TEST(XEComText, UnitSepFollowsEveryItemTheLastIncluded)
{
    EXPECT_EQ(JoinUnitSep({"a", "", "b"}), "a\x19\x19"
                                           "b\x19");
    EXPECT_EQ(JoinUnitSep({}), "");
    TStringList list = {"x"};
    SplitUnitSep("a\x19\x19"
                 "b\x19",
                 list);
    EXPECT_EQ(list, (TStringList{"a", "", "b"}));
}

// Items without the separator survive a join and a split unchanged, as long as the last is
// not empty (an empty last item has no piece of its own).
TEST(XEComText, UnitSepJoinAndSplitRoundTrip)
{
    const std::string alphabet[] = {"", "a", "写真", "x|y", "\t", " "};
    for (const std::string& a : alphabet) {
        for (const std::string& b : alphabet) {
            for (const std::string& c : alphabet) {
                TStringList items = {a, b, c};
                if (c.empty()) continue;
                TStringList back;
                SplitUnitSep(JoinUnitSep(items), back);
                EXPECT_EQ(back, items);
            }
        }
    }
}

TEST(XEComText, TotalLengthCountsCharactersAsUtf16Units)
{
    EXPECT_EQ(TotalLength(nullptr), 0);
    TStringList empty;
    EXPECT_EQ(TotalLength(&empty), 0);
    TStringList items = {"abc", "", "写真", "\U0001F600"};
    EXPECT_EQ(TotalLength(&items), 3 + 0 + 2 + 2);
}

TEST(XEComText, SameStringsComparesCountAndEveryItemCaseSensitively)
{
    EXPECT_TRUE(SameStrings({}, {}));
    EXPECT_TRUE(SameStrings({"a", "b"}, {"a", "b"}));
    EXPECT_FALSE(SameStrings({"a", "b"}, {"a", "B"}));
    EXPECT_FALSE(SameStrings({"a"}, {"a", ""}));
    EXPECT_FALSE(SameStrings({"a", "b"}, {"b", "a"}));
}

TEST(XEComText, InsertStringsInsertsInsideTheListElseAppends)
{
    struct TCase {
        int Index;
        TStringList Expected;
    };
    const TCase cases[] = {
        {0, {"x", "y", "a", "b"}},  {1, {"a", "x", "y", "b"}},  {2, {"a", "b", "x", "y"}},
        {-1, {"a", "b", "x", "y"}}, {99, {"a", "b", "x", "y"}},
    };
    for (const TCase& c : cases) {
        TStringList dest = {"a", "b"};
        InsertStrings(dest, {"x", "y"}, c.Index);
        EXPECT_EQ(dest, c.Expected) << c.Index;
    }
}

TEST(XEComText, InsertStringsOfAListIntoItself)
{
    TStringList list = {"a", "b", "c"};
    InsertStrings(list, list, 1);
    EXPECT_EQ(list, (TStringList{"a", "a", "b", "c", "b", "c"}));
}

TEST(XEComText, BoolToTextWritesLowerCaseWords)
{
    EXPECT_EQ(BoolToText(true), "true");
    EXPECT_EQ(BoolToText(false), "false");
}

struct TIntCase {
    const char* Text;
    bool Valid;
    int32_t Value;
};

TEST(XEComText, StrToIntDefaultReadsIntegersOrGivesTheDefault)
{
    const TIntCase cases[] = {
        {"0", true, 0},
        {"42", true, 42},
        {"-42", true, -42},
        {"+7", true, 7},
        {"007", true, 7},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, std::numeric_limits<int32_t>::min()},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999999999999", false, 0},
        {"$1F", true, 31},
        {"0x1f", true, 31},
        {"-$10", true, -16},
        {"$FFFFFFFF", true, -1},
        {"$100000000", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"$", false, 0},
        {"12a", false, 0},
        {" 1", false, 0},
        {"1 ", false, 0},
        {"1.5", false, 0},
        {"１２", false, 0},
    };
    for (const TIntCase& c : cases) {
        EXPECT_EQ(StrToIntDefault(c.Text, -99), c.Valid ? c.Value : -99) << c.Text;
        int32_t value = 123;
        EXPECT_EQ(TryStrToInt(c.Text, value), c.Valid) << c.Text;
        EXPECT_EQ(value, c.Valid ? c.Value : 123) << c.Text; // untouched when invalid
    }
}

TEST(XEComText, DecimalTextOfEveryIntegerReadsBack)
{
    for (int64_t v = std::numeric_limits<int32_t>::min(); v <= std::numeric_limits<int32_t>::max();
         v += 65521 * 257) {
        EXPECT_EQ(StrToIntDefault(std::to_string(v), 0), v);
    }
}

TEST(XEComText, HexToIntReadsHexadecimalDigits)
{
    EXPECT_EQ(HexToInt("FF"), 255);
    EXPECT_EQ(HexToInt("ff"), 255);
    EXPECT_EQ(HexToInt("00ff00"), 0x00FF00);
    EXPECT_EQ(HexToInt("FFFFFFFF"), -1);
    EXPECT_THROW(HexToInt(""), std::invalid_argument);
    EXPECT_THROW(HexToInt("G1"), std::invalid_argument);
    EXPECT_THROW(HexToInt("-1"), std::invalid_argument);
    EXPECT_THROW(HexToInt("0x10"), std::invalid_argument);
    try {
        HexToInt("zz");
        ADD_FAILURE();
    } catch (const std::invalid_argument& e) {
        EXPECT_STREQ(e.what(), "'zz' is not a valid integer value");
    }
}

TEST(XEComText, StrToIntPairNeedsTwoIntegersFirst)
{
    int32_t a = -1, b = -1;
    EXPECT_TRUE(StrToIntPair("3|4", '|', a, b));
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 4);
    EXPECT_TRUE(StrToIntPair("5|6|x", '|', a, b));
    EXPECT_EQ(a, 5);
    EXPECT_EQ(b, 6);
    a = b = -1;
    EXPECT_FALSE(StrToIntPair("5", '|', a, b));
    EXPECT_FALSE(StrToIntPair("5|x", '|', a, b));
    EXPECT_FALSE(StrToIntPair("|5", '|', a, b));
    EXPECT_FALSE(StrToIntPair("", '|', a, b));
    EXPECT_EQ(a, -1);
    EXPECT_EQ(b, -1);
}

TEST(XEComText, RectangleTextRoundTrips)
{
    const TRect rects[] = {
        {0, 0, 0, 0},
        {10, 20, 30, 40},
        {-5, -6, 7, 8},
        {std::numeric_limits<int32_t>::min(), 0, std::numeric_limits<int32_t>::max(), 1}};
    for (const TRect& r : rects)
        EXPECT_EQ(StrToRect(RectToStr(r)), r);
    EXPECT_EQ(RectToStr({10, 20, 30, 40}), "10|20|30|40");
    EXPECT_EQ(RectToStr({-1, 0, 1, 2}), "-1|0|1|2");
}

TEST(XEComText, StrToRectNeedsFourPiecesAndReadsBadOnesAsZero)
{
    EXPECT_EQ(StrToRect("10|20|30"), (TRect{0, 0, 0, 0}));
    EXPECT_EQ(StrToRect("10|x|30|40"), (TRect{10, 0, 30, 40}));
    EXPECT_EQ(StrToRect(""), (TRect{0, 0, 0, 0}));
    EXPECT_EQ(StrToRect("1|2|3|4|5"), (TRect{1, 2, 3, 4}));
    EXPECT_EQ(StrToRect("1||3|4"), (TRect{1, 0, 3, 4}));
    EXPECT_EQ(StrToRect("1|2|3|4|"), (TRect{1, 2, 3, 4}));
}

} // namespace
