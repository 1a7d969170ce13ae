#include "cli/InterruptWatch.h"

#include "cli/CommandLine.h"

#include <csignal>
#include <ctime>
#include <unistd.h>

namespace qor {

namespace {

sigset_t InterruptSet()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    return set;
}

} // namespace

TInterruptWatch::TInterruptWatch(TDispatcher& mainThread, std::function<void()> onInterrupt)
    : FMainThread(mainThread), FOnInterrupt(std::move(onInterrupt))
{
    sigset_t set = InterruptSet();
    pthread_sigmask(SIG_BLOCK, &set, &FPreviousMask);
    FWatcher = std::thread([this] { Watch(); });
}

TInterruptWatch::~TInterruptWatch()
{
    FStop = true;
    FWatcher.join();
    // A Ctrl+C that came in after the watch ended is dropped with the mask; the command is
    // finishing anyway.
    sigset_t set = InterruptSet();
    timespec none{0, 0};
    while (sigtimedwait(&set, nullptr, &none) == SIGINT) {
    }
    pthread_sigmask(SIG_SETMASK, &FPreviousMask, nullptr);
}

void TInterruptWatch::Watch()
{
    sigset_t set = InterruptSet();
    // A short wait lets the destructor stop the watch without a signal of its own.
    timespec slice{0, 100'000'000};
    while (!FStop) {
        if (sigtimedwait(&set, nullptr, &slice) != SIGINT) continue;
        if (FInterrupted.exchange(true)) _exit(ExitInterrupted);
        FMainThread.Post(FOnInterrupt);
    }
}

} // namespace qor
