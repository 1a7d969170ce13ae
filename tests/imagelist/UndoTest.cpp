// Inserting, deleting and moving entries, the one-step undo that can be redone, and how
// long entries live.
#include "imagelist/ImgLSTestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace qor;
using qortest::Names;
using qortest::SelectionOf;
using Strings = std::vector<std::string>;

namespace {

// A list of entries named a.jpg, b.jpg, ... (the files need not exist).
void Fill(TCustomImgLS& list, int count)
{
    TStringList names;
    for (int i = 0; i < count; ++i)
        names.push_back(std::string(1, char('a' + i)) + ".jpg");
    list.AssignFileLS(names);
}

void Select(TCustomImgLS& list, std::initializer_list<int> ids)
{
    list.SelectALL(false, false, true);
    for (int id : ids)
        list.IdToPInfo(id)->Selected = true;
}

std::vector<std::weak_ptr<TThumbInfo>> Watch(const TThumbList& entries)
{
    return {entries.begin(), entries.end()};
}

bool AllAlive(const std::vector<std::weak_ptr<TThumbInfo>>& watched)
{
    return std::none_of(watched.begin(), watched.end(), [](auto& w) { return w.expired(); });
}

bool AllFreed(const std::vector<std::weak_ptr<TThumbInfo>>& watched)
{
    return std::all_of(watched.begin(), watched.end(), [](auto& w) { return w.expired(); });
}

} // namespace

TEST(InsertFiles, IntoEmptyListInGivenOrder)
{
    TCustomImgLS list;
    EXPECT_EQ(list.MergeFiles({"/c.jpg", "/a.jpg", "/b.jpg"}, "", -1), 3);
    EXPECT_EQ(Names(list), (Strings{"c.jpg", "a.jpg", "b.jpg"}));
    EXPECT_EQ(list.IdToPInfo(1)->user.Title, "a");
    EXPECT_EQ(list.UndoStore().Kind(), TNTUndo::cundoMerge);
}

TEST(InsertFiles, BeforeTheCursorEntryAndOnlyNewOnesSelected)
{
    TCustomImgLS list;
    Fill(list, 5);
    Select(list, {0, 4});
    list.SetCursorId(2);
    qortest::TEventLog log(list);
    list.MergeFiles({"/x.jpg", "/y.jpg", "/z.jpg"}, "", -1);
    EXPECT_EQ(Names(list),
              (Strings{"a.jpg", "b.jpg", "x.jpg", "y.jpg", "z.jpg", "c.jpg", "d.jpg", "e.jpg"}));
    EXPECT_EQ(SelectionOf(list),
              (std::vector<bool>{false, false, true, true, true, false, false, false}));
    EXPECT_EQ(log.SelectionCounts, (std::vector<int>{0, 3})); // forced before and after
}

TEST(InsertFiles, PositionsOutsideTheListAppendAndStaleCursorMeansTop)
{
    TCustomImgLS list;
    Fill(list, 2);
    list.MergeFiles({"/end.jpg"}, "", 99);
    EXPECT_EQ(Names(list).back(), "end.jpg");
    list.SetCursorId(10); // stale: beyond the end counts as no cursor
    list.MergeFiles({"/top.jpg"}, "", -1);
    EXPECT_EQ(Names(list).front(), "top.jpg");
}

TEST(InsertFiles, EmptyFolderOrNoFilesChangeNothingUndoIncluded)
{
    qortest::TempDir dir;
    dir.Write("notes.txt", "x");
    TCustomImgLS list;
    Fill(list, 3);
    Select(list, {1});
    list.Delete();
    EXPECT_EQ(list.MergeFiles({"/ignored.jpg"}, dir.Path().string(), -1), 0);
    EXPECT_EQ(list.MergeFiles({}, "", -1), 0);
    EXPECT_EQ(Names(list), (Strings{"a.jpg", "c.jpg"}));
    EXPECT_EQ(list.UndoStore().Kind(), TNTUndo::cundoDel);
    list.Undo();
    EXPECT_EQ(Names(list), (Strings{"a.jpg", "b.jpg", "c.jpg"}));
}

TEST(InsertFiles, MissingFolderFallsBackToTheFiles)
{
    TCustomImgLS list;
    EXPECT_EQ(list.MergeFiles({"/f.jpg"}, "/no/such/folder", -1), 1);
    EXPECT_TRUE(list.IdToPInfo(0)->NotFound);
}

