// The one picture-memory budget of all workers: a worker waits for room, whatever the number of
// workers, and a picture beyond the whole budget fails at once; so does the memory a decoding
// library takes for itself.
#include "imaging/PictureBudget.h"
#include "imaging/ImageError.h"
#include "imaging/TBmpScan.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

using namespace qor;

// With 64 MiB, one 4000 × 3500 picture (42 MB) fits at a time.
TEST(PictureBudget, WorkersTakeTurnsWhateverTheirNumber)
{
    size_t saved = PictureBudget();
    SetPictureBudget(size_t(64) << 20);
    for (int threads : {2, 4, 16}) {
        std::atomic<int> alive = 0, most = 0, made = 0;
        std::vector<std::thread> workers;
        for (int i = 0; i < threads; ++i)
            workers.emplace_back([&] {
                TPictureWorker worker;
                TBmpScan picture(4000, 3500);
                int now = ++alive, seen = most;
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
    }
    TPictureWorker worker;
    EXPECT_THROW(TBmpScan(6000, 6000), EImageError); // 108 MB
    EXPECT_EQ(PictureMemoryInUse(), 0u);
    SetPictureBudget(saved);
}

TEST(PictureBudget, LibraryMemoryIsChargedWhileHeld)
{
    size_t saved = PictureBudget();
    SetPictureBudget(size_t(64) << 20);
    {
        TPictureCharge planes(size_t(40) << 20);
        EXPECT_EQ(PictureMemoryInUse(), size_t(40) << 20);
    }
    EXPECT_EQ(PictureMemoryInUse(), 0u);
    EXPECT_THROW(TPictureCharge(size_t(65) << 20), EImageError);
    SetPictureBudget(saved);
}
