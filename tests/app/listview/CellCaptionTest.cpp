#include "app/listview/CellCaption.h"

#include <gtest/gtest.h>

#include <ctime>

namespace qor {
namespace {

TDateTime LocalTime(int year, int month, int day, int hour, int minute)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&t));
}

TThumbInfo Entry()
{
    TThumbInfo e;
    e.FileName = "/photos/trip/IMG_0042.JPG";
    e.user.Title = "Harbour";
    e.user.Topic = "Day one";
    e.Size = 2621440; // 2.5 MB
    e.Width = 4000;
    e.Height = 3000;
    e.Time = LocalTime(2023, 7, 4, 9, 5);
    e.Updated = LocalTime(2024, 12, 31, 23, 59);
    return e;
}

TEST(CellCaption, SizeSwitchesToMegabytesAtOneMebibyte)
{
    EXPECT_EQ(SizeText(1048575), "1024.0KB");
    EXPECT_EQ(SizeText(1048576), "1.0MB");
    EXPECT_EQ(SizeText(0), "0.0KB");
    EXPECT_EQ(SizeText(1536), "1.5KB");
    EXPECT_EQ(SizeText(2621440), "2.5MB");
}

TEST(CellCaption, LinesFollowTheFixedOrder)
{
    unsigned all = ilmcName | ilmcTitle | ilmcSize | ilmcDate | ilmcUpdate | ilmcTopic;
    std::vector<std::string> lines = CaptionLines(Entry(), 41, all, {});
    std::vector<std::string> expected = {"42  IMG_0042.JPG",
                                         "Harbour",
                                         "( Day one )",
                                         "2.5MB, 4000x3000",
                                         "作成日: 2023/07/04 09:05",
                                         "更新日: 2024/12/31 23:59"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(CountCaptionLines(all), 6);
}

TEST(CellCaption, OnlyChosenLinesWithTheirLabels)
{
    std::vector<std::string> lines =
        CaptionLines(Entry(), 0, ilmcSize | ilmcName, {"Created", "Changed"});
    EXPECT_EQ(lines, (std::vector<std::string>{"1  IMG_0042.JPG", "2.5MB, 4000x3000"}));
    EXPECT_EQ(CaptionLines(Entry(), 0, ilmcUpdate, {"Created", "Changed"}),
              (std::vector<std::string>{"Changed: 2024/12/31 23:59"}));
    EXPECT_EQ(CountCaptionLines(ilmcName | ilmcSize), 2);
    EXPECT_EQ(CountCaptionLines(0), 0);
}

TEST(CellCaption, HintUnlessNameSizeAndDatesAreShown)
{
    EXPECT_TRUE(HintWanted(ilmcName | ilmcSize));
    EXPECT_TRUE(HintWanted(ilmcName | ilmcSize | ilmcDate | ilmcTitle));
    EXPECT_FALSE(HintWanted(ilmcName | ilmcSize | ilmcDate | ilmcUpdate));
    EXPECT_FALSE(HintWanted(ilmcName | ilmcSize | ilmcDate | ilmcUpdate | ilmcTopic));
}

TEST(CellCaption, HintFillsTheFileFacts)
{
    std::string hint = HintText("ファイル名:%s\rサイズ:%s\r作成日:%s\r更新日:%s", Entry());
    EXPECT_EQ(hint, "ファイル名:IMG_0042.JPG\rサイズ:2.5MB,  4000x3000\r"
                    "作成日:2023/07/04 09:05\r更新日:2024/12/31 23:59");
}

} // namespace
} // namespace qor
