#include "util/XEComFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace qor;
using qortest::ReadAll;
using qortest::TempDir;

// The paths of files of a folder, named in the order expected.
TStringList FilesIn(const fs::path& folder, const std::vector<std::string>& names)
{
    TStringList files;
    for (const std::string& name : names)
        files.push_back((folder / name).string());
    return files;
}

TStringList Joined(TStringList a, const TStringList& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(XEComFile, NameWithoutExtDropsOnlyTheLastExtension)
{
    const std::pair<const char*, const char*> cases[] = {
        {"photo.jpg", "photo"},
        {"a.b.c", "a.b"},
        {"archive", "archive"},
        {".qor", ""},
        {"a.", "a."},
        {"/x/a.b.c", "a.b"},
        {"/x/noext", "noext"},
        {"/x/.qor", ""},
        {"x.tar.gz", "x.tar"},
        {"a..b", "a."},
        {"a.b.", "a"},
        {"", ""},
        {"dir.d/file", "file"},
        {"/写真/旅行.JPG", "旅行"},
        {"..", ""},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(NameWithoutExt(path), name) << path;
}

TEST(XEComFile, SplitFileNameGivesFolderNameAndExtension)
{
    struct TCase {
        const char* Path;
        const char* Dir;
        const char* Name;
        const char* Ext;
    };
    const TCase cases[] = {
        {"/x/y/photo.jpg", "/x/y", "photo", ".jpg"},
        {"/a.jpg", "/", "a", ".jpg"},
        {"a.jpg", "", "a", ".jpg"},
        {"/x/.qor", "/x", "", ".qor"},
        {"/x/a.", "/x", "a.", "."},
        {"/x/noext", "/x", "noext", ""},
        {"/x.d/noext", "/x.d", "noext", ""},
    };
    for (const TCase& c : cases) {
        std::string dir = "?", name = "?", ext = "?";
        SplitFileName(c.Path, dir, name, ext);
        EXPECT_EQ(dir, c.Dir) << c.Path;
        EXPECT_EQ(name, c.Name) << c.Path;
        EXPECT_EQ(ext, c.Ext) << c.Path;
    }
}

TEST(XEComFile, SanitizeFileNameCases)
{
    struct TCase {
        const char* Text;
        bool NoDot;
        const char* Clean;
    };
    const TCase cases[] = {
        {"  my:photo?.jpg  ", false, "my_photo_.jpg"},
        {"  my:photo?.jpg  ", true, "my_photo__jpg"},
        {".hidden", false, "_hidden"},
        {".hidden", true, "_hidden"},
        {"\u3000word\u3000", false, "word"},
        {"\u3000 \u3000word \u3000 ", false, "word"},
        {"\\/:;*?\"<>|", false, "__________"},
        {"a.b.c", true, "a_b_c"},
        {"a / b", false, "a _ b"},
        {"   ", false, ""},
        {"", true, ""},
        {"画像 一覧", false, "画像 一覧"},
        {" .x", false, "_x"}, // the dot rule looks past the blanks
        {" .", false, "_"},
        {"\u3000..", false, "_."},
        {" .x", true, "_x"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(SanitizeFileName(c.Text, c.NoDot), c.Clean) << c.Text << " " << c.NoDot;
}

TEST(XEComFile, SanitizedNamesHoldNoForbiddenCharacterAndStayAsTheyAre)
{
    const std::string alphabet[] = {"a", " ", "\u3000", ".", ":", "\\", "/", "|", "写", "?", "\""};
    std::mt19937 random(48);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int n = random() % 8; n > 0; --n)
            text += alphabet[random() % std::size(alphabet)];
        for (bool noDot : {false, true}) {
            std::string clean = SanitizeFileName(text, noDot);
            EXPECT_EQ(clean.find_first_of("\\/:;*?\"<>|"), std::string::npos) << text;
            EXPECT_TRUE(!noDot || clean.find('.') == std::string::npos) << text;
            EXPECT_FALSE(clean.starts_with('.') || clean.starts_with(' ') ||
                         clean.starts_with("\u3000") || clean.ends_with(' ') ||
                         clean.ends_with("\u3000"))
                << text;
            EXPECT_EQ(SanitizeFileName(clean, noDot), clean) << text;
        }
    }
}

TEST(XEComFile, UniqueFileNameSkipsTakenNames)
{
    TempDir dir;
    std::string folder = dir.Path().string();
    EXPECT_EQ(UniqueFileName("pic.jpg", folder), "pic.jpg");
    dir.Write("pic.jpg", "");
    dir.Write("pic_0.jpg", "");
    EXPECT_EQ(UniqueFileName("pic.jpg", folder), "pic_1.jpg");
    EXPECT_EQ(UniqueFileName("pic.jpg", folder + "/"), "pic_1.jpg");
    EXPECT_EQ(UniqueFileName("/elsewhere/pic.jpg", folder), "pic_1.jpg");
    dir.Write("notes", "");
    EXPECT_EQ(UniqueFileName("notes", folder), "notes_0");
}

TEST(XEComFile, UniqueFileNameWithoutFolderLooksBesideTheName)
{
    TempDir dir;
    dir.Write("a.b.qor", "");
    EXPECT_EQ(UniqueFileName((dir / "a.b.qor").string(), ""), "a.b_0.qor");
    EXPECT_EQ(UniqueFileName((dir / "new.qor").string(), ""), "new.qor");
}

TEST(XEComFile, UniqueFileNameNeverNamesAnExistingFile)
{
    TempDir dir;
    for (int i = 0; i < 20; ++i) {
        std::string name = UniqueFileName("img.jpg", dir.Path().string());
        ASSERT_FALSE(fs::exists(dir / name)) << name;
        dir.Write(name, "");
    }
    EXPECT_TRUE(fs::exists(dir / "img_18.jpg"));
}

TEST(XEComFile, ForceFolderCreatesMissingParents)
{
    TempDir dir;
    EXPECT_TRUE(ForceFolder((dir / "a/b/c/").string()));
    EXPECT_TRUE(fs::is_directory(dir / "a/b/c"));
    EXPECT_TRUE(ForceFolder((dir / "a/b").string()));
    EXPECT_FALSE(ForceFolder(""));
    dir.Write("file", "");
    EXPECT_FALSE(ForceFolder((dir / "file/sub").string()));
    EXPECT_FALSE(ForceFolder((dir / "file").string()));
}

class FindFilesTree : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"a.JPG", "b.jpeg", "c.png", "d.txt", "sub/e.jpg", "sub/f.gif",
                                 "sub/deep/g.jpg", "folder.jpg/h.txt"})
            FDir.Write(name, "x");
    }
    std::string Root() const { return FDir.Path().string(); }
    qortest::TempDir FDir;
};

