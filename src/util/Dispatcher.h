// The main thread's work queue. Workers hand steps to the main thread, which runs them one
// at a time in the order they arrived. The desktop program implements TDispatcher on its
// event loop; the command line runs TQueueDispatcher's loop.
//
//   TQueueDispatcher main;             // made on the main thread
//   worker: main.InvokeAndWait([&] { entry.Title = ...; });   // runs on the main thread
//   main thread: main.RunUntil([&] { return done; });
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace qor {

class TDispatcher {
public:
    virtual ~TDispatcher() = default;
    // Queues a step for the main thread and returns at once.
    virtual void Post(std::function<void()> step) = 0;
    // Runs a step on the main thread and waits for it; on the main thread itself it runs at
    // once. False when the dispatcher was closed before the step could run (it never will).
    // An exception of the step is passed on to the caller.
    virtual bool InvokeAndWait(std::function<void()> step) = 0;
};

class TQueueDispatcher : public TDispatcher {
public:
    // The calling thread becomes the main thread. onQueued, when given, is called (on the
    // queuing thread, outside the lock) after every step is queued, so that an event loop
    // can be woken to run ProcessPending.
    explicit TQueueDispatcher(std::function<void()> onQueued = {});
    ~TQueueDispatcher() override;

    void Post(std::function<void()> step) override;
    bool InvokeAndWait(std::function<void()> step) override;

    // Runs queued steps until done() answers true (checked after every step and whenever
    // Wake is called).
    void RunUntil(const std::function<bool()>& done);
    // Runs the steps queued now, one at a time; answers how many ran. A step that throws
    // passes its exception on and leaves the steps after it queued.
    int ProcessPending();
    // Makes a waiting RunUntil check its condition again.
    void Wake();
    // Refuses new steps and releases every worker waiting in InvokeAndWait.
    void Close();

private:
    struct TWaitingStep;
    // A queued step; Waiting is set when a worker waits for it in InvokeAndWait.
    struct TQueuedStep {
        std::function<void()> Step;
        std::shared_ptr<TWaitingStep> Waiting;
    };

    // Takes the oldest step off the queue, if there is one.
    bool TakeStep(TQueuedStep& step);
    static void RunStep(TQueuedStep& step);

    // Queues a step; false when the dispatcher is closed.
    bool Enqueue(TQueuedStep step);

    std::thread::id FMainThread;
    std::function<void()> FOnQueued;
    std::mutex FLock;
    std::condition_variable FChanged;
    std::deque<TQueuedStep> FQueue;
    bool FClosed = false;
    bool FWoken = false;
};

} // namespace qor
