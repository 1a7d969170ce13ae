// The steps a group of workers hands to the main thread, with a way out for the workers:
// Close releases every worker still waiting and drops every step not yet run, so the owner of
// the workers can be torn down at any time (after its main loop left by an exception, or
// after the dispatcher itself was closed) without a worker waiting for ever.
//
// A step that throws passes its exception on to the main thread's loop, as any posted step
// does, and the worker that waited for it is released with false: an owner's handler never
// throws into a worker thread.
#pragma once

#include "util/Dispatcher.h"

#include <functional>
#include <memory>

namespace qor {

class TMainThreadCalls {
public:
    explicit TMainThreadCalls(TDispatcher& mainThread);
    ~TMainThreadCalls();
    TMainThreadCalls(const TMainThreadCalls&) = delete;
    TMainThreadCalls& operator=(const TMainThreadCalls&) = delete;

    // From a worker: runs the step on the main thread and waits for it. False when it did not
    // run to its end (closed first, or it threw).
    bool Run(std::function<void()> step);
    // Queues the step for the main thread; it runs unless Close comes first.
    void Post(std::function<void()> step);
    // On the main thread: releases the waiting workers; no step runs after this.
    void Close();

private:
    struct TState;
    TDispatcher& FMainThread;
    std::shared_ptr<TState> FState;
};

} // namespace qor
