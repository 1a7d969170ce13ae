// The history list of recent projects, its file, and the log and folder uses of the list.
#include "imagelist/MyListBox.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace qor;
using qortest::TempDir;

TEST(MyListBoxFields, SplitAtPuncCode)
{
    const std::pair<const char*, TStringList> cases[] = {
        {"a|b", {"a", "b"}},
        {"a|b|", {"a", "b"}},
        {"a||b", {"a", "", "b"}},
        {"", {}},
        {"|", {""}},
        {"|a", {"", "a"}},
        {"sample01_thumb|標準:サムネイル表示| ", {"sample01_thumb", "標準:サムネイル表示", " "}},
    };
    for (const auto& [item, fields] : cases) {
        TMyListBox box;
        box.SetItems({item});
        EXPECT_EQ(box.ParseItem(0), static_cast<int>(fields.size())) << item;
        EXPECT_EQ(box.Splitter(), fields) << item;
    }
}

TEST(MyListBoxFields, OtherPuncCodeAndMissingItem)
{
    TMyListBox box;
    box.PuncCode = "::";
    box.SetItems({"a::b:c::"});
    EXPECT_EQ(box.ParseItem(0), 2);
    EXPECT_EQ(box.Splitter(), (TStringList{"a", "b:c"}));
    EXPECT_EQ(box.ParseItem(1), 0);
    EXPECT_TRUE(box.Splitter().empty());
}

TEST(MyListBoxFields, ParseSelectItemWithNothingSelectedEmptiesSplitter)
{
    TMyListBox box;
    box.SetItems({"x|1", "y|2"});
    box.ParseItem(1);
    EXPECT_EQ(box.ParseSelectItem(), 0);
    EXPECT_TRUE(box.Splitter().empty());
    box.SetItemIndex(1);
    EXPECT_EQ(box.ParseSelectItem(), 2);
    EXPECT_EQ(box.Splitter()[0], "y");
}

TEST(History, NewestFirstAndOneItemPerProjectWhateverTheCase)
{
    TMyListBox box;
    box.AddHistory("/p/A.qor", {"3"});
    box.AddHistory("/p/B.qor", {"5"});
    box.AddHistory("/p/A.qor", {"4"});
    EXPECT_EQ(box.Items(), (TStringList{"/p/A.qor|4", "/p/B.qor|5"}));
    box.AddHistory("/P/a.QOR", {"6", "extra"});
    EXPECT_EQ(box.Items(), (TStringList{"/P/a.QOR|6|extra", "/p/B.qor|5"}));
    box.AddHistory("/p/none.qor", {});
    EXPECT_EQ(box.Items()[0], "/p/none.qor");
}

TEST(History, DelHistoryRemovesOnlyTheFirstMatchAndSkipsEmptyItems)
{
    TMyListBox box;
    box.SetItems({"", "/x/Ä.qor|1", "/X/ä.qor|2", "/X/Ä.QOR|3"});
    box.DelHistory("/x/Ä.qor"); // only ASCII letters fold: ä stays different
    EXPECT_EQ(box.Items(), (TStringList{"", "/X/ä.qor|2", "/X/Ä.QOR|3"}));
    box.DelHistory("");
    EXPECT_EQ(box.Count(), 3);
}

TEST(History, SelectionFollowsItsItemWhenOthersAreAddedOrRemoved)
{
    TMyListBox box;
    box.SetItems({"/a|1", "/b|2", "/c|3"});
    box.SetItemIndex(1);
    box.AddHistory("/d", {"4"});
    EXPECT_EQ(box.SelectItem(), "/b|2");
    box.DelHistory("/a");
    EXPECT_EQ(box.SelectItem(), "/b|2");
    box.DelHistory("/b");
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.SelectItem(), "");
}

TEST(History, ClearNonExistsKeepsExistingInOrder)
{
    TempDir dir;
    std::string a = dir.Write("a.qor", "x").string();
    std::string c = dir.Write("c.qor", "x").string();
    std::filesystem::create_directory(dir / "folder.qor");
    TMyListBox box;
    box.SetItems({a + "|1", (dir / "b.qor").string() + "|2", "", c + "|3",
                  (dir / "folder.qor").string() + "|4"});
    box.ClearNonExists();
    EXPECT_EQ(box.Items(), (TStringList{a + "|1", c + "|3"}));
}

TEST(History, SelectItemWriteMatchesWholeTextExactly)
{
    TMyListBox box;
    box.SetItems({"/a|1", "/b|2", "/b|2"});
    box.SetSelectItem("/b|2");
    EXPECT_EQ(box.ItemIndex(), 1);
    box.SetSelectItem("/b");
    EXPECT_EQ(box.ItemIndex(), -1);
    box.SetSelectItem("/A|1");
    EXPECT_EQ(box.ItemIndex(), -1);
}