TEST_F(FindFilesTree, DepthZeroFindsNothing)
{
    TStringList list = {"kept"};
    EXPECT_EQ(FindFiles(Root(), list, {".jpg"}, 0), 0);
    EXPECT_EQ(list, TStringList{"kept"});
}

TEST_F(FindFilesTree, DepthOneComparesLowerCasedExtensionsInDeliveryOrder)
{
    TStringList list;
    EXPECT_EQ(FindFiles(Root(), list, {".jpg", ".png"}, 1), 2);
    EXPECT_EQ(list, FilesIn(Root(), {"a.JPG", "c.png"}));
}

TEST_F(FindFilesTree, SubfoldersComeBeforeTheFolderItself)
{
    TStringList list;
    EXPECT_EQ(FindFiles(Root(), list, {".jpg", ".gif"}, 3), 4);
    TStringList expected = Joined(FilesIn(FDir / "sub/deep", {"g.jpg"}),
                                  FilesIn(FDir / "sub", {"e.jpg", "f.gif"}));
    EXPECT_EQ(list, Joined(expected, FilesIn(Root(), {"a.JPG"})));
    TStringList two;
    FindFiles(Root(), two, {".jpg"}, 2);
    EXPECT_EQ(two,
              Joined(FilesIn(FDir / "sub", {"e.jpg"}), FilesIn(Root(), {"a.JPG"})));
}

