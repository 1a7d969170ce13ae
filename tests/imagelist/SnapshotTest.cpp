// The selection snapshot through which the texts of several selected pictures are edited.
#include "imagelist/ImgLSTestSupport.h"

#include <gtest/gtest.h>

using namespace qor;

namespace {

class Snapshot : public ::testing::Test {
protected:
    void SetUp() override
    {
        List.AssignFileLS({"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"});
        List.SetView(&View);
        for (int i = 0; i < 3; ++i) {
            TUserInfo& u = List.IdToPInfo(i)->user;
            u = {{"same", "memo"}, "Title", "Topic", "http://u/", "_blank", {}};
        }
    }

    TUserInfo& User(int id) { return List.IdToPInfo(id)->user; }

    void SelectAll() { List.SelectALL(true, false, true); }

    TCustomImgLS List;
    qortest::TRecordingView View;
};

} // namespace

TEST_F(Snapshot, AllTextsEqualGiveFiveMatches)
{
    SelectAll();
    ASSERT_TRUE(List.CompareSelInfo());
    const TCompareInfo& info = List.CompareInfo();
    EXPECT_EQ(info.MatchCount, 5);
    EXPECT_EQ(info.Rep.Title, "Title");
    EXPECT_EQ(info.Rep.memoLS, (TStringList{"same", "memo"}));
    EXPECT_EQ(List.CountComparedInfo(), 3);
}

// Each text that differs in one entry is cleared in Rep and its flag falls; the others stay.
TEST_F(Snapshot, EachDifferingTextIsEmptiedAndCounted)
{
    struct TCase {
        void (*Change)(TUserInfo&);
        void (*Empty)(TUserInfo&);
        bool TCompareInfo::*Flag;
    };
    const TCase cases[] = {
        {[](TUserInfo& u) { u.memoLS.push_back(""); }, [](TUserInfo& u) { u.memoLS.clear(); },
         &TCompareInfo::chMemo},
        {[](TUserInfo& u) { u.Title = "title"; }, [](TUserInfo& u) { u.Title.clear(); },
         &TCompareInfo::chTitle},
        {[](TUserInfo& u) { u.Topic += " "; }, [](TUserInfo& u) { u.Topic.clear(); },
         &TCompareInfo::chTopic},
        {[](TUserInfo& u) { u.URL.clear(); }, [](TUserInfo& u) { u.URL.clear(); },
         &TCompareInfo::chURL},
        {[](TUserInfo& u) { u.Target = "_self"; }, [](TUserInfo& u) { u.Target.clear(); },
         &TCompareInfo::chTarget},
    };
    for (const TCase& c : cases) {
        SetUp();
        c.Change(User(2));
        SelectAll();
        ASSERT_TRUE(List.CompareSelInfo());
        const TCompareInfo& info = List.CompareInfo();
        EXPECT_EQ(info.MatchCount, 4);
        EXPECT_FALSE(info.*c.Flag);
        EXPECT_EQ(info.chMemo + info.chTitle + info.chTopic + info.chURL + info.chTarget, 4);
        TUserInfo expected = User(0);
        c.Empty(expected);
        EXPECT_EQ(info.Rep.memoLS, expected.memoLS);
        EXPECT_EQ(info.Rep.Title, expected.Title);
        EXPECT_EQ(info.Rep.Topic, expected.Topic);
        EXPECT_EQ(info.Rep.URL, expected.URL);
        EXPECT_EQ(info.Rep.Target, expected.Target);
    }
}

TEST_F(Snapshot, NothingInCommonOrNothingSelectedGivesFalse)
{
    EXPECT_FALSE(List.CompareSelInfo());
    EXPECT_EQ(List.CountComparedInfo(), 0);
    User(1) = {{"x"}, "x", "x", "x", "x", {}};
    List.IdToPInfo(0)->Selected = List.IdToPInfo(1)->Selected = true;
    EXPECT_FALSE(List.CompareSelInfo());
    EXPECT_EQ(List.CompareInfo().MatchCount, 0);
    EXPECT_EQ(List.CountComparedInfo(), 2);
    EXPECT_EQ(List.CompareInfo().Rep.Title, "");
    EXPECT_TRUE(List.CompareInfo().Rep.memoLS.empty());
}

