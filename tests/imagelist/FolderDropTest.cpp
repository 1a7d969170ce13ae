// Folder scans, the list made from a folder, and files and folders dropped from the desktop.
#include "imagelist/ImgLSTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace qor;
using qortest::Names;
using qortest::TempDir;
using Strings = std::vector<std::string>;

namespace {

std::vector<std::string> FileNames(const TStringList& paths)
{
    std::vector<std::string> names;
    for (const std::string& p : paths)
        names.push_back(std::filesystem::path(p).filename().string());
    return names;
}

// A picture folder: own files top.jpg, UP.JPG, skip.jpeg, note.txt; sub/inner.png;
// sub/deeper/deep.gif.
class PictureFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name :
             {"top.jpg", "UP.JPG", "skip.jpeg", "note.txt", "sub/inner.png", "sub/deeper/deep.gif"})
            Dir.Write(name, "x");
    }

    std::string Path(const std::string& name) const { return (Dir / name).string(); }

    static std::vector<std::string> Sorted(std::vector<std::string> names)
    {
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir Dir;
    TCustomImgLS List;
};

} // namespace

TEST_F(PictureFolder, ScanDepthDecidesHowManyLevelsAndSubfoldersComeFirst)
{
    EXPECT_TRUE(List.GetFileLS(Path(""), 0).empty());
    EXPECT_EQ(Sorted(FileNames(List.GetFileLS(Path(""), 1))), (Strings{"UP.JPG", "top.jpg"}));
    TStringList two = List.GetFileLS(Path(""), 2);
    ASSERT_EQ(two.size(), 3u);
    EXPECT_EQ(two[0], Path("sub/inner.png"));
    TStringList three = List.GetFileLS(Path(""), 3);
    EXPECT_EQ(FileNames(three)[0], "deep.gif");
    EXPECT_EQ(FileNames(three)[1], "inner.png");
}

TEST_F(PictureFolder, StarTakesEveryFile)
{
    List.FileExt = {"*"};
    EXPECT_EQ(List.GetFileLS(Path(""), 1).size(), 4u);
}

TEST_F(PictureFolder, FolderBecomesTheListWithTrailingSeparator)
{
    qortest::TEventLog log(List);
    List.SetFolder(Path("sub"));
    EXPECT_EQ(List.Folder(), Path("sub") + "/");
    EXPECT_EQ(Names(List), Strings{"inner.png"});
    EXPECT_EQ(List.IdToPInfo(0)->user.Title, "inner");
    List.FileSearchDepth = 2;
    List.SetFolder(Path("sub") + "/");
    EXPECT_EQ(Names(List), (Strings{"deep.gif", "inner.png"}));
    List.SetFolder("");
    EXPECT_EQ(List.Folder(), "");
    EXPECT_EQ(List.Count(), 0);
    EXPECT_EQ(log.SelectedIds.back(), -1);
}

TEST_F(PictureFolder, MissingFolderClearsTheList)
{
    List.AssignFileLS({"/a.jpg"});
    List.SetFolder(Path("nothing"));
    EXPECT_EQ(List.Count(), 0);
}

TEST_F(PictureFolder, ReloadListSeesNewFiles)
{
    List.SetFolder(Path("sub"));
    Dir.Write("sub/new.gif", "x");
    List.ReloadList();
    EXPECT_EQ(Sorted(Names(List)), (Strings{"inner.png", "new.gif"}));
}

TEST_F(PictureFolder, ReloadFolderUsesTheFirstEntryWhenFolderIsUnset)
{
    List.AssignFileLS({Path("sub/inner.png"), Path("top.jpg")});
    List.mReloadFolder();
    EXPECT_EQ(List.Folder(), Path("sub") + "/");
    EXPECT_EQ(Names(List), Strings{"inner.png"});
}

TEST_F(PictureFolder, MergeFolderInsertsItsPicturesAtThePosition)
{
    List.AssignFileLS({"/x/1.jpg", "/x/2.jpg"});
    EXPECT_EQ(List.MergeFiles({"/ignored.jpg"}, Path(""), 1), 2);
    std::vector<std::string> names = Names(List);
    EXPECT_EQ(names.front(), "1.jpg");
    EXPECT_EQ(names.back(), "2.jpg");
    EXPECT_EQ(Sorted({names[1], names[2]}), (Strings{"UP.JPG", "top.jpg"}));
}

TEST_F(PictureFolder, DropOfAFolderFirstAcceptsOnlyThatFolder)
{
    TStringList dropped = {Path("sub"), Path("top.jpg"), Path("UP.JPG")};
    EXPECT_EQ(AcceptedDropPaths(dropped, List.FileExt), TStringList{Path("sub")});
    EXPECT_EQ(AcceptedDropPaths({Path("top.jpg"), Path("sub"), Path("note.txt"), Path("UP.JPG"),
                                 Path("phone.HEIC"), Path("web.webp"), Path("a.Avif")},
                                List.FileExt),
              (TStringList{Path("top.jpg"), Path("UP.JPG"), Path("phone.HEIC"), Path("web.webp"),
                           Path("a.Avif")}));
}

