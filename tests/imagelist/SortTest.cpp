// Sorting the picture list by each of its keys, in both directions.
#include "imagelist/ImgLSTestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace qor;
using Strings = std::vector<std::string>;

namespace {

// Entries whose every key orders them Apple, banana, Cherry (file order: banana, Cherry,
// Apple).
void FillKeyed(TCustomImgLS& list)
{
    list.AssignFileLS({"/z/banana.jpg", "/a/Cherry.jpg", "/m/Apple.jpg"});
    const std::string texts[] = {"banana", "Cherry", "Apple"};
    const int order[] = {2, 3, 1};
    for (int i = 0; i < 3; ++i) {
        TThumbInfo& e = *list.IdToPInfo(i);
        e.user.Title = texts[i];
        e.user.Topic = texts[i];
        e.Size = order[i] * 1000;
        e.Time = TDateTime(std::chrono::hours(order[i]));
        e.Updated = TDateTime(std::chrono::hours(50 + order[i]));
    }
}

std::string Folded(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return text;
}

std::vector<std::string> Titles(const TCustomImgLS& list)
{
    std::vector<std::string> titles;
    for (const PThumbInfo& e : list.Entries())
        titles.push_back(e->user.Title);
    return titles;
}

} // namespace

TEST(Sort, EveryKeyAscendingAndDescending)
{
    for (TILMSort key : {TILMSort::ilmName, TILMSort::ilmTitle, TILMSort::ilmTopic,
                         TILMSort::ilmSize, TILMSort::ilmDate, TILMSort::ilmUpdate}) {
        TCustomImgLS list;
        FillKeyed(list);
        list.SortKey = key;
        list.Sort(true);
        EXPECT_EQ(Titles(list), (Strings{"Apple", "banana", "Cherry"})) << int(key);
        list.Sort(false);
        EXPECT_EQ(Titles(list), (Strings{"Cherry", "banana", "Apple"})) << int(key);
    }
}

TEST(Sort, NoneLeavesTheOrderInBothDirections)
{
    for (bool ascend : {true, false}) {
        TCustomImgLS list;
        FillKeyed(list);
        list.Sort(ascend);
        EXPECT_EQ(Titles(list), (Strings{"banana", "Cherry", "Apple"}));
    }
}

TEST(Sort, ByNameUsesTheNameWithoutFolderAndStoresIt)
{
    TCustomImgLS list;
    FillKeyed(list);
    list.SortKey = TILMSort::ilmName;
    list.Sort(true);
    EXPECT_EQ(list.IdToPInfo(0)->CompareDt, "Apple.jpg");
    EXPECT_EQ(list.IdToPInfo(2)->FileName, "/a/Cherry.jpg"); // folder /a does not count
}

TEST(Sort, RedrawsWithThumbnailsMadeAtOnceAndLeavesUndoAlone)
{
    TCustomImgLS list;
    qortest::TRecordingView view;
    list.SetView(&view);
    FillKeyed(list);
    view.Redraws.clear();
    list.SortKey = TILMSort::ilmSize;
    list.Sort(true);
    EXPECT_EQ(view.Redraws, std::vector<TThumbLoading>{TThumbLoading::DrawingTime});
    EXPECT_FALSE(list.CanUndo());
}

// Any list sorted by title comes out ordered by the folded title, a permutation of the
// entries it had.
TEST(SortProperty, ResultIsAnOrderedPermutation)
{
    std::mt19937 random(7);
    const std::string letters = "aAbBzZ_1";
    for (int round = 0; round < 50; ++round) {
        TStringList names;
        for (int i = 0; i < 40; ++i)
            names.push_back("/f" + std::to_string(i) + ".jpg");
        TCustomImgLS list;
        list.AssignFileLS(names);
        for (const PThumbInfo& e : list.Entries())
            for (int n = random() % 4; n > 0; --n)
                e->user.Title += letters[random() % letters.size()];
        TThumbList before = list.Entries();
        list.SortKey = TILMSort::ilmTitle;
        bool ascend = round % 2 == 0;
        list.Sort(ascend);
        TThumbList after = list.Entries();
        for (size_t i = 1; i < after.size(); ++i) {
            std::string a = Folded(after[i - 1]->user.Title);
            std::string b = Folded(after[i]->user.Title);
            EXPECT_TRUE(ascend ? a <= b : a >= b) << a << " / " << b;
        }
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(before, after);
    }
}