TEST_F(FindFilesTree, StarTakesEveryFileButNoFolder)
{
    TStringList list;
    EXPECT_EQ(FindFiles(Root(), list, {"*"}, 1), 4);
    EXPECT_EQ(list, FilesIn(Root(), {"a.JPG", "b.jpeg", "c.png", "d.txt"}));
    EXPECT_EQ(FindFilesList(Root(), {"*"}, 1), list);
}

TEST_F(FindFilesTree, AppendsAndAnswersTheWholeCount)
{
    TStringList list = {"first"};
    EXPECT_EQ(FindFiles(Root(), list, {".png"}, 1), 2);
    EXPECT_EQ(list.front(), "first");
    EXPECT_EQ(FindFiles(FDir / "missing", list, {".png"}, 1), 2);
    EXPECT_EQ(FindFiles(Root(), list, {}, 1), 2);
}

TEST(XEComFile, CopyFileToReplacesOnlyWhenAsked)
{
    TempDir dir;
    fs::path source = dir.Write("s.txt", "new");
    fs::path dest = dir.Write("d.txt", "old");
    EXPECT_FALSE(CopyFileTo(source, dest, false));
    EXPECT_EQ(ReadAll(dest), "old");
    EXPECT_TRUE(CopyFileTo(source, dest, true));
    EXPECT_EQ(ReadAll(dest), "new");
    EXPECT_TRUE(CopyFileTo(source, dir / "fresh.txt", false));
    EXPECT_FALSE(CopyFileTo(dir / "missing", dir / "x", true));
}

TEST(XEComFile, CopyFolderFilesCountsTheCopiesItAttempts)
{
    TempDir dir;
    dir.Write("src/a.js", "a");
    dir.Write("src/b.css", "b");
    dir.Write("src/sub/c.js", "c");
    dir.Write("dst/a.js", "old");
    EXPECT_EQ(CopyFolderFiles(dir / "src", dir / "dst", false), 1);
    EXPECT_EQ(ReadAll(dir / "dst/a.js"), "old");
    EXPECT_EQ(ReadAll(dir / "dst/b.css"), "b");
    EXPECT_FALSE(fs::exists(dir / "dst/sub"));
    EXPECT_EQ(CopyFolderFiles(dir / "src", dir / "dst", true), 2);
    EXPECT_EQ(ReadAll(dir / "dst/a.js"), "a");
    auto onlyJs = [](const fs::path& p) { return p.extension() == ".js"; };
    EXPECT_EQ(CopyFolderFiles(dir / "src", dir / "new/deeper", true, onlyJs), 1);
    EXPECT_TRUE(fs::exists(dir / "new/deeper/a.js"));
    EXPECT_FALSE(fs::exists(dir / "new/deeper/b.css"));
    dir.Write("blocker", "");
    EXPECT_EQ(CopyFolderFiles(dir / "src", dir / "blocker/x", true), -1);
}

TEST(XEComFile, CopyFolderTreeGoesDownToTheDepth)
{
    TempDir dir;
    dir.Write("src/a", "1");
    dir.Write("src/s/b", "2");
    dir.Write("src/s/t/c", "3");
    CopyFolderTree(dir / "src", dir / "one", 1);
    EXPECT_TRUE(fs::exists(dir / "one/a"));
    EXPECT_FALSE(fs::exists(dir / "one/s"));
    CopyFolderTree(dir / "src", dir / "two", 2);
    EXPECT_EQ(ReadAll(dir / "two/s/b"), "2");
    EXPECT_FALSE(fs::exists(dir / "two/s/t"));
    CopyFolderTree(dir / "src", dir / "all", 9,
                   [](const fs::path& p) { return p.filename() != "b"; });
    EXPECT_EQ(ReadAll(dir / "all/s/t/c"), "3");
    EXPECT_FALSE(fs::exists(dir / "all/s/b"));
    CopyFolderTree(dir / "src", dir / "none", 0);
    CopyFolderTree(dir / "src/a", dir / "file", 3);
    CopyFolderTree("", dir / "empty", 3);
    EXPECT_FALSE(fs::exists(dir / "none") || fs::exists(dir / "file") || fs::exists(dir / "empty"));
}

