#include "app/window/ProjectNames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace qor;
using qortest::TempDir;

namespace {

TDateTime LocalDay(int year, unsigned month, unsigned day)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = static_cast<int>(month) - 1;
    t.tm_mday = static_cast<int>(day);
    t.tm_hour = 12;
    t.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&t));
}

} // namespace

TEST(ProjectNames, CaptionNamesTheProjectWithoutFolderAndExtension)
{
    EXPECT_EQ(WindowCaption(""), "QorikaHTML5ギャラリー");
    EXPECT_EQ(WindowCaption("/home/u/summer.qor"), "QorikaHTML5ギャラリー [ summer ]");
}

TEST(ProjectNames, ProposedNameIsTheCleanTitleTheDateAndUnique)
{
    TempDir dir;
    const std::string folder = dir.Path().string();
    TDateTime day = LocalDay(2026, 3, 7);
    EXPECT_EQ(ProposedProjectName("a/b:c", day, folder), "a_b_c_20260307.qor");
    EXPECT_EQ(ProposedProjectName("", day, folder), "新しいプロジェクト_20260307.qor");
    dir.Write("新しいプロジェクト_20260307.qor", "x");
    EXPECT_EQ(ProposedProjectName("", day, folder), "新しいプロジェクト_20260307_0.qor");
}

TEST(ProjectNames, ProjectFilesAreExistingFilesEndingInQorInAnyCase)
{
    TempDir dir;
    auto lower = dir.Write("a.qor", "x");
    auto upper = dir.Write("b.QOR", "x");
    auto other = dir.Write("c.txt", "x");
    EXPECT_TRUE(IsProjectFile(lower.string()));
    EXPECT_TRUE(IsProjectFile(upper.string()));
    EXPECT_FALSE(IsProjectFile(other.string()));
    EXPECT_FALSE(IsProjectFile((dir / "missing.qor").string()));
    EXPECT_FALSE(IsProjectFile(dir.Path().string()));
}

TEST(ProjectNames, HistoryRowsShowTheNameThenTheCountAndFolder)
{
    THistoryRowText row = HistoryRowText("/A/b.qor|7", "画像数:%3s   フォルダ:%s");
    EXPECT_EQ(row.Name, "b");
    EXPECT_EQ(row.Detail, "画像数:  7   フォルダ:/A");
    THistoryRowText bare = HistoryRowText("/g/summer.qor", "画像数:%3s   フォルダ:%s");
    EXPECT_EQ(bare.Name, "summer");
    EXPECT_EQ(bare.Detail, "画像数:      フォルダ:/g");
}