class Rename : public ::testing::Test {
protected:
    TempDir Dir;
    std::string Old = Dir.Write("old.qor", "project").string();
    std::string New = (Dir / "new.qor").string();
    TMyListBox Box;
};

TEST_F(Rename, MovesTheFileAndKeepsTheCount)
{
    Box.SetItems({"/other|9", Old + "|12|dropped"});
    Box.SetItemIndex(1);
    EXPECT_TRUE(Box.RenameSelectItem(New));
    EXPECT_EQ(Box.SelectItem(), New + "|12");
    EXPECT_FALSE(std::filesystem::exists(Old));
    EXPECT_EQ(qortest::ReadAll(New), "project");
}

TEST_F(Rename, ExistingTargetChangesNothing)
{
    Dir.Write("new.qor", "someone else's");
    Box.SetItems({Old + "|12"});
    Box.SetItemIndex(0);
    EXPECT_FALSE(Box.RenameSelectItem(New));
    EXPECT_EQ(Box.SelectItem(), Old + "|12");
    EXPECT_EQ(qortest::ReadAll(Old), "project");
    EXPECT_EQ(qortest::ReadAll(New), "someone else's");
}

TEST_F(Rename, NoSelectionOneFieldOrMissingFileGiveFalse)
{
    Box.SetItems({Old, (Dir / "gone.qor").string() + "|3"});
    EXPECT_FALSE(Box.RenameSelectItem(New));
    Box.SetItemIndex(0);
    EXPECT_FALSE(Box.RenameSelectItem(New)); // no count field
    Box.SetItemIndex(1);
    EXPECT_FALSE(Box.RenameSelectItem(New));
    EXPECT_EQ(Box.Items()[1], (Dir / "gone.qor").string() + "|3");
    EXPECT_TRUE(std::filesystem::exists(Old));
    EXPECT_FALSE(std::filesystem::exists(New));
}

TEST(HistoryFile, WritesBomCrLfAndReadsBack)
{
    TempDir dir;
    std::string file = (dir / "history.cfg").string();
    TMyListBox box;
    box.SetItems({"/p/写真.qor|10", "/p/b.qor|2"});
    box.SaveToFile(file);
    EXPECT_EQ(qortest::ReadAll(file), "\xEF\xBB\xBF/p/写真.qor|10\r\n/p/b.qor|2\r\n");
    TMyListBox back;
    ASSERT_TRUE(back.LoadFromFile(file));
    EXPECT_EQ(back.Items(), box.Items());
    // Written through a temporary file: nothing else is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(HistoryFile, LfOnlyWithoutBomGivesOneItemPerLine)
{
    TempDir dir;
    auto file = dir.Write("history.cfg", "/a.qor|1\n/b.qor|2\n\n/c.qor|3");
    TMyListBox box;
    ASSERT_TRUE(box.LoadFromFile(file.string()));
    EXPECT_EQ(box.Items(), (TStringList{"/a.qor|1", "/b.qor|2", "", "/c.qor|3"}));
}

TEST(HistoryFile, MissingFileGivesEmptyHistory)
{
    TMyListBox box;
    box.SetItems({"/a|1"});
    EXPECT_FALSE(box.LoadFromFile("/no/such/history.cfg"));
    EXPECT_EQ(box.Count(), 0);
}

TEST(MyListBoxFolder, ListsPicturesDirectlyInTheFolder)
{
    TempDir dir;
    for (const char* name : {"a.JPG", "b.png", "c.txt", "sub/d.jpg", "e.qor"})
        dir.Write(name, "x");
    TMyListBox box;
    box.SetFolder(dir.Path().string());
    TStringList items = box.Items();
    std::sort(items.begin(), items.end());
    EXPECT_EQ(items, (TStringList{(dir / "a.JPG").string(), (dir / "b.png").string()}));
    box.SetFileExt({".qor"});
    box.SetFolder(dir.Path().string());
    EXPECT_EQ(box.Items(), TStringList{(dir / "e.qor").string()});
    box.SetFolder((dir / "missing").string());
    EXPECT_EQ(box.Count(), 0);
    EXPECT_EQ(box.Folder(), (dir / "missing").string());
}

TEST(MyListBoxLog, ShowLogAppendsFormattedLineAndSelectsIt)
{
    TMyListBox log;
    int changes = 0;
    log.OnChange = [&](TMyListBox&) { ++changes; };
    log.ShowLog("%s:FormCreate", {"FrmCrop"});
    log.ShowLog("IdleThreadDone %d %d", {0, 1});
    log.ShowLog("画像数:%3s", {"7"});
    EXPECT_EQ(log.Items(), (TStringList{"FrmCrop:FormCreate", "IdleThreadDone 0 1", "画像数:  7"}));
    EXPECT_EQ(log.ItemIndex(), 2);
    EXPECT_EQ(changes, 3);
    EXPECT_THROW(log.ShowLog("%d", {"text"}), EFormatError);
    EXPECT_EQ(log.Count(), 3);
}
