// Selection, cursor, the current entry and the selection events of the picture list.
#include "imagelist/ImgLSTestSupport.h"

#include <gtest/gtest.h>

using namespace qor;
using qortest::SelectionOf;
using Flags = std::vector<bool>;

namespace {

class Selection : public ::testing::Test {
protected:
    void SetUp() override
    {
        List.AssignFileLS({"/p/a.jpg", "/p/b.jpg", "/p/c.jpg", "/p/d.jpg"});
        List.SetView(&View);
    }

    TCustomImgLS List;
    qortest::TRecordingView View;
};

} // namespace

TEST_F(Selection, SelectAllNotifiesForcedUnlessAskedNotTo)
{
    qortest::TEventLog log(List);
    List.SelectALL(true, true, false);
    List.SelectALL(true, false, false); // same count: still raised
    List.SelectALL(false, false, true);
    EXPECT_EQ(log.SelectionCounts, (std::vector<int>{4, 4}));
    EXPECT_EQ(View.Redraws, std::vector<TThumbLoading>{TThumbLoading::DrawingTime});
    EXPECT_EQ(List.CountSelected(), 0);
}

TEST_F(Selection, UnforcedChangeIsRaisedOnlyWhenTheCountChanged)
{
    qortest::TEventLog log(List);
    List.ChangeSelection(false); // 0 as before
    List.IdToPInfo(1)->Selected = true;
    List.ChangeSelection(false);
    List.ChangeSelection(false);
    List.IdToPInfo(1)->Selected = false;
    List.IdToPInfo(2)->Selected = true; // another entry, same count
    List.ChangeSelection(false);
    List.ChangeSelection(true);
    EXPECT_EQ(log.SelectionCounts, (std::vector<int>{1, 1}));
}

TEST_F(Selection, SelectByIndexSelectsOnlyThatEntryWithoutEvents)
{
    List.SelectALL(true, false, true);
    qortest::TEventLog log(List);
    EXPECT_EQ(List.SelectByIndex(2), List.IdToPInfo(2));
    EXPECT_EQ(SelectionOf(List), (Flags{false, false, true, false}));
    EXPECT_EQ(List.SelectByIndex(4), nullptr);
    EXPECT_EQ(List.CountSelected(), 0);
    EXPECT_TRUE(log.SelectedIds.empty() && log.SelectionCounts.empty());
}

TEST_F(Selection, SelectRangeOrdersClampsAndAdds)
{
    List.IdToPInfo(0)->Selected = true;
    List.SelectRange(3, 2);
    EXPECT_EQ(SelectionOf(List), (Flags{true, false, true, true}));
    List.SelectALL(false, false, true);
    List.SelectRange(-5, 1);
    EXPECT_EQ(SelectionOf(List), (Flags{true, true, false, false}));
    List.SelectRange(2, 40);
    EXPECT_EQ(List.CountSelected(), 4);
}

TEST_F(Selection, ItemIndexWriteReportsTheEntryOrNone)
{
    qortest::TEventLog log(List);
    List.SetItemIndex(1);
    EXPECT_EQ(List.ItemIndex(), 1);
    EXPECT_EQ(List.FileName(), "/p/b.jpg");
    EXPECT_EQ(List.GetItemInfo(), List.IdToPInfo(1));
    List.SetItemIndex(9);
    EXPECT_EQ(List.ItemIndex(), -1);
    EXPECT_EQ(List.FileName(), "");
    EXPECT_EQ(List.GetItemInfo(), nullptr);
    EXPECT_EQ(log.SelectedIds, (std::vector<int>{1, -1}));
    EXPECT_EQ(log.SelectedEntries[1], nullptr);
    EXPECT_EQ(View.Redraws.back(), TThumbLoading::Background);
}

struct TPreNextCase {
    int Selected; // -1: nothing
    int Muki;
    int Expected;
};

TEST_F(Selection, SelectPreNextWrapsAround)
{
    const TPreNextCase cases[] = {{3, 1, 0},  {-1, -1, 3}, {0, -1, 3}, {1, 1, 2},
                                  {2, -1, 1}, {-1, 1, 0},  {2, 5, 0}};
    for (const TPreNextCase& c : cases) {
        List.SetItemIndex(c.Selected);
        List.SelectPreNext(c.Muki);
        EXPECT_EQ(List.ItemIndex(), c.Expected) << c.Selected << " " << c.Muki;
        EXPECT_EQ(List.CountSelected(), 1);
    }
}