TEST(XEComFile, CopyFilesByExtComparesInLowerCase)
{
    TempDir dir;
    dir.Write("src/a.JS", "a");
    dir.Write("src/b.js", "b");
    dir.Write("src/c.css", "c");
    dir.Write("out/b.js", "old");
    EXPECT_TRUE(CopyFilesByExt(dir / "src", dir / "out", ".js"));
    EXPECT_EQ(ReadAll(dir / "out/a.JS"), "a");
    EXPECT_EQ(ReadAll(dir / "out/b.js"), "b");
    EXPECT_FALSE(fs::exists(dir / "out/c.css"));
    EXPECT_FALSE(CopyFilesByExt(dir / "src", dir / "none", ".png"));
    EXPECT_FALSE(fs::exists(dir / "none"));
    EXPECT_TRUE(CopyFilesByExt(dir / "src", dir / "made/here", ".CSS"));
    EXPECT_TRUE(fs::exists(dir / "made/here/c.css"));
}

TEST(XEComFile, GetFileTimesGivesSizeAndModificationTime)
{
    TempDir dir;
    fs::path file = dir.Write("a.jpg", "12345");
    timespec times[2] = {{1000000000, 0}, {1234567890, 500000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    TDateTime created, modified;
    int64_t size = -1;
    ASSERT_TRUE(GetFileTimes(file, created, modified, size));
    EXPECT_EQ(size, 5);
    EXPECT_EQ(
        std::chrono::duration_cast<std::chrono::milliseconds>(modified.time_since_epoch()).count(),
        1234567890500LL);
    EXPECT_LE(created, std::chrono::system_clock::now());
    EXPECT_GT(created, std::chrono::system_clock::now() - std::chrono::hours(1));
    EXPECT_FALSE(GetFileTimes(dir / "missing", created, modified, size));
    ::mkfifo((dir / "pipe").c_str(), 0600);
    EXPECT_TRUE(GetFileTimes(dir / "pipe", created, modified, size)); // answers, never waits
}

TEST(XEComFile, GetFileSize64CountsBeyondFourGibibytes)
{
    TempDir dir;
    fs::path file = dir.Write("big", "");
    fs::resize_file(file, (5LL << 30) + 3); // sparse: takes no disk space
    EXPECT_EQ(GetFileSize64(file), (5LL << 30) + 3);
    EXPECT_EQ(GetFileSize64(dir / "missing"), 0);
}

TEST(XEComFile, ReadFileBytesReadsFromTheStart)
{
    TempDir dir;
    fs::path file = dir.Write("f", "abcdef");
    EXPECT_EQ(ReadFileBytes(file, 3), "abc");
    EXPECT_EQ(ReadFileBytes(file, 6), "abcdef");
    EXPECT_EQ(ReadFileBytes(file, 100), "abcdef");
    EXPECT_EQ(ReadFileBytes(file, size_t(1) << 50), "abcdef"); // asks for no such memory
    EXPECT_EQ(ReadFileBytes(file, 0), "");
    EXPECT_EQ(ReadFileBytes(dir / "missing", 4), "");
}

TEST(XEComFile, SameFileContentComparesSizeAndEveryByte)
{
    TempDir dir;
    std::string bytes(200000, 'x');
    fs::path a = dir.Write("a", bytes);
    fs::path same = dir.Write("same", bytes);
    bytes.back() = 'y';
    fs::path last = dir.Write("last", bytes);
    fs::path shorter = dir.Write("shorter", bytes.substr(1));
    EXPECT_TRUE(SameFileContent(a, a));
    EXPECT_TRUE(SameFileContent(a, same));
    EXPECT_FALSE(SameFileContent(a, last));
    EXPECT_FALSE(SameFileContent(a, shorter));
    EXPECT_FALSE(SameFileContent(a, dir / "missing"));
    EXPECT_FALSE(SameFileContent(dir / "missing", dir / "missing"));
    EXPECT_FALSE(SameFileContent(dir.Path(), dir.Path()));
    EXPECT_TRUE(SameFileContent(dir.Write("e1", ""), dir.Write("e2", "")));
}

TEST(XEComFile, TrailingSeparatorHelpers)
{
    EXPECT_EQ(IncludeTrailingSeparator("/a"), "/a/");
    EXPECT_EQ(IncludeTrailingSeparator("/a/"), "/a/");
    EXPECT_EQ(ExcludeTrailingSeparator("/a/"), "/a");
    EXPECT_EQ(ExcludeTrailingSeparator("/a"), "/a");
    EXPECT_EQ(ExcludeTrailingSeparator("/"), "/");
    EXPECT_EQ(ExcludeTrailingSeparator(""), "");
}

TEST(XEComFile, ATildeAtTheStartNamesTheHomeFolder)
{
    const std::string saved = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", "/home/ann/", 1);
    const std::pair<const char*, const char*> cases[] = {
        {"~", "/home/ann"},         {"~/site/", "/home/ann/site/"}, {"~ann/site", "~ann/site"},
        {"/srv/~/x", "/srv/~/x"},   {"", ""},                       {"site", "site"},
    };
    for (const auto& [path, expanded] : cases) EXPECT_EQ(ExpandHomeFolder(path), expanded) << path;
    setenv("HOME", saved.c_str(), 1);
}

// RemoveFolder works in a home of the test's own, so the trash is inside the test folder.
class RemoveFolderHome : public testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(FDir / "home");
        setenv("HOME", (FDir / "home").c_str(), 1);
        setenv("XDG_DATA_HOME", (FDir / "home/.local/share").c_str(), 1);
    }
    fs::path Trash() const { return FDir / "home/.local/share/Trash"; }
    qortest::TempDir FDir;
};

