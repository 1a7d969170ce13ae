// Ctrl+C during a long command: the first interrupt runs onInterrupt on the main thread
// (through the dispatcher), a second one ends the program at once with status 130.
#pragma once

#include "util/Dispatcher.h"

#include <atomic>
#include <csignal>
#include <functional>
#include <thread>

namespace qor {

class TInterruptWatch {
public:
    // Blocks SIGINT for the calling thread and every thread started after it, and watches
    // for it on a thread of its own. Make it before starting worker threads; the calling
    // thread's signal mask is restored when the watch ends.
    TInterruptWatch(TDispatcher& mainThread, std::function<void()> onInterrupt);
    ~TInterruptWatch();
    TInterruptWatch(const TInterruptWatch&) = delete;
    TInterruptWatch& operator=(const TInterruptWatch&) = delete;

    bool Interrupted() const { return FInterrupted; }

private:
    void Watch();

    TDispatcher& FMainThread;
    std::function<void()> FOnInterrupt;
    std::atomic<bool> FInterrupted = false;
    int FSignals = -1;   // SIGINT as a file to wait on
    int FStopEvent = -1; // written when the watch is to end
    sigset_t FPreviousMask;
    std::thread FWatcher;
};

} // namespace qor
