#include "util/FreedesktopTrash.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using qor::MoveToTrash;
using qor::TopFolderTrash;
using qortest::ReadAll;
using qortest::TempDir;

// A home of the test's own, with its trash inside the test folder.
class HomeTrash : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("HOME", (FDir / "home").c_str(), 1);
        setenv("XDG_DATA_HOME", (FDir / "data").c_str(), 1);
    }
    fs::path Trash() const { return FDir / "data/Trash"; }
    std::string Record(const std::string& name) const
    {
        return ReadAll(Trash() / "info" / (name + ".trashinfo"));
    }
    TempDir FDir;
};

mode_t ModeOf(const fs::path& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

TEST_F(HomeTrash, MovesTheItemAndWritesItsRestoreRecord)
{
    fs::path item = FDir.Write("photos/a b 写.jpg", "picture");
    ASSERT_TRUE(MoveToTrash(item));
    EXPECT_FALSE(fs::exists(item));
    EXPECT_EQ(ReadAll(Trash() / "files/a b 写.jpg"), "picture");
    std::string record = Record("a b 写.jpg");
    std::string path = "Path=" + FDir.Path().string() + "/photos/a%20b%20%E5%86%99.jpg";
    EXPECT_TRUE(record.starts_with("[Trash Info]\n" + path + "\nDeletionDate=")) << record;
    EXPECT_TRUE(std::regex_search(
        record, std::regex("\nDeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n$")))
        << record;
}

TEST_F(HomeTrash, TheTrashFoldersArePrivate)
{
    ASSERT_TRUE(MoveToTrash(FDir.Write("x", "")));
    EXPECT_EQ(ModeOf(Trash()), 0700u);
    EXPECT_EQ(ModeOf(Trash() / "files"), 0700u);
    EXPECT_EQ(ModeOf(Trash() / "info"), 0700u);
}

TEST_F(HomeTrash, ASecondItemOfTheSameNameGetsANameOfItsOwn)
{
    ASSERT_TRUE(MoveToTrash(FDir.Write("one/Ini", "first")));
    ASSERT_TRUE(MoveToTrash(FDir.Write("two/Ini", "second")));
    EXPECT_EQ(ReadAll(Trash() / "files/Ini"), "first");
    EXPECT_EQ(ReadAll(Trash() / "files/Ini.2"), "second");
    EXPECT_NE(Record("Ini.2").find("/two/Ini\n"), std::string::npos);
}

TEST_F(HomeTrash, ATrashedFileWithoutItsRecordIsNeverReplaced)
{
    FDir.Write("data/Trash/files/a.qor", "lost record");
    fs::create_directories(Trash() / "info");
    ASSERT_TRUE(MoveToTrash(FDir.Write("a.qor", "new")));
    EXPECT_EQ(ReadAll(Trash() / "files/a.qor"), "lost record");
    EXPECT_EQ(ReadAll(Trash() / "files/a.qor.2"), "new");
    EXPECT_FALSE(fs::exists(Trash() / "info/a.qor.trashinfo"));
}

TEST_F(HomeTrash, AFolderGoesWithEverythingInIt)
{
    FDir.Write("gallery/Ini/history.cfg", "h");
    FDir.Write("gallery/stdSetting.qor", "s");
    ASSERT_TRUE(MoveToTrash(FDir / "gallery"));
    EXPECT_EQ(ReadAll(Trash() / "files/gallery/Ini/history.cfg"), "h");
    EXPECT_EQ(ReadAll(Trash() / "files/gallery/stdSetting.qor"), "s");
}

TEST_F(HomeTrash, AMissingItemLeavesNoRecord)
{
    EXPECT_FALSE(MoveToTrash(FDir / "missing"));
    EXPECT_FALSE(fs::exists(Trash() / "info/missing.trashinfo"));
}

// An item on another file system goes to that file system's own trash, with a path relative
// to its top folder.
// The top folder of the file system holding path (where /dev/shm is no mount of its own, the
// top is that of /dev).
fs::path MountTop(const fs::path& path)
{
    struct stat here {};
    ::stat(path.c_str(), &here);
    fs::path top = path;
    for (fs::path up = top.parent_path(); up != top; up = top.parent_path()) {
        struct stat above {};
        if (::stat(up.c_str(), &above) != 0 || above.st_dev != here.st_dev) break;
        top = up;
    }
    return top;
}

TEST_F(HomeTrash, AnItemOnAnotherFileSystemGoesToThatFileSystemsTrash)
{
    struct stat shm {
    }, tmp{};
    if (::stat("/dev/shm", &shm) != 0 || ::stat(FDir.Path().c_str(), &tmp) != 0 ||
        shm.st_dev == tmp.st_dev || ::access("/dev/shm", W_OK) != 0)
        GTEST_SKIP() << "no second writable file system";
    std::string folder = "/dev/shm/qortest-XXXXXX";
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    fs::path top = MountTop(folder);
    fs::path topTrash = top / (".Trash-" + std::to_string(::getuid()));
    bool trashExisted = fs::exists(topTrash);
    fs::path item = fs::path(folder) / "pic.jpg";
    {
        std::ofstream(item) << "p";
    }
    std::string name = fs::path(folder).lexically_relative(top).string();
    bool moved = MoveToTrash(item);
    std::string record = moved ? ReadAll(topTrash / "info/pic.jpg.trashinfo") : "";
    std::string trashed = moved ? ReadAll(topTrash / "files/pic.jpg") : "";
    fs::remove_all(folder);
    fs::remove(topTrash / "info/pic.jpg.trashinfo");
    fs::remove(topTrash / "files/pic.jpg");
    if (!trashExisted) fs::remove_all(topTrash);
    ASSERT_TRUE(moved);
    EXPECT_EQ(trashed, "p");
    EXPECT_TRUE(record.starts_with("[Trash Info]\nPath=" + name + "/pic.jpg\n")) << record;
}

// Which trash a file system's top folder offers the user: the shared .Trash only when it is a
// real sticky folder, and a folder of the user's only when it is real, the user's own and
// private; anything else another user could have placed there is passed over.
TEST(TopFolderTrash, OnlyARealPrivateFolderOfTheUsersIsUsed)
{
    if (::geteuid() != 0) GTEST_SKIP() << "folders of another owner need the superuser";
    const uid_t me = ::getuid(), other = 4321;
    const std::string own = ".Trash-" + std::to_string(me), shared = ".Trash/" + std::to_string(me);
    struct TFolder {
        std::string Name;
        mode_t Mode;
        uid_t Owner;
        bool Link = false; // a link to such a folder elsewhere
    };
    const struct {
        const char* Case;
        std::vector<TFolder> Folders;
        std::string Expected; // relative to the top; empty: none may be used
    } cases[] = {
        {"nothing yet", {}, own},
        {"own folder", {{own, 0700, me}}, own},
        {"own folder is a link", {{own, 0700, me, true}}, ""},
        {"own folder of another user", {{own, 0700, other}}, ""},
        {"own folder open to others", {{own, 0755, me}}, ""},
        {"sticky shared trash", {{".Trash", 01777, 0}}, shared},
        {"shared trash without the sticky bit", {{".Trash", 0777, 0}}, own},
        {"shared trash is a link", {{".Trash", 01777, 0, true}}, own},
        {"user's shared folder is a link", {{".Trash", 01777, 0}, {shared, 0700, me, true}}, own},
        {"user's shared folder of another", {{".Trash", 01777, 0}, {shared, 0700, other}}, own},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        TempDir top;
        for (const TFolder& f : c.Folders) {
            fs::path real = f.Link ? top / ("elsewhere" + std::to_string(f.Mode)) : top / f.Name;
            fs::create_directories(real);
            ::chmod(real.c_str(), f.Mode);
            ASSERT_EQ(::chown(real.c_str(), f.Owner, static_cast<gid_t>(-1)), 0);
            if (f.Link) fs::create_directory_symlink(real, top / f.Name);
        }
        fs::path trash = TopFolderTrash(top.Path());
        EXPECT_EQ(trash, c.Expected.empty() ? fs::path() : top / c.Expected);
        if (!trash.empty()) EXPECT_EQ(ModeOf(trash), 0700u);
    }
}

} // namespace
