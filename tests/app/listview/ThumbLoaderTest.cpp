#include "app/listview/ThumbLoader.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

namespace qor {
namespace {

// A make function that records the order of the files it is asked for and can hold the
// worker on a file until released.
class TRecordingMaker {
public:
    TThumbResult Make(const TThumbRequest& request)
    {
        std::unique_lock lock(FLock);
        FMade.push_back(request.FileName);
        FChanged.notify_all();
        FChanged.wait(lock, [&] { return request.FileName != FHeld; });
        TThumbResult result;
        result.Bmp = std::make_shared<TBmpScan>(2, 2);
        return result;
    }
    void Hold(const std::string& file)
    {
        std::lock_guard lock(FLock);
        FHeld = file;
    }
    void WaitUntilMade(size_t n)
    {
        std::unique_lock lock(FLock);
        FChanged.wait(lock, [&] { return FMade.size() >= n; });
    }
    void Release()
    {
        std::lock_guard lock(FLock);
        FHeld.clear();
        FChanged.notify_all();
    }
    std::vector<std::string> Made()
    {
        std::lock_guard lock(FLock);
        return FMade;
    }

private:
    std::mutex FLock;
    std::condition_variable FChanged;
    std::vector<std::string> FMade;
    std::string FHeld;
};

struct TDelivery {
    std::string File;
    bool Stale;
};

class ThumbLoaderTest : public ::testing::Test {
protected:
    ThumbLoaderTest()
        : FLoader(
              FMain, 1, [this](const TThumbRequest& r) { return FMaker.Make(r); },
              [this](const TThumbJob& job, TThumbResult& result, bool stale) {
                  EXPECT_TRUE(result.Bmp);
                  FDelivered.push_back({job.Request.FileName, stale});
              })
    {
    }

    TThumbJob Job(const std::string& file)
    {
        auto entry = std::make_shared<TThumbInfo>();
        entry->FileName = file;
        FEntries.push_back(entry);
        TThumbJob job;
        job.Entry = entry;
        job.Request.FileName = file;
        return job;
    }

    void RunUntilDelivered(size_t n)
    {
        FMain.RunUntil([&] { return FDelivered.size() >= n; });
    }

    std::vector<std::string> DeliveredFiles() const
    {
        std::vector<std::string> files;
        for (const TDelivery& d : FDelivered)
            files.push_back(d.File);
        return files;
    }

    TQueueDispatcher FMain;
    TRecordingMaker FMaker;
    std::vector<PThumbInfo> FEntries;
    std::vector<TDelivery> FDelivered;
    TThumbLoader FLoader; // last: its workers stop before the rest goes
};

TEST_F(ThumbLoaderTest, VisibleCellsComeFirstNewestFirstThenIdleOrder)
{
    FMaker.Hold("first");
    FLoader.Urgent(Job("first"));
    FMaker.WaitUntilMade(1);
    FLoader.Idle({Job("c"), Job("b"), Job("a")});
    FLoader.Urgent(Job("top-left"));
    FLoader.Urgent(Job("top-right")); // asked last, made first
    FMaker.Release();
    RunUntilDelivered(6);
    EXPECT_EQ(FMaker.Made(),
              (std::vector<std::string>{"first", "top-right", "top-left", "c", "b", "a"}));
    EXPECT_EQ(DeliveredFiles(), FMaker.Made());
    FMain.RunUntil([&] { return !FLoader.Alive(); });
}

TEST_F(ThumbLoaderTest, AnEntryQueuedTwiceIsMadeOnce)
{
    FMaker.Hold("first");
    FLoader.Urgent(Job("first"));
    FMaker.WaitUntilMade(1);
    TThumbJob idle = Job("x");
    TThumbJob again = idle;
    FLoader.Idle({idle, Job("y")});
    FLoader.Urgent(again); // the visible cell moves x ahead of y
    FMaker.Release();
    RunUntilDelivered(3);
    EXPECT_EQ(FMaker.Made(), (std::vector<std::string>{"first", "x", "y"}));
}

TEST_F(ThumbLoaderTest, TheRequestBeingMadeIsNotQueuedAgain)
{
    FMaker.Hold("running");
    TThumbJob job = Job("running");
    FLoader.Urgent(job);
    FMaker.WaitUntilMade(1);
    FLoader.Urgent(job); // the cell is drawn again while its picture is made
    TThumbJob turned = job;
    turned.Request.UserAngle = 90; // a new request for the same entry is queued
    FLoader.Urgent(turned);
    FMaker.Release();
    RunUntilDelivered(2);
    FMain.RunUntil([&] { return !FLoader.Alive(); });
    EXPECT_EQ(FDelivered.size(), 2u);
    EXPECT_EQ(FMaker.Made(), (std::vector<std::string>{"running", "running"}));
}

TEST_F(ThumbLoaderTest, StopForgetsTheQueueAndMarksTheRunningJobStale)
{
    FMaker.Hold("running");
    FLoader.Urgent(Job("running"));
    FMaker.WaitUntilMade(1);
    FLoader.Idle({Job("queued1"), Job("queued2")});
    EXPECT_TRUE(FLoader.Alive());
    std::vector<std::weak_ptr<TThumbInfo>> dropped = FLoader.Stop();
    ASSERT_EQ(dropped.size(), 2u);
    std::vector<std::string> names = {dropped[0].lock()->FileName, dropped[1].lock()->FileName};
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"queued1", "queued2"}));
    EXPECT_TRUE(FLoader.Alive()); // the running decode is not waited for
    FMaker.Release();
    RunUntilDelivered(1);
    ASSERT_EQ(FDelivered.size(), 1u);
    EXPECT_EQ(FDelivered[0].File, "running");
    EXPECT_TRUE(FDelivered[0].Stale);
    EXPECT_FALSE(FLoader.Alive());
    // A job after the stop is current again.
    FLoader.Urgent(Job("after"));
    RunUntilDelivered(2);
    EXPECT_FALSE(FDelivered[1].Stale);
    EXPECT_EQ(FMaker.Made(), (std::vector<std::string>{"running", "after"}));
}

TEST_F(ThumbLoaderTest, JobsOfFreedEntriesAreSkipped)
{
    TThumbJob job = Job("gone");
    FEntries.clear(); // the entry was freed before it was queued
    FLoader.Urgent(job);
    FLoader.Idle({job, Job("kept")});
    RunUntilDelivered(1);
    EXPECT_EQ(FMaker.Made(), (std::vector<std::string>{"kept"}));
}

} // namespace
} // namespace qor
