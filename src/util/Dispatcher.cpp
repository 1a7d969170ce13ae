#include "util/Dispatcher.h"

#include <exception>

namespace qor {

// The rendezvous of one InvokeAndWait: the worker waits until the main thread has run the
// step, or the dispatcher has dropped it.
struct TQueueDispatcher::TWaitingStep {
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
        Error = std::move(error);
        Done.notify_all();
    }

    // Answers whether the step ran; rethrows its exception.
    bool Wait()
    {
        std::unique_lock lock(Lock);
        Done.wait(lock, [&] { return Finished; });
        // The worker takes the exception over, so the main thread holds no part of it.
        if (std::exception_ptr error = std::move(Error)) std::rethrow_exception(error);
        return Ran;
    }
};

TQueueDispatcher::TQueueDispatcher(std::function<void()> onQueued)
    : FMainThread(std::this_thread::get_id()), FOnQueued(std::move(onQueued))
{
}

TQueueDispatcher::~TQueueDispatcher()
{
    Close();
}

bool TQueueDispatcher::Enqueue(TQueuedStep step)
{
    {
        std::lock_guard guard(FLock);
        if (FClosed) return false;
        FQueue.push_back(std::move(step));
        FChanged.notify_all();
    }
    if (FOnQueued) FOnQueued();
    return true;
}

void TQueueDispatcher::Post(std::function<void()> step)
{
    Enqueue({std::move(step), nullptr});
}

bool TQueueDispatcher::InvokeAndWait(std::function<void()> step)
{
    if (std::this_thread::get_id() == FMainThread) {
        step();
        return true;
    }
    auto waiting = std::make_shared<TWaitingStep>();
    if (!Enqueue({std::move(step), waiting})) return false;
    return waiting->Wait();
}

bool TQueueDispatcher::TakeStep(TQueuedStep& step)
{
    std::lock_guard guard(FLock);
    if (FQueue.empty()) return false;
    step = std::move(FQueue.front());
    FQueue.pop_front();
    return true;
}

// A waited-for step hands its exception to its worker; a posted one passes it on here.
void TQueueDispatcher::RunStep(TQueuedStep& step)
{
    if (!step.Waiting) {
        step.Step();
        return;
    }
    std::exception_ptr error;
    try {
        step.Step();
    } catch (...) {
        error = std::current_exception();
    }
    step.Waiting->Finish(true, std::move(error));
}

int TQueueDispatcher::ProcessPending()
{
    size_t queued;
    {
        std::lock_guard guard(FLock);
        queued = FQueue.size();
    }
    int ran = 0;
    for (TQueuedStep step; static_cast<size_t>(ran) < queued && TakeStep(step); ++ran)
        RunStep(step);
    return ran;
}

void TQueueDispatcher::RunUntil(const std::function<bool()>& done)
{
    while (!done()) {
        TQueuedStep step;
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
        RunStep(step);
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
    std::deque<TQueuedStep> dropped;
    {
        std::lock_guard guard(FLock);
        FClosed = true;
        dropped.swap(FQueue);
        FChanged.notify_all();
    }
    for (TQueuedStep& step : dropped)
        if (step.Waiting) step.Waiting->Finish(false);
}

} // namespace qor
