#include "gallery/RegexReplace.h"

#include <gtest/gtest.h>

namespace {

using namespace qor;

TEST(RegexReplace, WholeMatchReferenceRepeatsTheMatch)
{
    EXPECT_EQ(ReplaceAll("a .qo_x, .qo_y", "\\.qo", "#w1 $&"), "a #w1 .qo_x, #w1 .qo_y");
}

TEST(RegexReplace, EscapedDollarStaysLiteral)
{
    EXPECT_EQ(ReplaceAll("ab", "b", "$$&"), "a$&");
}

TEST(RegexReplace, MatchesAreCaseSensitiveAndDoNotOverlap)
{
    EXPECT_EQ(ReplaceAll("aaa AAA", "aa", "x"), "xa AAA");
}

TEST(RegexReplace, TextWithoutMatchComesBackUnchanged)
{
    std::string text(5000, 'z');
    EXPECT_EQ(ReplaceAll(text, "WrapWidth", "720px"), text);
    EXPECT_EQ(ReplaceAll("", "x", "y"), "");
}

TEST(RegexReplace, ResultLongerThanTextIsComplete)
{
    std::string text(3000, 'q');
    EXPECT_EQ(ReplaceAll(text, "q", "qq"), std::string(6000, 'q'));
}

TEST(RegexReplace, RefusedPatternThrowsEngineMessage)
{
    EXPECT_THROW(ReplaceAll("x", "(", "y"), ERegexError);
}

TEST(RegexReplace, LinesAreJoinedAndSplitAgain)
{
    TStringList lines = {"WrapWidth", "", "a WrapWidth b"};
    EXPECT_EQ(ReplaceAllInLines(lines, "WrapWidth", "720px"),
              (TStringList{"720px", "", "a 720px b"}));
}

} // namespace
