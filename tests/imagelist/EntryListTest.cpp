// Picture entries: new-entry values, file facts, titles from file names, addressing, and the
// plain file list.
#include "imagelist/ImgLSTestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>

using namespace qor;
using qortest::TempDir;

namespace {

TDateTime FromSeconds(int64_t seconds)
{
    return TDateTime(std::chrono::seconds(seconds));
}

TDateTime FromStatx(const statx_timestamp& t)
{
    return FromSeconds(t.tv_sec) +
           std::chrono::duration_cast<TDateTime::duration>(std::chrono::nanoseconds(t.tv_nsec));
}

void SetLastWrite(const std::filesystem::path& path, int64_t seconds)
{
    std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(FromSeconds(seconds)));
}

} // namespace

TEST(ThumbInfo, NewEntryValues)
{
    TCustomImgLS list;
    list.SideButtonStdIndex = 3;
    list.AssignFileLS({"/nowhere/x.jpg"});
    const TThumbInfo& e = *list.IdToPInfo(0);
    EXPECT_EQ(e.bmp, nullptr);
    EXPECT_EQ(e.Width, 0);
    EXPECT_FALSE(e.Selected);
    EXPECT_FALSE(e.InThread);
    EXPECT_EQ(e.btnId, 3);
    EXPECT_EQ(e.ExifAngle, 0);
    EXPECT_EQ(e.UserAngle, 0);
    EXPECT_EQ(e.CropRSV1, "crop");
    EXPECT_EQ(e.CropR, TRect());
    EXPECT_TRUE(e.user.memoLS.empty());
    EXPECT_EQ(e.user.URL + e.user.Target + e.user.Topic, "");
}

TEST(ThumbInfo, TitleIsTheNameBeforeItsLastDot)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/d/IMG_0001.JPG", "IMG_0001"}, {"/d/a.b.jpg", "a.b"}, {"/d/.jpg", ""},
        {"/d.x/noext", "noext"},         {"rel.png", "rel"},    {"/d/写真.jpeg", "写真"},
    };
    for (auto [path, title] : cases)
        EXPECT_EQ(TitleFromFileName(path), title) << path;
}

TEST(ThumbInfo, ExistingFileGivesItsTimesAndSize)
{
    TempDir dir;
    auto path = dir.Write("p.jpg", "12345");
    SetLastWrite(path, 1000000000);
    TDateTime before = std::chrono::system_clock::now() - std::chrono::seconds(5);
    TThumbInfo entry;
    entry.FileName = path.string();
    ReadFileFacts(entry);
    EXPECT_FALSE(entry.NotFound);
    EXPECT_EQ(entry.Size, 5);
    EXPECT_EQ(entry.Updated, FromSeconds(1000000000));
    // Creation is the birth time or, without one, the change time: both are now, never the
    // last-write time set into the past.
    EXPECT_GT(entry.Time, before);
}

TEST(ThumbInfo, CreationIsTheBirthTimeWhereKeptElseTheChangeTime)
{
    TempDir dir;
    auto path = dir.Write("p.jpg", "x");
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0); // the change time moves past the birth time
    struct statx info {};
    ASSERT_EQ(::statx(AT_FDCWD, path.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &info), 0);
    bool hasBirth = info.stx_mask & STATX_BTIME;
    TThumbInfo entry;
    entry.FileName = path.string();
    ReadFileFacts(entry);
    EXPECT_EQ(entry.Time, FromStatx(hasBirth ? info.stx_btime : info.stx_ctime));
    if (hasBirth) {
        EXPECT_NE(entry.Time, FromStatx(info.stx_ctime));
    }
}

TEST(ThumbInfo, MissingFileGivesNowSizeZeroAndNotFound)
{
    TThumbInfo entry;
    entry.FileName = "/no/such/file.jpg";
    entry.Size = 77;
    TDateTime before = std::chrono::system_clock::now();
    ReadFileFacts(entry);
    TDateTime after = std::chrono::system_clock::now();
    EXPECT_TRUE(entry.NotFound);
    EXPECT_EQ(entry.Size, 0);
    EXPECT_GE(entry.Time, before);
    EXPECT_LE(entry.Updated, after);
}

TEST(ThumbInfo, FileThatCannotBeOpenedKeepsItsFacts)
{
    TempDir dir;
    auto pipe = dir / "pipe.jpg";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    TThumbInfo entry;
    entry.FileName = pipe.string();
    entry.Size = 42;
    entry.Updated = FromSeconds(7);
    ReadFileFacts(entry); // must not wait for a writer
    EXPECT_FALSE(entry.NotFound);
    EXPECT_EQ(entry.Size, 42);
    EXPECT_EQ(entry.Updated, FromSeconds(7));
}

