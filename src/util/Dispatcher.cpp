#include "util/Dispatcher.h"

#include <exception>
#include <memory>

namespace qor {

namespace {

// The rendezvous of one InvokeAndWait: the worker waits until the main thread has run the
// step, or the dispatcher has dropped it.
struct TWaitingStep {
    std::mutex Lock;
    std::condition_variable Done;
    bool Finished = false;
    bool Ran = false;
    std::exception_ptr Error;

    void Finish(bool ran, std::exception_ptr error = nullptr)
    {
        std::lock_guard guard(Lock);
        Finished = true;
        Ran = ran;
        Error = error;
        Done.notify_all();
    }
};

} // namespace

TQueueDispatcher::TQueueDispatcher() : FMainThread(std::this_thread::get_id()) {}

TQueueDispatcher::~TQueueDispatcher()
{
    Close();
}

void TQueueDispatcher::Post(std::function<void()> step)
{
    std::lock_guard guard(FLock);
    if (FClosed) return;
    FQueue.push_back(std::move(step));
    FChanged.notify_all();
}

bool TQueueDispatcher::InvokeAndWait(std::function<void()> step)
{
    if (std::this_thread::get_id() == FMainThread) {
        step();
        return true;
    }
    auto waiting = std::make_shared<TWaitingStep>();
    // The queued wrapper either runs the step or, when it is destroyed unrun (the queue was
    // closed), releases the worker.
    struct TGuard {
        std::shared_ptr<TWaitingStep> Waiting;
        ~TGuard()
        {
            if (Waiting) Waiting->Finish(false);
        }
    };
    auto guard = std::make_shared<TGuard>(TGuard{waiting});
    {
        std::lock_guard lock(FLock);
        if (FClosed) return false;
        FQueue.push_back([guard, step = std::move(step)] {
            std::shared_ptr<TWaitingStep> waiting = std::move(guard->Waiting);
            try {
                step();
                waiting->Finish(true);
            } catch (...) {
                waiting->Finish(true, std::current_exception());
            }
        });
        FChanged.notify_all();
    }
    guard.reset();
    std::unique_lock lock(waiting->Lock);
    waiting->Done.wait(lock, [&] { return waiting->Finished; });
    if (waiting->Error) std::rethrow_exception(waiting->Error);
    return waiting->Ran;
}

int TQueueDispatcher::ProcessPending()
{
    std::deque<std::function<void()>> steps;
    {
        std::lock_guard guard(FLock);
        steps.swap(FQueue);
    }
    for (auto& step : steps) step();
    return static_cast<int>(steps.size());
}

void TQueueDispatcher::RunUntil(const std::function<bool()>& done)
{
    while (!done()) {
        std::function<void()> step;
        {
            std::unique_lock lock(FLock);
            FChanged.wait(lock, [&] { return !FQueue.empty() || FWoken || FClosed; });
            FWoken = false;
            if (FQueue.empty()) {
                if (FClosed) return;
                continue;
            }
            step = std::move(FQueue.front());
            FQueue.pop_front();
        }
        step();
    }
}

void TQueueDispatcher::Wake()
{
    std::lock_guard guard(FLock);
    FWoken = true;
    FChanged.notify_all();
}

void TQueueDispatcher::Close()
{
    std::deque<std::function<void()>> dropped;
    {
        std::lock_guard guard(FLock);
        FClosed = true;
        dropped.swap(FQueue);
        FChanged.notify_all();
    }
    // Destroying the unrun steps releases their waiting workers.
}

} // namespace qor
