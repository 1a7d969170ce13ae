#include "cli/InterruptWatch.h"

#include "cli/CommandLine.h"

#include <csignal>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
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
    FSignals = signalfd(-1, &set, SFD_CLOEXEC);
    FStopEvent = eventfd(0, EFD_CLOEXEC);
    FWatcher = std::thread([this] { Watch(); });
}

TInterruptWatch::~TInterruptWatch()
{
    // The watch ends at once, not at the end of a waiting slice: a command's last moment is
    // not spent idle.
    uint64_t one = 1;
    [[maybe_unused]] ssize_t written = write(FStopEvent, &one, sizeof one);
    FWatcher.join();
    close(FSignals);
    close(FStopEvent);
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
    pollfd waits[] = {{FSignals, POLLIN, 0}, {FStopEvent, POLLIN, 0}};
    for (;;) {
        if (poll(waits, 2, -1) < 0) continue;
        if (waits[1].revents) return;
        signalfd_siginfo info{};
        if (read(FSignals, &info, sizeof info) != sizeof info) continue;
        if (FInterrupted.exchange(true)) _exit(ExitInterrupted);
        FMainThread.Post(FOnInterrupt);
    }
}

} // namespace qor
