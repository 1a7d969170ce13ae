#include "util/MainThreadCalls.h"

#include <condition_variable>
#include <mutex>
#include <vector>

namespace qor {

namespace {

// One worker's wait for its step.
struct TCall {
    std::mutex Lock;
    std::condition_variable Done;
    bool Finished = false;
    bool Ran = false;

    void Finish(bool ran)
    {
        std::lock_guard guard(Lock);
        Finished = true;
        Ran = ran;
        Done.notify_all();
    }

    bool Wait()
    {
        std::unique_lock lock(Lock);
        Done.wait(lock, [&] { return Finished; });
        return Ran;
    }
};

} // namespace

// Shared with the queued steps, which may outlive the owner in the dispatcher's queue.
struct TMainThreadCalls::TState {
    std::mutex Lock;
    bool Closed = false;
    std::vector<std::shared_ptr<TCall>> Waiting;

    bool IsClosed()
    {
        std::lock_guard guard(Lock);
        return Closed;
    }

    // False when closed: the worker is not to wait.
    bool Add(const std::shared_ptr<TCall>& call)
    {
        std::lock_guard guard(Lock);
        if (Closed) return false;
        Waiting.push_back(call);
        return true;
    }

    void Finish(const std::shared_ptr<TCall>& call, bool ran)
    {
        {
            std::lock_guard guard(Lock);
            std::erase(Waiting, call);
        }
        call->Finish(ran);
    }
};

TMainThreadCalls::TMainThreadCalls(TDispatcher& mainThread)
    : FMainThread(mainThread), FState(std::make_shared<TState>())
{
}

TMainThreadCalls::~TMainThreadCalls()
{
    Close();
}

bool TMainThreadCalls::Run(std::function<void()> step)
{
    auto call = std::make_shared<TCall>();
    if (!FState->Add(call)) return false;
    FMainThread.Post([state = FState, call, step = std::move(step)] {
        // Closed on this thread, so no Close can come between this check and the step.
        if (state->IsClosed()) return;
        try {
            step();
        } catch (...) {
            state->Finish(call, false);
            throw;
        }
        state->Finish(call, true);
    });
    return call->Wait();
}

void TMainThreadCalls::Post(std::function<void()> step)
{
    if (FState->IsClosed()) return;
    FMainThread.Post([state = FState, step = std::move(step)] {
        if (!state->IsClosed()) step();
    });
}

void TMainThreadCalls::Close()
{
    std::vector<std::shared_ptr<TCall>> waiting;
    {
        std::lock_guard guard(FState->Lock);
        FState->Closed = true;
        waiting.swap(FState->Waiting);
    }
    for (auto& call : waiting)
        call->Finish(false);
}

} // namespace qor
