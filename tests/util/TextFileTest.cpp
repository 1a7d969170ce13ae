#include "util/TextFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <system_error>

namespace {

namespace fs = std::filesystem;
using namespace qor;
using qortest::ReadAll;
using qortest::TempDir;

const std::string Bom = "\xEF\xBB\xBF";

TEST(TextFile, WritesByteOrderMarkAndCrLfAfterEveryLine)
{
    EXPECT_EQ(JoinTextLines({"a", "", "写真"}), Bom + "a\r\n\r\n写真\r\n");
    EXPECT_EQ(JoinTextLines({}), Bom);
    EXPECT_EQ(JoinTextLines({""}), Bom + "\r\n");
}

struct TReadCase {
    std::string Bytes;
    TStringList Lines;
};

TEST(TextFile, ReadsLinesEndingAtCrLfOrCrLf)
{
    const TReadCase cases[] = {
        {"", {}},
        {Bom, {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {Bom + "a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\r", {"a", ""}}, // LF then a lone CR: two line ends
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {Bom + Bom + "a", {Bom + "a"}}, // only the first mark is one
        {"写真\r\n旅行", {"写真", "旅行"}},
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    for (const TReadCase& c : cases)
        EXPECT_EQ(SplitTextLines(c.Bytes), c.Lines);
}

// Lines without line-end characters survive a write and a read unchanged.
TEST(TextFile, WrittenLinesReadBackUnchanged)
{
    const std::string pieces[] = {"", "a", "写真", "\t", " x ", Bom};
    for (const std::string& a : pieces) {
        for (const std::string& b : pieces) {
            TStringList lines = {a, b};
            if (a == Bom) continue; // a mark at the very start is taken as the file's own
            EXPECT_EQ(SplitTextLines(JoinTextLines(lines)), lines);
        }
    }
}

TEST(TextFile, SaveAndLoadRoundTripThroughAFile)
{
    TempDir dir;
    TStringList lines = {"<html>", "  画像", ""};
    SaveTextLines(dir / "index.html", lines);
    EXPECT_EQ(ReadAll(dir / "index.html"), Bom + "<html>\r\n  画像\r\n\r\n");
    EXPECT_EQ(LoadTextLines(dir / "index.html"), lines);
    SaveTextLinesAtomic(dir / "history.cfg", lines);
    EXPECT_EQ(ReadAll(dir / "history.cfg"), ReadAll(dir / "index.html"));
}

TEST(TextFile, FileBytesRoundTrip)
{
    TempDir dir;
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes += static_cast<char>(i * 7);
    SaveFileBytes(dir / "blob", bytes);
    EXPECT_EQ(LoadFileBytes(dir / "blob"), bytes);
    SaveFileBytes(dir / "blob", "short");
    EXPECT_EQ(LoadFileBytes(dir / "blob"), "short");
}

TEST(TextFile, LoadingWhatIsNoFileThrowsNamingIt)
{
    TempDir dir;
    fs::create_directory(dir / "folder");
    ::mkfifo((dir / "pipe").c_str(), 0600);
    struct TCase {
        fs::path Path;
        std::errc Error;
    };
    const TCase cases[] = {
        {dir / "missing.txt", std::errc::no_such_file_or_directory},
        {dir / "folder", std::errc::is_a_directory},
        {dir / "pipe", std::errc::invalid_argument},
        {"/dev/zero", std::errc::invalid_argument},
    };
    for (const TCase& c : cases) {
        try {
            LoadTextLines(c.Path);
            ADD_FAILURE() << c.Path << " was read";
        } catch (const std::system_error& e) {
            EXPECT_EQ(e.code(), c.Error) << c.Path;
            EXPECT_NE(std::string(e.what()).find(c.Path.string()), std::string::npos);
        }
    }
}

TEST(TextFile, SavingIntoAMissingFolderThrows)
{
    TempDir dir;
    EXPECT_THROW(SaveTextLines(dir / "missing/a.txt", {"a"}), std::system_error);
    EXPECT_THROW(SaveFileBytes(dir.Path(), "a"), std::system_error);
}

} // namespace