TEST(SelectionEmpty, SelectPreNextOnEmptyListSelectsNothing)
{
    TCustomImgLS list;
    qortest::TEventLog log(list);
    list.SelectPreNext(1);
    list.SelectPreNext(-1);
    EXPECT_EQ(log.SelectedIds, (std::vector<int>{-1, -1}));
}

TEST_F(Selection, SelectCursorStartsAtTopAndKeepsOthers)
{
    qortest::TEventLog log(List);
    List.IdToPInfo(3)->Selected = true;
    List.SelectCursor();
    EXPECT_EQ(List.CursorId(), 0);
    EXPECT_EQ(SelectionOf(List), (Flags{true, false, false, true}));
    List.SetCursorId(2);
    EXPECT_EQ(List.PreCursorId(), 0);
    List.SelectCursor();
    EXPECT_EQ(List.GetCursorInfo(), List.IdToPInfo(2));
    EXPECT_EQ(log.SelectedIds, (std::vector<int>{0, 2}));
}

TEST_F(Selection, StaleCursorCountsAsNoCursor)
{
    List.SetCursorId(4);
    EXPECT_EQ(List.GetCursorInfo(), nullptr);
    List.SelectCursor();
    EXPECT_EQ(List.CursorId(), 0);
}

TEST_F(Selection, FileNameWriteSelectsThatEntryOnly)
{
    List.SelectALL(true, false, true);
    qortest::TEventLog log(List);
    List.SetFileName("/p/c.jpg");
    EXPECT_EQ(SelectionOf(List), (Flags{false, false, true, false}));
    EXPECT_EQ(List.FileName(), "/p/c.jpg");
    EXPECT_EQ(log.SelectionCounts, std::vector<int>{0}); // forced, before selecting
    EXPECT_EQ(log.SelectedIds, std::vector<int>{2});
    List.SetFileName("/p/C.jpg"); // names compare exactly
    EXPECT_EQ(List.FileName(), "");
    EXPECT_EQ(List.CountSelected(), 1);
    EXPECT_EQ(log.SelectedIds.size(), 1u);
}

TEST_F(Selection, ReportingAnUnselectedEntryReportsNone)
{
    qortest::TEventLog log(List);
    PThumbInfo thumbOwner = List.IdToPInfo(1);
    thumbOwner->bmp = qortest::PictureToken();
    std::shared_ptr<TBmpScan> seen;
    List.OnSelectThumb = [&](TCustomImgLS&, int, PThumbInfo&, const std::shared_ptr<TBmpScan>& b) {
        seen = b;
    };
    List.SelectThumb(thumbOwner);
    EXPECT_EQ(seen, nullptr);
    EXPECT_EQ(List.FileName(), "");
    thumbOwner->Selected = true;
    List.SelectThumb(thumbOwner);
    EXPECT_EQ(seen, thumbOwner->bmp);
    EXPECT_EQ(List.FileName(), "/p/b.jpg");
}

TEST_F(Selection, SideButtonReportsItsEntry)
{
    int index = -2;
    List.OnSelectButton = [&](TCustomImgLS&, int i, PThumbInfo& e,
                              const std::shared_ptr<TBmpScan>&) {
        index = i;
        EXPECT_EQ(e, List.IdToPInfo(3));
    };
    List.SelectButton(3);
    EXPECT_EQ(index, 3);
}

TEST_F(Selection, ClearResetsCountAndReportsNoEntryWhenAsked)
{
    List.SelectALL(true, false, false);
    qortest::TEventLog log(List);
    List.Clear(false, false);
    EXPECT_TRUE(log.SelectedIds.empty());
    List.ChangeSelection(false); // 0 selected, and the count was reset to 0
    EXPECT_TRUE(log.SelectionCounts.empty());
    List.Clear(true, true);
    EXPECT_EQ(log.SelectedIds, std::vector<int>{-1});
}
