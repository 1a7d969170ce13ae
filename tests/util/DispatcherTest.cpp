#include "util/Dispatcher.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using qor::TQueueDispatcher;

// Repeated, because a worker that does not wait may still, by luck, see the step done.
TEST(Dispatcher, InvokeAndWaitRunsTheStepOnTheMainThreadBeforeReturning)
{
    for (int round = 0; round < 50; ++round) {
        TQueueDispatcher main;
        int value = 0; // touched by the main thread only, read by the worker after the step
        std::thread::id ranOn;
        bool ran = false;
        int seenByWorker = -1;
        std::atomic<bool> finished{false};
        std::thread worker([&] {
            ran = main.InvokeAndWait([&] {
                value = 42;
                ranOn = std::this_thread::get_id();
            });
            seenByWorker = value;
            finished = true;
            main.Wake();
        });
        main.RunUntil([&] { return finished.load(); });
        worker.join();
        ASSERT_TRUE(ran) << round;
        ASSERT_EQ(seenByWorker, 42) << round;
        ASSERT_EQ(ranOn, std::this_thread::get_id()) << round;
    }
}

TEST(Dispatcher, StepsOfManyWorkersRunOneAtATimeInTheOrderEachWorkerGaveThem)
{
    constexpr int workers = 4;
    constexpr int stepsPerWorker = 200;
    TQueueDispatcher main;
    std::vector<std::vector<int>> seen(workers); // written by steps on the main thread only
    int running = 0;
    int overlaps = 0;
    std::atomic<int> done{0};
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w) {
        threads.emplace_back([&, w] {
            for (int i = 0; i < stepsPerWorker; ++i) {
                auto step = [&, w, i] {
                    overlaps += running++ != 0;
                    seen[w].push_back(i);
                    --running;
                };
                if (i % 2) {
                    main.Post(step);
                } else {
                    main.InvokeAndWait(step);
                }
            }
            main.Post([&] { ++done; });
        });
    }
    main.RunUntil([&] { return done == workers; });
    for (std::thread& t : threads)
        t.join();
    EXPECT_EQ(overlaps, 0);
    for (const std::vector<int>& steps : seen) {
        ASSERT_EQ(steps.size(), static_cast<size_t>(stepsPerWorker));
        for (int i = 0; i < stepsPerWorker; ++i)
            EXPECT_EQ(steps[i], i);
    }
}

TEST(Dispatcher, AStepsExceptionReachesTheWaitingWorker)
{
    TQueueDispatcher main;
    std::string message;
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        try {
            main.InvokeAndWait([] { throw std::runtime_error("画像が読めません"); });
        } catch (const std::runtime_error& e) {
            message = e.what();
        }
        finished = true;
        main.Wake();
    });
    main.RunUntil([&] { return finished.load(); });
    worker.join();
    EXPECT_EQ(message, "画像が読めません");
}

TEST(Dispatcher, OnTheMainThreadInvokeAndWaitRunsAtOnce)
{
    TQueueDispatcher main;
    int value = 0;
    EXPECT_TRUE(main.InvokeAndWait([&] {
        // A step may itself hand work to the main thread without waiting for itself.
        main.InvokeAndWait([&] { value = 7; });
    }));
    EXPECT_EQ(value, 7);
    EXPECT_EQ(main.ProcessPending(), 0);
}

TEST(Dispatcher, ProcessPendingRunsPostedStepsInOrderAndLeavesLaterOnesQueued)
{
    TQueueDispatcher main;
    std::vector<int> order;
    main.Post([&] {
        order.push_back(1);
        main.Post([&] { order.push_back(3); });
    });
    main.Post([&] { order.push_back(2); });
    EXPECT_EQ(main.ProcessPending(), 2);
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_EQ(main.ProcessPending(), 1);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(Dispatcher, APostedStepThatThrowsKeepsTheStepsAfterIt)
{
    TQueueDispatcher main;
    int ran = 0;
    main.Post([] { throw std::logic_error("broken step"); });
    main.Post([&] { ++ran; });
    EXPECT_THROW(main.ProcessPending(), std::logic_error);
    EXPECT_EQ(ran, 0);
    EXPECT_EQ(main.ProcessPending(), 1);
    EXPECT_EQ(ran, 1);
}

// Whether the worker's step was queued before the close or arrives after it, the worker is
// released with false and the step never runs.
TEST(Dispatcher, CloseReleasesWaitingWorkersWithoutRunningTheirSteps)
{
    for (int round = 0; round < 100; ++round) {
        TQueueDispatcher main;
        std::atomic<bool> stepRan{false};
        std::atomic<int> result{-1};
        std::atomic<bool> started{false};
        std::thread worker([&] {
            main.Post([&] { started = true; });
            result = main.InvokeAndWait([&] { stepRan = true; }) ? 1 : 0;
        });
        main.RunUntil([&] { return started.load(); });
        main.Close();
        worker.join();
        EXPECT_EQ(result, 0);
        EXPECT_FALSE(stepRan);
        EXPECT_EQ(main.ProcessPending(), 0);
    }
}

TEST(Dispatcher, AfterCloseNothingIsQueuedAndRunUntilReturns)
{
    TQueueDispatcher main;
    int ran = 0;
    main.Close();
    main.Post([&] { ++ran; });
    std::thread worker([&] { EXPECT_FALSE(main.InvokeAndWait([&] { ++ran; })); });
    worker.join();
    main.RunUntil([] { return false; });
    EXPECT_EQ(main.ProcessPending(), 0);
    EXPECT_EQ(ran, 0);
}

TEST(Dispatcher, CloseFromAWorkerEndsTheMainLoopAfterTheStepsBeforeIt)
{
    TQueueDispatcher main;
    int value = 0;
    bool ran = false;
    std::thread worker([&] {
        ran = main.InvokeAndWait([&] { value = 5; });
        main.Close();
    });
    main.RunUntil([] { return false; }); // returns only because the worker closes it
    worker.join();
    EXPECT_TRUE(ran);
    EXPECT_EQ(value, 5);
}

} // namespace