TEST(Delete, LastTwoOfFiveSelectsNewLastAndUndoRedoesAlternately)
{
    TCustomImgLS list;
    Fill(list, 5);
    Select(list, {3, 4});
    qortest::TEventLog log(list);
    list.Delete();
    EXPECT_EQ(Names(list), (Strings{"a.jpg", "b.jpg", "c.jpg"}));
    EXPECT_EQ(SelectionOf(list), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(log.SelectedIds, std::vector<int>{2});
    EXPECT_EQ(log.SelectionCounts, std::vector<int>{1});
    EXPECT_EQ(list.FileName(), "c.jpg");
    EXPECT_TRUE(list.UndoStore().Used());

    list.Undo();
    EXPECT_EQ(Names(list), (Strings{"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"}));
    EXPECT_EQ(list.UndoStore().Kind(), TNTUndo::cundoCanRedo);
    EXPECT_FALSE(list.UndoStore().Used());
    list.Undo();
    EXPECT_EQ(Names(list), (Strings{"a.jpg", "b.jpg", "c.jpg"}));
    EXPECT_TRUE(list.UndoStore().Used());
    list.Undo();
    EXPECT_EQ(Names(list).size(), 5u);
    EXPECT_TRUE(list.CanUndo());
}

TEST(Delete, MiddleSelectionMakesTheFollowingEntryCurrent)
{
    TCustomImgLS list;
    Fill(list, 5);
    Select(list, {1, 3});
    list.Delete();
    EXPECT_EQ(Names(list), (Strings{"a.jpg", "c.jpg", "e.jpg"}));
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_EQ(list.UndoStore().UndoEntries().size(), 2u);
    EXPECT_EQ(list.UndoStore().UndoEntries()[0]->FileName, "d.jpg"); // last position first
}

TEST(Delete, EverythingOrNothingReportsNoCurrentEntry)
{
    for (bool all : {true, false}) {
        TCustomImgLS list;
        Fill(list, 2);
        list.SelectALL(all, false, true);
        qortest::TEventLog log(list);
        list.Delete();
        EXPECT_EQ(log.SelectedIds, std::vector<int>{-1});
        EXPECT_EQ(list.Count(), all ? 0 : 2);
        EXPECT_EQ(list.UndoStore().Kind(), TNTUndo::cundoDel);
    }
}

TEST(Undo, AfterInsertRemovesExactlyTheInsertedOnes)
{
    TCustomImgLS list;
    Fill(list, 3);
    list.MergeFiles({"/x.jpg", "/y.jpg"}, "", 1);
    auto inserted = Watch(list.UndoStore().UndoEntries());
    list.Undo();
    EXPECT_EQ(Names(list), (Strings{"a.jpg", "b.jpg", "c.jpg"}));
    EXPECT_TRUE(list.UndoStore().Used());
    list.Undo();
    EXPECT_EQ(Names(list), (Strings{"a.jpg", "x.jpg", "y.jpg", "b.jpg", "c.jpg"}));
    list.Undo();
    Select(list, {0});
    list.Delete(); // the inserted entries can no longer come back
    EXPECT_EQ(list.UndoStore().DeletedEntries().size(), 2u);
    EXPECT_TRUE(AllAlive(inserted));
    list.Undo();
    EXPECT_EQ(Names(list), (Strings{"a.jpg", "b.jpg", "c.jpg"}));
    list.Clear(false, false);
    EXPECT_TRUE(AllFreed(inserted));
}

TEST(Undo, EventsScrollBackAndKeepSelection)
{
    TCustomImgLS list;
    qortest::TRecordingView view;
    list.SetView(&view);
    Fill(list, 4);
    list.Position = 120;
    Select(list, {0});
    list.Delete();
    list.Position = 0;
    Select(list, {1, 2});
    qortest::TEventLog log(list);
    view.Redraws.clear();
    list.Undo();
    EXPECT_EQ(list.Position, 120);
    EXPECT_EQ(view.Redraws, std::vector<TThumbLoading>{TThumbLoading::DrawingTime});
    // The entry brought back keeps the selection it had when it was deleted.
    EXPECT_EQ(log.SelectionCounts, std::vector<int>{3});
    EXPECT_EQ(SelectionOf(list), (std::vector<bool>{true, false, true, true}));
}

TEST(Undo, NothingToUndoDoesNothing)
{
    TCustomImgLS list;
    Fill(list, 2);
    qortest::TEventLog log(list);
    EXPECT_FALSE(list.CanUndo());
    list.Undo();
    EXPECT_TRUE(log.SelectionCounts.empty());
    EXPECT_FALSE(list.CanUndo());
}

TEST(Undo, AfterSortRestoresTheOrderOfTheLastUndoableOperation)
{
    TCustomImgLS list;
    list.AssignFileLS({"/b.jpg", "/c.jpg", "/a.jpg"});
    Select(list, {1});
    list.MoveSelected(0);
    EXPECT_EQ(Names(list), (Strings{"c.jpg", "b.jpg", "a.jpg"}));
    list.SortKey = TILMSort::ilmName;
    list.Sort(true);
    EXPECT_EQ(list.UndoStore().Kind(), TNTUndo::cundoMove);
    list.Undo();
    EXPECT_EQ(Names(list), (Strings{"b.jpg", "c.jpg", "a.jpg"}));
}

TEST(MoveSelected, KeepsRelativeOrderBeforeTargetOrAtEnd)
{
    TCustomImgLS list;
    Fill(list, 5);
    Select(list, {1, 3});
    list.MoveSelected(0);
    EXPECT_EQ(Names(list), (Strings{"b.jpg", "d.jpg", "a.jpg", "c.jpg", "e.jpg"}));
    list.MoveSelected(list.Count());
    EXPECT_EQ(Names(list), (Strings{"a.jpg", "c.jpg", "e.jpg", "b.jpg", "d.jpg"}));
    list.MoveSelected(2);
    EXPECT_EQ(Names(list), (Strings{"a.jpg", "c.jpg", "b.jpg", "d.jpg", "e.jpg"}));
    list.Undo();
    EXPECT_EQ(Names(list), (Strings{"a.jpg", "c.jpg", "e.jpg", "b.jpg", "d.jpg"}));
}

TEST(MoveSelected, OntoASelectedEntryChangesNothingAndRecordsNoUndo)
{
    TCustomImgLS list;
    Fill(list, 4);
    Select(list, {2});
    list.Delete();
    Select(list, {0, 2});
    list.MoveSelected(2);
    EXPECT_EQ(Names(list), (Strings{"a.jpg", "b.jpg", "d.jpg"}));
    EXPECT_EQ(list.UndoStore().Kind(), TNTUndo::cundoDel);
}

TEST(EntryLifetime, DeletedEntriesLiveUntilTheyCanNoLongerComeBackAndTheListClears)
{
    TCustomImgLS list;
    Fill(list, 4);
    Select(list, {0, 1});
    auto deleted = Watch({list.IdToPInfo(0), list.IdToPInfo(1)});
    list.Delete();
    EXPECT_TRUE(AllAlive(deleted));
    Select(list, {0});
    list.MoveSelected(2); // starts a new undoable operation
    EXPECT_EQ(list.UndoStore().DeletedEntries().size(), 2u);
    EXPECT_TRUE(AllAlive(deleted));
    list.Clear(true, true);
    EXPECT_TRUE(AllFreed(deleted));
}

TEST(EntryLifetime, EntriesRestoredByUndoAreNotGivenUp)
{
    TCustomImgLS list;
    Fill(list, 3);
    Select(list, {0});
    list.Delete();
    list.Undo();
    Select(list, {2});
    list.Delete();
    EXPECT_TRUE(list.UndoStore().DeletedEntries().empty());
    EXPECT_EQ(list.Count(), 2);
}

TEST(EntryLifetime, AHeldEntryOutlivesTheList)
{
    PThumbInfo held;
    {
        TCustomImgLS list;
        Fill(list, 2);
        held = list.IdToPInfo(1); // as a running build holds it
    }
    EXPECT_EQ(held->FileName, "b.jpg");
    EXPECT_EQ(held.use_count(), 1);
}

// Random edits: two undos in a row give back the order before them, entries given up are
// never in the list, and clearing frees every entry ever made.
TEST(UndoProperty, RandomEditsKeepUndoAnInvolutionAndFreeEverything)
{
    std::mt19937 random(20240613);
    std::vector<std::weak_ptr<TThumbInfo>> made;
    TCustomImgLS list;
    Fill(list, 8);
    for (const PThumbInfo& e : list.Entries())
        made.push_back(e);
    for (int step = 0; step < 400; ++step) {
        for (const PThumbInfo& e : list.Entries())
            e->Selected = random() % 3 == 0;
        switch (random() % 5) {
        case 0:
            list.MergeFiles({"/n" + std::to_string(step) + ".jpg"}, "", int(random() % 12) - 1);
            made.push_back(list.UndoStore().UndoEntries().back());
            break;
        case 1:
            list.Delete();
            break;
        case 2:
            list.MoveSelected(int(random() % (list.Count() + 1)));
            break;
        case 3: {
            TThumbList before = list.Entries();
            list.Undo();
            list.Undo();
            EXPECT_EQ(list.Entries(), before) << step;
            break;
        }
        default:
            list.Undo();
        }
        for (const PThumbInfo& given : list.UndoStore().DeletedEntries())
            EXPECT_EQ(list.PInfoToId(given.get()), -1) << step;
    }
    list.Clear(false, false);
    EXPECT_TRUE(AllFreed(made));
}
