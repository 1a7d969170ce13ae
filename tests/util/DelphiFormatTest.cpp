#include "util/DelphiFormat.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

using qor::EFormatError;
using qor::Format;

struct TIntegerCase {
    const char* FormatText;
    long long Value;
    const char* Expected;
};

class FormatInteger : public testing::TestWithParam<TIntegerCase> {};

TEST_P(FormatInteger, WritesTheNumberAsTheOriginalDoes)
{
    const TIntegerCase& c = GetParam();
    EXPECT_EQ(Format(c.FormatText, {c.Value}), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    DelphiFormat, FormatInteger,
    testing::Values(TIntegerCase{"%d", 0, "0"}, TIntegerCase{"%d", -42, "-42"},
                    TIntegerCase{"%d", 2147483647, "2147483647"},
                    TIntegerCase{"%d", -2147483648LL, "-2147483648"},
                    TIntegerCase{"%d", std::numeric_limits<long long>::min(),
                                 "-9223372036854775808"},
                    TIntegerCase{"%3d", 7, "  7"}, TIntegerCase{"%3d", -7, " -7"},
                    TIntegerCase{"%3d", 1234, "1234"}, TIntegerCase{"%-3d|", 7, "7  |"},
                    TIntegerCase{"%03d", 7, "  7"}, // a leading zero is part of the width
                    TIntegerCase{"%.2d", 0, "00"}, TIntegerCase{"%.2d", 5, "05"},
                    TIntegerCase{"%.2d", 123, "123"}, TIntegerCase{"%.3d", -5, "-005"},
                    TIntegerCase{"%5.3d", -5, " -005"}, TIntegerCase{"%.2x", 10, "0A"},
                    TIntegerCase{"%.2x", 255, "FF"}, TIntegerCase{"%.2x", 0, "00"},
                    TIntegerCase{"%x", -1, "FFFFFFFF"}, TIntegerCase{"%X", 48879, "BEEF"},
                    TIntegerCase{"%u", -1, "4294967295"}, TIntegerCase{"%D", 3, "3"},
                    TIntegerCase{"img%d.jpg", 12, "img12.jpg"}, TIntegerCase{"_%d", 0, "_0"}));

TEST(DelphiFormat, CopiesTextAndPercentSigns)
{
    EXPECT_EQ(Format("", {}), "");
    EXPECT_EQ(Format("100%% 画像", {}), "100% 画像");
    EXPECT_EQ(Format("%s [ %s ]", {"QorikaHTML5ギャラリー", "旅行"}),
              "QorikaHTML5ギャラリー [ 旅行 ]");
}

TEST(DelphiFormat, FloatsHaveTwoDecimalsUnlessAPrecisionIsGiven)
{
    EXPECT_EQ(Format("Lap :%f秒", {1.5}), "Lap :1.50秒");
    EXPECT_EQ(Format("minscale:%1f,", {0.5}), "minscale:0.50,");
    EXPECT_EQ(Format("%2f", {1.0}), "1.00");
    EXPECT_EQ(Format("%f", {-0.25}), "-0.25");
    EXPECT_EQ(Format("%.3f", {2.0}), "2.000");
    EXPECT_EQ(Format("%.0f", {2.75}), "3");
    EXPECT_EQ(Format("%8.1f|", {3.14159}), "     3.1|");
    EXPECT_EQ(Format("%-6f|", {1.0}), "1.00  |");
    EXPECT_EQ(Format("%f", {1e20}), "100000000000000000000.00");
}

// The desktop program switches the process to the user's locale; numbers in style sheets
// and scripts must keep their point all the same.
TEST(DelphiFormat, FloatsKeepThePointWhateverTheLocale)
{
    qortest::TempDir dir;
    std::string command =
        "localedef -i de_DE -f UTF-8 " + (dir / "de_DE.UTF-8").string() + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) GTEST_SKIP() << "localedef cannot build de_DE";
    setenv("LOCPATH", dir.Path().c_str(), 1);
    std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), nullptr);
    char comma[16];
    std::snprintf(comma, sizeof comma, "%.2f", 0.5);
    std::string text = Format("%f", {0.5});
    std::setlocale(LC_NUMERIC, saved.c_str());
    unsetenv("LOCPATH");
    EXPECT_STREQ(comma, "0,50"); // the locale is in force
    EXPECT_EQ(text, "0.50");
}

