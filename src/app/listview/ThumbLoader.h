// The thumbnail loaders: a few low-priority worker threads that make thumbnails off the main
// thread so that the window never waits for a decode. Cells on screen ask first (the newest
// request first); the idle queue walks the remaining entries in the order it was given.
// Workers touch no entry: a job carries a copy of what the worker needs, and the result is
// handed to the main thread, which decides whether the entry still wants it.
//
//   TThumbLoader loader(dispatcher, 2, make, deliver);
//   loader.Urgent(job);        // a visible cell lacks its thumbnail
//   loader.Idle(jobs);         // every other entry, in the idle loader's order
//   loader.Stop();             // forget the queue; running decodes end unheeded
#pragma once

#include "app/listview/ThumbMaker.h"
#include "imagelist/ThumbInfo.h"
#include "util/Dispatcher.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

namespace qor {

struct TThumbJob {
    std::weak_ptr<TThumbInfo> Entry;
    int IdHint = -1; // the entry's position when the job was made
    TThumbRequest Request;
    uint64_t Generation = 0; // set by the loader
};

class TThumbLoader {
public:
    using TMake = std::function<TThumbResult(const TThumbRequest&)>;
    // Runs on the main thread for every finished job; a job of an earlier generation (queued
    // before the last Stop) has stale set.
    using TDeliver = std::function<void(const TThumbJob& job, TThumbResult& result, bool stale)>;

    TThumbLoader(TDispatcher& mainThread, int threadCount, TMake make, TDeliver deliver);
    ~TThumbLoader();
    TThumbLoader(const TThumbLoader&) = delete;
    TThumbLoader& operator=(const TThumbLoader&) = delete;

    // A job for an entry already queued moves ahead; one whose same request is being made
    // now is dropped.
    void Urgent(TThumbJob job);
    void Idle(std::vector<TThumbJob> jobs);
    // Drops the queued jobs and answers their entries; decodes running now are delivered stale.
    std::vector<std::weak_ptr<TThumbInfo>> Stop();
    // The entries whose decode runs now, those started before the last Stop among them.
    std::vector<std::weak_ptr<TThumbInfo>> Running() const;
    // Jobs queued or being made.
    bool Alive() const;
    // Worker threads use the lowest scheduling priority unless told otherwise (benchmarks).
    static int DefaultThreadCount();

private:
    using TKey = const TThumbInfo*;
    void Run();
    bool Take(TThumbJob& job, TKey& key);
    void Finish(TKey key, TThumbJob job, TThumbResult result);

    TDispatcher& FMainThread;
    TMake FMake;
    TDeliver FDeliver;
    mutable std::mutex FLock;
    std::condition_variable FWake;
    std::deque<TKey> FUrgent;
    std::deque<TKey> FIdle;
    std::unordered_map<TKey, TThumbJob> FJobs;
    std::unordered_map<TKey, TThumbJob> FRunning;
    uint64_t FGeneration = 1;
    int FBusy = 0;
    bool FQuit = false;
    // Tells the main-thread steps still queued that the loader is gone.
    std::shared_ptr<std::atomic<bool>> FAlive = std::make_shared<std::atomic<bool>>(true);
    std::vector<std::thread> FThreads;
};

} // namespace qor
