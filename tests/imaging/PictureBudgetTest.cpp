// The one picture-memory budget of all workers: a worker waits for room, a picture beyond the
// whole budget fails on its own, and threads that are not workers never wait.
#include "imaging/PictureBudget.h"
#include "imaging/ImageError.h"
#include "imaging/TBmpScan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

using namespace qor;

namespace {

// A budget of 64 MiB for the test, the program's own afterwards.
class PictureBudgetTest : public testing::Test {
protected:
    void SetUp() override
    {
        FSaved = PictureBudget();
        SetPictureBudget(size_t(64) << 20);
    }
    void TearDown() override { SetPictureBudget(FSaved); }

private:
    size_t FSaved = 0;
};

// 4000 × 3500 at 24 bits: 42 MB, so that only one fits the budget at a time.
constexpr int32_t kWidth = 4000, kHeight = 3500;

} // namespace

TEST_F(PictureBudgetTest, WorkersTakeTurnsWhateverTheirNumber)
{
    for (int threads : {2, 4, 16}) {
        std::atomic<int> alive = 0, most = 0, made = 0;
        std::vector<std::thread> workers;
        for (int i = 0; i < threads; ++i)
            workers.emplace_back([&] {
                TPictureWorker worker;
                TBmpScan picture(kWidth, kHeight);
                int now = ++alive;
                int seen = most.load();
                while (now > seen && !most.compare_exchange_weak(seen, now)) {
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                --alive;
                picture.Release();
                ++made;
            });
        for (std::thread& t : workers)
            t.join();
        EXPECT_EQ(made, threads);
        EXPECT_EQ(most, 1) << threads << " workers";
        EXPECT_EQ(PictureMemoryInUse(), 0u);
    }
}

TEST_F(PictureBudgetTest, AWorkerHoldingAPictureIsNeverKeptWaitingForItsNext)
{
    TPictureWorker worker;
    TBmpScan first(kWidth, kHeight);
    TBmpScan turned(kHeight, kWidth); // beyond the budget together, but never a deadlock
    EXPECT_GE(PictureMemoryInUse(), size_t(2) * kWidth * kHeight * 3);
}

TEST_F(PictureBudgetTest, APictureBeyondTheWholeBudgetFailsAtOnce)
{
    TPictureWorker worker;
    try {
        TBmpScan huge(6000, 6000);
        FAIL() << "a 108 MB picture within a 64 MiB budget";
    } catch (const EImageError& e) {
        EXPECT_STREQ(e.what(), "the picture needs more memory than all pictures together may use");
    }
    EXPECT_EQ(PictureMemoryInUse(), 0u);
}