TEST(DelphiFormat, NotANumberAndInfinitiesAreNamed)
{
    EXPECT_EQ(Format("%f", {std::numeric_limits<double>::quiet_NaN()}), "NAN");
    EXPECT_EQ(Format("%f", {std::numeric_limits<double>::infinity()}), "INF");
    EXPECT_EQ(Format("%5f", {-std::numeric_limits<double>::infinity()}), " -INF");
}

TEST(DelphiFormat, StringWidthAndPrecisionCountCharacters)
{
    EXPECT_EQ(Format("画像数:%3s   フォルダ:%s", {"12", "/p"}), "画像数: 12   フォルダ:/p");
    EXPECT_EQ(Format("[%4s]", {"画像"}), "[  画像]");
    EXPECT_EQ(Format("[%-4s]", {"画像"}), "[画像  ]");
    EXPECT_EQ(Format("%.2s", {"画像数"}), "画像");
    EXPECT_EQ(Format("%.5s", {"ab"}), "ab");
    EXPECT_EQ(Format("%.0s|", {"ab"}), "|");
}

TEST(DelphiFormat, IndexSelectsTheArgumentAndTheNextOnesFollowIt)
{
    EXPECT_EQ(Format("%1:s %0:s", {"a", "b"}), "b a");
    EXPECT_EQ(Format("%1:s %s %0:s %s", {"a", "b", "c"}), "b c a b");
    EXPECT_EQ(Format("%*:d", {1, 7}), "7");
}

TEST(DelphiFormat, StarTakesWidthAndPrecisionFromTheArguments)
{
    EXPECT_EQ(Format("%*d", {5, 42}), "   42");
    EXPECT_EQ(Format("%-*d|", {4, 42}), "42  |");
    EXPECT_EQ(Format("%*d|", {-4, 42}), "42  |");
    EXPECT_EQ(Format("%.*d", {4, 42}), "0042");
    EXPECT_EQ(Format("%*.*f", {7, 1, 2.25}), "    2.2");
    EXPECT_EQ(Format("%.*d", {-3, 42}), "42");
}

TEST(DelphiFormat, ExtraArgumentsAreIgnored)
{
    EXPECT_EQ(Format("%d", {1, 2, "x"}), "1");
}

struct TBadCase {
    const char* FormatText;
    std::vector<qor::TFormatArg> Args;
};

TEST(DelphiFormat, RejectsMissingOrMismatchedArguments)
{
    const TBadCase cases[] = {
        {"%d", {}},        {"%d %d", {1}},        {"%d", {"text"}},  {"%s", {1}},
        {"%f", {1}},       {"%d", {1.5}},         {"%x", {"ff"}},    {"%", {1}},
        {"%5", {1}},       {"%q", {1}},           {"%e", {1.0}},     {"%3:d", {1}},
        {"%*d", {"w", 1}}, {"%*d", {1000000, 1}}, {"%200000d", {1}}, {"%.*f", {9999999, 1.0}},
        {"%:d", {1}},
    };
    for (const TBadCase& c : cases) {
        std::string formatText = c.FormatText;
        try {
            switch (c.Args.size()) {
            case 0:
                Format(formatText, {});
                break;
            case 1:
                Format(formatText, {c.Args[0]});
                break;
            default:
                Format(formatText, {c.Args[0], c.Args[1]});
                break;
            }
            ADD_FAILURE() << formatText << " was accepted";
        } catch (const EFormatError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Format '" + formatText + "' invalid or incompatible with argument");
        }
    }
}

TEST(DelphiFormat, DecimalTextOfEveryIntegerReadsBack)
{
    for (long long v = -100000; v <= 100000; v += 37) {
        EXPECT_EQ(std::stoll(Format("%d", {v})), v);
        EXPECT_EQ(std::stoll(Format("%.8d", {v})), v);
        EXPECT_EQ(std::stoul(Format("%x", {v}), nullptr, 16), static_cast<uint32_t>(v));
    }
}

} // namespace
