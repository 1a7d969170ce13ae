#include "cli/BuildProgress.h"
#include "cli/InterruptWatch.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

using namespace qor;

TEST(BuildProgress, BarShowsTheCounterAndTheTimeLeft)
{
    EXPECT_EQ(ProgressBarLine(0, 12, 0, 10), "[..........]   0/12");
    EXPECT_EQ(ProgressBarLine(3, 12, 6.0, 12), "[###.........]   3/12  0:18 left");
    EXPECT_EQ(ProgressBarLine(12, 12, 30.0, 10), "[##########]  12/12");
    EXPECT_EQ(ProgressBarLine(1, 1234, 1.0, 4), "[....]   1/1234  20:33 left");
    EXPECT_EQ(ProgressBarLine(1234, 1234, 99.0, 4), "[####] 1234/1234");
    EXPECT_EQ(ProgressBarLine(0, 0, 0, 4), "[....]   0/0");
}

std::string Captured(TProgressStyle style, int total, std::initializer_list<int> counts)
{
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    TBuildProgress progress(style, total, out);
    for (int count : counts) progress.Update(count);
    progress.Finish();
    std::fclose(out);
    std::string captured(text, size);
    free(text);
    return captured;
}

TEST(BuildProgress, PlainLinesWhenNotATerminalAndNothingWhenQuiet)
{
    EXPECT_EQ(Captured(TProgressStyle::Lines, 12, {0, 7, 12}), "  0/12\n  7/12\n 12/12\n");
    EXPECT_EQ(Captured(TProgressStyle::Quiet, 12, {0, 7, 12}), "");
    std::string bar = Captured(TProgressStyle::Bar, 2, {0, 2});
    EXPECT_EQ(bar.front(), '\r');
    EXPECT_EQ(bar.back(), '\n');
    EXPECT_NE(bar.find("  2/2"), std::string::npos);
}

TEST(InterruptWatch, FirstInterruptRunsTheHandlerOnTheMainThread)
{
    TQueueDispatcher mainThread;
    std::thread::id ranOn;
    bool interrupted = false;
    {
        TInterruptWatch watch(mainThread, [&] {
            ranOn = std::this_thread::get_id();
            interrupted = true;
        });
        kill(getpid(), SIGINT);
        mainThread.RunUntil([&] { return interrupted; });
        EXPECT_TRUE(watch.Interrupted());
    }
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST(InterruptWatchDeathTest, SecondInterruptEndsAtOnceWith130)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TQueueDispatcher mainThread;
            TInterruptWatch watch(mainThread, [] {});
            kill(getpid(), SIGINT);
            while (!watch.Interrupted()) usleep(1000);
            kill(getpid(), SIGINT);
            sleep(5);
            std::exit(0);
        },
        testing::ExitedWithCode(130), "");
}

} // namespace