TEST(ImageListEntries, AddressingByPositionAndIdentity)
{
    TCustomImgLS list;
    list.AssignFileLS({"/a/1.jpg", "/a/2.jpg", "/a/1.jpg"});
    EXPECT_EQ(list.IdToPInfo(-1), nullptr);
    EXPECT_EQ(list.IdToPInfo(list.Count()), nullptr);
    EXPECT_EQ(list.GetFileName(3), "");
    EXPECT_EQ(list.GetFileName(1), "/a/2.jpg");
    EXPECT_EQ(list.FindFile("/a/1.jpg"), 0);
    EXPECT_EQ(list.FindFile("/A/1.jpg"), -1);
    PThumbInfo second = list.IdToPInfo(1);
    EXPECT_EQ(list.PInfoToId(second.get()), 1);
    second->Selected = true;
    list.Delete();
    EXPECT_EQ(list.PInfoToId(second.get()), -1);
    EXPECT_EQ(list.Items(), (TStringList{"/a/1.jpg", "/a/1.jpg"}));
}

TEST(ImageListEntries, SerialsRestartAfterClear)
{
    TCustomImgLS list;
    list.AssignFileLS({"a", "b"});
    list.MergeFiles({"c"}, "", -1);
    EXPECT_EQ(list.IdToPInfo(0)->pid, 3); // inserted at the top
    list.AssignFileLS({"d"});
    EXPECT_EQ(list.IdToPInfo(0)->pid, 1);
}

TEST(ImageListEntries, AssignRaisesShownAndStartsLoading)
{
    TCustomImgLS list;
    qortest::TRecordingView view;
    list.SetView(&view);
    qortest::TEventLog log(list);
    int shown = 0;
    list.OnAssignedItemsShown = [&](TCustomImgLS&) { ++shown; };
    list.AssignFileLS({"a"});
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(view.LoadingStarts, 1);
    EXPECT_EQ(view.StopRequests, 1); // the clear before filling stops the loaders
    EXPECT_EQ(log.SelectedIds, std::vector<int>{-1});
    list.LoadAttrLS({"b\x19"});
    EXPECT_EQ(shown, 2);
}

TEST(PlainFileList, WritesBomAndCrLf)
{
    TempDir dir;
    TCustomImgLS list;
    list.AssignFileLS({"/p/a.jpg", "/p/写真.png"});
    list.SaveToFile((dir / "list.txt").string());
    EXPECT_EQ(qortest::ReadAll(dir / "list.txt"), "\xEF\xBB\xBF/p/a.jpg\r\n/p/写真.png\r\n");
}

TEST(PlainFileList, ReadsBomAndLfOnlyLines)
{
    TempDir dir;
    auto file = dir.Write("list.txt", "\xEF\xBB\xBF/p/IMG_1.JPG\n/p/a.b.png\n/p/a.b.png");
    TCustomImgLS list;
    ASSERT_TRUE(list.LoadFromFile(file.string()));
    EXPECT_EQ(list.Items(), (TStringList{"/p/IMG_1.JPG", "/p/a.b.png", "/p/a.b.png"}));
    EXPECT_EQ(list.IdToPInfo(0)->user.Title, "IMG_1");
    EXPECT_EQ(list.IdToPInfo(2)->user.Title, "a.b");
}

TEST(PlainFileList, MissingFileChangesNothing)
{
    TCustomImgLS list;
    list.AssignFileLS({"/p/a.jpg", "/p/b.jpg"});
    list.IdToPInfo(0)->Selected = true;
    list.Delete();
    EXPECT_FALSE(list.LoadFromFile("/no/such/list.txt"));
    EXPECT_EQ(list.Items(), TStringList{"/p/b.jpg"});
    EXPECT_TRUE(list.CanUndo()); // not cleared
}

TEST(PlainFileList, RoundTripKeepsOrderAndDuplicates)
{
    TempDir dir;
    TCustomImgLS list;
    TStringList names = {"/z.jpg", "/a.txt", "/z.jpg", "/m m/ö.gif"};
    list.AssignFileLS(names);
    list.SaveToFile((dir / "l").string());
    TCustomImgLS back;
    ASSERT_TRUE(back.LoadFromFile((dir / "l").string()));
    EXPECT_EQ(back.Items(), names);
}
