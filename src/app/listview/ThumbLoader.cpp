#include "app/listview/ThumbLoader.h"

#include "imaging/PictureBudget.h"

#include <sys/resource.h>

#include <algorithm>

namespace qor {

namespace {

bool SameRequest(const TThumbRequest& a, const TThumbRequest& b)
{
    return a.FileName == b.FileName && a.BoxWidth == b.BoxWidth && a.BoxHeight == b.BoxHeight &&
           a.UserAngle == b.UserAngle && a.Smooth == b.Smooth && a.ExifRotation == b.ExifRotation;
}

} // namespace

TThumbLoader::TThumbLoader(TDispatcher& mainThread, int threadCount, TMake make, TDeliver deliver)
    : FMainThread(mainThread), FMake(std::move(make)), FDeliver(std::move(deliver))
{
    for (int i = 0; i < std::max(1, threadCount); ++i)
        FThreads.emplace_back([this] { Run(); });
}

TThumbLoader::~TThumbLoader()
{
    {
        std::lock_guard lock(FLock);
        FQuit = true;
        FUrgent.clear();
        FIdle.clear();
        FJobs.clear();
    }
    FAlive->store(false);
    FWake.notify_all();
    for (std::thread& t : FThreads)
        t.join();
}

int TThumbLoader::DefaultThreadCount()
{
    return std::max(2, static_cast<int>(std::thread::hardware_concurrency()));
}

void TThumbLoader::Urgent(TThumbJob job)
{
    {
        std::lock_guard lock(FLock);
        TKey key = job.Entry.lock().get();
        if (!key) return;
        auto running = FRunning.find(key);
        // A decode started before the last Stop comes stale: it answers no new request.
        if (running != FRunning.end() && running->second.Generation == FGeneration &&
            SameRequest(running->second.Request, job.Request))
            return;
        job.Generation = FGeneration;
        FJobs[key] = std::move(job);
        FUrgent.push_front(key);
    }
    FWake.notify_one();
}

void TThumbLoader::Idle(std::vector<TThumbJob> jobs)
{
    {
        std::lock_guard lock(FLock);
        for (TThumbJob& job : jobs) {
            TKey key = job.Entry.lock().get();
            if (!key || FJobs.count(key)) continue;
            job.Generation = FGeneration;
            FJobs.emplace(key, std::move(job));
            FIdle.push_back(key);
        }
    }
    FWake.notify_all();
}

std::vector<std::weak_ptr<TThumbInfo>> TThumbLoader::Stop()
{
    std::vector<std::weak_ptr<TThumbInfo>> dropped;
    std::lock_guard lock(FLock);
    ++FGeneration;
    dropped.reserve(FJobs.size());
    for (auto& [key, job] : FJobs)
        dropped.push_back(job.Entry);
    FJobs.clear();
    FUrgent.clear();
    FIdle.clear();
    return dropped;
}

std::vector<std::weak_ptr<TThumbInfo>> TThumbLoader::Running() const
{
    std::lock_guard lock(FLock);
    std::vector<std::weak_ptr<TThumbInfo>> running;
    for (const auto& [key, job] : FRunning)
        running.push_back(job.Entry);
    return running;
}

bool TThumbLoader::Alive() const
{
    std::lock_guard lock(FLock);
    return FBusy > 0 || !FJobs.empty();
}

// Picks the next job: visible cells first; keys whose job was already taken are skipped.
bool TThumbLoader::Take(TThumbJob& job, TKey& taken)
{
    std::unique_lock lock(FLock);
    for (;;) {
        if (FQuit) return false;
        std::deque<TKey>& queue = !FUrgent.empty() ? FUrgent : FIdle;
        if (queue.empty()) {
            FWake.wait(lock);
            continue;
        }
        TKey key = queue.front();
        queue.pop_front();
        auto it = FJobs.find(key);
        if (it == FJobs.end()) continue;
        job = std::move(it->second);
        FJobs.erase(it);
        FRunning[key] = job;
        taken = key;
        ++FBusy;
        return true;
    }
}

void TThumbLoader::Run()
{
    // The loaders give way to everything else the desktop does.
    setpriority(PRIO_PROCESS, 0, 19);
    TPictureWorker worker;
    TThumbJob job;
    TKey key = nullptr;
    while (Take(job, key)) {
        TThumbResult result;
        try {
            result = FMake(job.Request);
        } catch (const std::exception&) {
            result = {}; // out of memory or the like: no thumbnail for this entry
        }
        Finish(key, std::move(job), std::move(result));
    }
}

void TThumbLoader::Finish(TKey key, TThumbJob job, TThumbResult result)
{
    {
        std::lock_guard lock(FLock);
        FRunning.erase(key);
    }
    auto step = [this, alive = FAlive, job = std::move(job), result = std::move(result)]() mutable {
        if (!alive->load()) return;
        bool stale;
        {
            std::lock_guard lock(FLock);
            stale = job.Generation != FGeneration;
            --FBusy;
        }
        FDeliver(job, result, stale);
    };
    FMainThread.Post(std::move(step));
}

} // namespace qor