TEST_F(PictureFolder, DropEventsSeeAllThenAcceptedPaths)
{
    TStringList dropped = {Path("note.txt"), Path("top.jpg")};
    TStringList seenExtra, seenFiles;
    List.OnDropExtra = [&](TCustomImgLS&, const TStringList& paths, TIMLDropToDo& toDo) {
        seenExtra = paths;
        EXPECT_EQ(toDo, TIMLDropToDo::tdpAdd);
    };
    List.OnDropFiles = [&](TCustomImgLS&, const TStringList& paths, TIMLDropToDo&) {
        seenFiles = paths;
    };
    List.AssignFileLS({"/x/1.jpg", "/x/2.jpg"});
    List.DropFiles(dropped, 1);
    EXPECT_EQ(seenExtra, dropped);
    EXPECT_EQ(seenFiles, TStringList{Path("top.jpg")});
    EXPECT_EQ(Names(List), (Strings{"1.jpg", "top.jpg", "2.jpg"}));
    EXPECT_EQ(List.UndoStore().Kind(), TNTUndo::cundoMerge);
}

TEST_F(PictureFolder, IgnoreFromEitherEventOrNothingAcceptedDoesNothing)
{
    int filesRaised = 0;
    List.OnDropFiles = [&](TCustomImgLS&, const TStringList&, TIMLDropToDo& toDo) {
        ++filesRaised;
        toDo = TIMLDropToDo::tdpIgnore;
    };
    List.DropFiles({Path("note.txt")}, 0);
    EXPECT_EQ(filesRaised, 0);
    List.DropFiles({Path("top.jpg")}, 0);
    EXPECT_EQ(filesRaised, 1);
    List.OnDropExtra = [](TCustomImgLS&, const TStringList&, TIMLDropToDo& toDo) {
        toDo = TIMLDropToDo::tdpIgnore; // a dropped project was opened instead
    };
    List.DropFiles({Path("top.jpg")}, 0);
    EXPECT_EQ(filesRaised, 1);
    EXPECT_EQ(List.Count(), 0);
    EXPECT_FALSE(List.CanUndo());
}

TEST_F(PictureFolder, DropAddOfAFolderInsertsItsScan)
{
    List.AssignFileLS({"/x/1.jpg"});
    List.DropFiles({Path("sub"), Path("top.jpg")}, 0);
    EXPECT_EQ(Names(List), (Strings{"inner.png", "1.jpg"}));
}

TEST_F(PictureFolder, DropReplaceMakesTheFolderOrTheFilesTheList)
{
    List.OnDropFiles = [](TCustomImgLS&, const TStringList&, TIMLDropToDo& toDo) {
        toDo = TIMLDropToDo::tdpReplace;
    };
    List.AssignFileLS({"/x/1.jpg"});
    List.DropFiles({Path("sub")}, 0);
    EXPECT_EQ(List.Folder(), Path("sub") + "/");
    EXPECT_EQ(Names(List), Strings{"inner.png"});
    List.DropFiles({Path("UP.JPG"), Path("top.jpg")}, 0);
    EXPECT_EQ(Names(List), (Strings{"UP.JPG", "top.jpg"}));
    EXPECT_FALSE(List.CanUndo());
}

TEST_F(PictureFolder, DropsAreRefusedWhenNotAccepted)
{
    bool raised = false;
    List.OnDropExtra = [&](TCustomImgLS&, const TStringList&, TIMLDropToDo&) { raised = true; };
    List.AcceptDrop = false;
    List.DropFiles({Path("top.jpg")}, 0);
    EXPECT_FALSE(raised);
    EXPECT_EQ(List.Count(), 0);
}

// Whatever order the file system lists a folder in, adding it by the button (MergeFiles), a
// drop or as the whole list gives its pictures in name order, case-insensitive first.
TEST(FolderOrder, EveryWayOfAddingAFolderTakesNameOrder)
{
    TempDir dir;
    for (const char* name :
         {"b.jpg", "C.png", "a2.bmp", "B.jpg", "a10.gif", "a.jpg", "z.jpg", "d.jpg"})
        dir.Write(name, "x");
    const Strings expected = {"a.jpg", "a10.gif", "a2.bmp", "B.jpg",
                              "b.jpg", "C.png",   "d.jpg",  "z.jpg"};
    TCustomImgLS merged, dropped, whole;
    merged.MergeFiles({}, dir.Path().string(), -1);
    dropped.DropFiles({dir.Path().string()}, 0);
    whole.SetFolder(dir.Path().string());
    for (const TCustomImgLS* list : {&merged, &dropped, &whole})
        EXPECT_EQ(Names(*list), expected);
}
