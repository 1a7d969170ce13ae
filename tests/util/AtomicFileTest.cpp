#include "util/AtomicFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using qor::WriteFileAtomic;
using qortest::ReadAll;
using qortest::TempDir;

int EntryCount(const fs::path& folder)
{
    int n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++n;
    return n;
}

mode_t ModeOf(const fs::path& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

// Limits the size of files this process may write, as a full disk would.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &FSaved);
        FSignal = std::signal(SIGXFSZ, SIG_IGN); // write fails with EFBIG instead
        rlimit limit = FSaved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &FSaved);
        std::signal(SIGXFSZ, FSignal);
    }

private:
    rlimit FSaved{};
    void (*FSignal)(int) = nullptr;
};

TEST(AtomicFile, WritesExactlyTheBytesAndLeavesNoTemporaryFile)
{
    TempDir dir;
    std::string bytes("project\0data\r\n写真", 19);
    WriteFileAtomic(dir / "p.qor", bytes);
    EXPECT_EQ(ReadAll(dir / "p.qor"), bytes);
    EXPECT_EQ(EntryCount(dir.Path()), 1);
    WriteFileAtomic(dir / "empty", "");
    EXPECT_EQ(ReadAll(dir / "empty"), "");
}

TEST(AtomicFile, ReplacesTheFileKeepingItsPermissions)
{
    TempDir dir;
    fs::path file = dir.Write("p.qor", "old contents that are longer");
    ::chmod(file.c_str(), 0640);
    WriteFileAtomic(file, "new");
    EXPECT_EQ(ReadAll(file), "new");
    EXPECT_EQ(ModeOf(file), 0640u);
    EXPECT_EQ(EntryCount(dir.Path()), 1);
}

// A project in a shared folder stays its owner's and its group's after someone else saved it.
TEST(AtomicFile, ReplacesTheFileKeepingItsOwnerAndGroup)
{
    if (::geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs the superuser";
    TempDir dir;
    fs::path file = dir.Write("p.qor", "old");
    ASSERT_EQ(::chown(file.c_str(), 4321, 8765), 0);
    ::chmod(file.c_str(), 02640); // the set-group bit survives the change of owner
    WriteFileAtomic(file, "new");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 8765u);
    EXPECT_EQ(ModeOf(file), 02640u);
    EXPECT_EQ(ReadAll(file), "new");
}

TEST(AtomicFile, ANewFileHonoursTheCreationMask)
{
    TempDir dir;
    mode_t saved = ::umask(077);
    WriteFileAtomic(dir / "private.qor", "x");
    ::umask(022);
    WriteFileAtomic(dir / "shared.qor", "x");
    ::umask(saved);
    EXPECT_EQ(ModeOf(dir / "private.qor"), 0600u);
    EXPECT_EQ(ModeOf(dir / "shared.qor"), 0644u);
}

TEST(AtomicFile, AFailedWriteLeavesThePreviousFileIntact)
{
    TempDir dir;
    fs::path file = dir.Write("p.qor", "previous project");
    std::string big(64 * 1024, 'x');
    {
        TFileSizeLimit limit(1000);
        EXPECT_THROW(WriteFileAtomic(file, big), std::system_error);
    }
    EXPECT_EQ(ReadAll(file), "previous project");
    EXPECT_EQ(EntryCount(dir.Path()), 1);
}

// Acts as a user without rights to the test's folders; the super-user's rights would
// override every permission bit.
class TAsOtherUser {
public:
    explicit TAsOtherUser(bool active = true) : FSaved(active ? ::geteuid() : 1)
    {
        if (FSaved == 0 && ::seteuid(65534) != 0) ADD_FAILURE() << "cannot act as another user";
    }
    ~TAsOtherUser()
    {
        if (FSaved == 0 && ::seteuid(0) != 0) ADD_FAILURE() << "cannot return to the super-user";
    }

private:
    uid_t FSaved; // 0: the super-user acts as another until the end
};

TEST(AtomicFile, AFolderThatCannotBeWrittenLeavesThePreviousFileIntact)
{
    TempDir dir;
    fs::path file = dir.Write("locked/p.qor", "previous project");
    ::chmod(file.parent_path().c_str(), 0555);
    try {
        TAsOtherUser otherUser;
        WriteFileAtomic(file, "new");
        ADD_FAILURE() << "the save was reported as done";
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code(), std::errc::permission_denied);
        EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos);
    }
    ::chmod(file.parent_path().c_str(), 0755);
    EXPECT_EQ(ReadAll(file), "previous project");
    EXPECT_EQ(EntryCount(file.parent_path()), 1);
}

// A file its user made read-only, or one the saver may not write, stays as it is, although
// the folder would let a new file take its place.
TEST(AtomicFile, AFileThatMayNotBeWrittenIsNotReplaced)
{
    for (bool otherUser : {false, true}) {
        SCOPED_TRACE(otherUser ? "as a user without write permission" : "read-only to all");
        TempDir dir;
        ::chmod(dir.Path().c_str(), 0777);
        fs::path file = dir.Write("p.qor", "previous project");
        ::chmod(file.c_str(), otherUser ? 0644 : 0444);
        try {
            TAsOtherUser as(otherUser);
            WriteFileAtomic(file, "new");
            ADD_FAILURE() << "the save was reported as done";
        } catch (const std::system_error& e) {
            EXPECT_EQ(e.code(), std::errc::permission_denied);
            EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos);
        }
        EXPECT_EQ(ReadAll(file), "previous project");
        EXPECT_EQ(ModeOf(file), otherUser ? 0644u : 0444u);
        EXPECT_EQ(EntryCount(dir.Path()), 1);
    }
}

TEST(AtomicFile, AMissingFolderIsReportedWithTheFileName)
{
    TempDir dir;
    fs::path file = dir / "missing/p.qor";
    try {
        WriteFileAtomic(file, "x");
        ADD_FAILURE() << "the save was reported as done";
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code(), std::errc::no_such_file_or_directory);
        EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos);
    }
}

TEST(AtomicFile, AFolderInPlaceOfTheFileStaysAndNoTemporaryFileRemains)
{
    TempDir dir;
    dir.Write("p.qor/inside", "kept");
    EXPECT_THROW(WriteFileAtomic(dir / "p.qor", "x"), std::system_error);
    EXPECT_EQ(ReadAll(dir / "p.qor/inside"), "kept");
    EXPECT_EQ(EntryCount(dir.Path()), 1);
}

TEST(AtomicFile, SavingThroughALinkReplacesTheLinkedFile)
{
    TempDir dir;
    fs::path real = dir.Write("real/p.qor", "old");
    fs::create_symlink("real/p.qor", dir / "link.qor");
    WriteFileAtomic(dir / "link.qor", "new");
    EXPECT_TRUE(fs::is_symlink(dir / "link.qor"));
    EXPECT_EQ(ReadAll(real), "new");
    EXPECT_EQ(EntryCount(dir.Path()), 2);
    EXPECT_EQ(EntryCount(real.parent_path()), 1);
}

TEST(AtomicFile, TheLongestFileNameCanBeSaved)
{
    TempDir dir;
    std::string name(255, 'n');
    WriteFileAtomic(dir / name, "x");
    EXPECT_EQ(ReadAll(dir / name), "x");
    EXPECT_EQ(EntryCount(dir.Path()), 1);
}

} // namespace