TEST_F(Snapshot, LeavingADifferingTitleEmptyKeepsBothTypingSetsBoth)
{
    User(0).Title = "first";
    User(1).Title = "second";
    List.IdToPInfo(0)->Selected = List.IdToPInfo(1)->Selected = true;
    ASSERT_TRUE(List.CompareSelInfo());
    TCompareInfo& info = List.CompareInfo();
    EXPECT_EQ(info.Rep.Title, "");
    // The window's commit: fields still equal to Rep are kept.
    info.altMemo = info.altTitle = info.altTopic = info.altURL = info.altTarget = true;
    List.CopyToSelInfo();
    EXPECT_EQ(User(0).Title, "first");
    EXPECT_EQ(User(1).Title, "second");

    info.altTitle = false;
    info.Rep.Title = "typed";
    info.altMemo = false;
    info.Rep.memoLS = {"new", ""};
    List.CopyToSelInfo();
    EXPECT_EQ(User(0).Title, "typed");
    EXPECT_EQ(User(1).Title, "typed");
    EXPECT_EQ(User(1).memoLS, (TStringList{"new", ""}));
    EXPECT_EQ(User(2).Title, "Title"); // not in the snapshot
    EXPECT_EQ(User(0).URL, "http://u/");
}

TEST_F(Snapshot, SnapshotKeepsListOrderAndClears)
{
    List.IdToPInfo(2)->Selected = List.IdToPInfo(0)->Selected = true;
    List.CompareSelInfo();
    ASSERT_EQ(List.CountComparedInfo(), 2);
    EXPECT_EQ(List.CompareInfo().SelLS[0], List.IdToPInfo(0));
    List.ClearComparedInfo();
    EXPECT_EQ(List.CountComparedInfo(), 0);
    EXPECT_TRUE(List.CompareInfo().Rep.memoLS.empty());
}

TEST_F(Snapshot, ComparedThumbIsACopyOfTheLastThumbnailWithCountOnlyForSeveral)
{
    EXPECT_EQ(List.GetComparedThumb(true), nullptr); // empty snapshot
    List.IdToPInfo(0)->bmp = qortest::PictureToken();
    List.IdToPInfo(1)->bmp = qortest::PictureToken();
    SelectAll();
    List.CompareSelInfo();
    std::shared_ptr<TBmpScan> copy = List.GetComparedThumb(true);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, List.IdToPInfo(1)->bmp);
    EXPECT_EQ(View.CopiedFrom, List.IdToPInfo(1)->bmp.get()); // c has none
    EXPECT_EQ(View.DrawnCount, 3);
    List.GetComparedThumb(false);
    EXPECT_EQ(View.DrawnCount, 0);

    List.SelectByIndex(0);
    List.CompareSelInfo();
    List.GetComparedThumb(true);
    EXPECT_EQ(View.DrawnCount, 0); // one entry: a plain copy
}

TEST_F(Snapshot, NoThumbnailGivesNone)
{
    SelectAll();
    List.CompareSelInfo();
    EXPECT_EQ(List.GetComparedThumb(true), nullptr);
    EXPECT_EQ(View.CopiedFrom, nullptr);
}

TEST_F(Snapshot, ClearEmptiesTheSnapshotAndReleasesItsEntries)
{
    SelectAll();
    List.CompareSelInfo();
    std::weak_ptr<TThumbInfo> watched = List.IdToPInfo(0);
    List.Clear(false, false);
    EXPECT_EQ(List.CountComparedInfo(), 0);
    EXPECT_TRUE(watched.expired());
}