TEST_F(RemoveFolderHome, MovesTheFolderWithItsContentsToTheTrash)
{
    FDir.Write("home/data/Ini/a.ini", "settings");
    EXPECT_TRUE(RemoveFolder((FDir / "home/data/").string()));
    EXPECT_FALSE(fs::exists(FDir / "home/data"));
    EXPECT_EQ(ReadAll(Trash() / "files/data/Ini/a.ini"), "settings");
    EXPECT_TRUE(fs::exists(Trash() / "info/data.trashinfo"));
}

TEST_F(RemoveFolderHome, AMissingPathIsNoRemoval)
{
    EXPECT_FALSE(RemoveFolder((FDir / "home/missing").string()));
    EXPECT_FALSE(RemoveFolder(""));
}

TEST_F(RemoveFolderHome, ALinkGoesAndWhatItNamesStays)
{
    FDir.Write("home/real/a", "kept");
    fs::create_directory_symlink(FDir / "home/real", FDir / "home/link");
    EXPECT_TRUE(RemoveFolder((FDir / "home/link/").string()));
    EXPECT_FALSE(fs::exists(fs::symlink_status(FDir / "home/link")));
    EXPECT_EQ(ReadAll(FDir / "home/real/a"), "kept");
}

TEST_F(RemoveFolderHome, TheHomeFolderAndTheFoldersAboveItAreRefused)
{
    FDir.Write("home/keep", "x");
    fs::create_directory(FDir / "other");
    EXPECT_FALSE(RemoveFolder((FDir / "home").string()));
    EXPECT_FALSE(RemoveFolder((FDir / "home/").string()));
    EXPECT_FALSE(RemoveFolder(FDir.Path().string()));
    EXPECT_FALSE(RemoveFolder((FDir / "other/..").string()));
    EXPECT_FALSE(RemoveFolder((FDir / "home/.").string()));
    EXPECT_TRUE(fs::exists(FDir / "home/keep"));
    EXPECT_TRUE(fs::exists(FDir / "other"));
}

} // namespace
