#include "app/window/SpanCompare.h"

#include <gtest/gtest.h>

using namespace qor;

namespace {

PThumbInfo Entry(const std::string& title, TStringList memo)
{
    auto entry = std::make_shared<TThumbInfo>();
    entry->Selected = true;
    entry->user.Title = title;
    entry->user.memoLS = std::move(memo);
    entry->user.Target = "_blank";
    return entry;
}

} // namespace

TEST(SpanCompare, MemoTextAndLinesRoundTrip)
{
    const TStringList cases[] = {{}, {"one"}, {"one", "", "three"}, {""}};
    for (const TStringList& lines : cases) {
        if (lines == TStringList{""}) continue; // a lone empty line is an empty text
        EXPECT_EQ(MemoLines(MemoText(lines)), lines);
    }
    EXPECT_EQ(MemoText({"a", "b"}), "a\nb");
    EXPECT_TRUE(MemoLines("").empty());
}

TEST(SpanCompare, OnlyTheTextTheUserTypedReplacesEachEntrysOwn)
{
    TThumbList list = {Entry("A", {"blue"}), Entry("B", {"red", "calm"})};
    TCompareInfo info;
    CompareSelInfo(info, list);
    EXPECT_EQ(info.Rep.Title, "");
    EXPECT_FALSE(Agreement(info).Title);
    EXPECT_FALSE(Agreement(info).Memo);
    EXPECT_TRUE(Agreement(info).Target);

    TUserInfo edited = info.Rep;
    edited.Title = "Sea";
    EXPECT_TRUE(TakeEditedTexts(info, edited));
    CopyToSelInfo(info);
    EXPECT_EQ(list[0]->user.Title, "Sea");
    EXPECT_EQ(list[1]->user.Title, "Sea");
    EXPECT_EQ(list[0]->user.memoLS, TStringList{"blue"});
    EXPECT_EQ(list[1]->user.memoLS, (TStringList{"red", "calm"}));
}

TEST(SpanCompare, NothingTypedChangesNothing)
{
    TThumbList list = {Entry("A", {"x"}), Entry("A", {"x"})};
    TCompareInfo info;
    CompareSelInfo(info, list);
    EXPECT_TRUE(Agreement(info).All());
    EXPECT_FALSE(TakeEditedTexts(info, info.Rep));
}
