#include "imaging/PictureBudget.h"

#include "imaging/ImageError.h"
#include "util/LocalText.h"

#include <sys/mman.h>

#include <condition_variable>
#include <mutex>
#include <new>
#include <thread>
#include <unordered_map>

namespace qor {

namespace {

struct TBudget {
    std::mutex Lock;
    std::condition_variable Room;
    size_t Capacity = size_t(1) << 30;
    size_t Used = 0;
    std::unordered_map<const void*, std::thread::id> Owners;
    std::unordered_map<std::thread::id, int> Held; // pictures charged to each thread
};

TBudget& Budget()
{
    static TBudget budget;
    return budget;
}

thread_local bool tWorker = false;

} // namespace

TPictureWorker::TPictureWorker() : FWasWorker(tWorker)
{
    tWorker = true;
}

TPictureWorker::~TPictureWorker()
{
    tWorker = FWasWorker;
}

void SetPictureBudget(size_t bytes)
{
    TBudget& b = Budget();
    {
        std::lock_guard lock(b.Lock);
        b.Capacity = bytes;
    }
    b.Room.notify_all();
}

size_t PictureBudget()
{
    std::lock_guard lock(Budget().Lock);
    return Budget().Capacity;
}

size_t PictureMemoryInUse()
{
    std::lock_guard lock(Budget().Lock);
    return Budget().Used;
}

void* MapPictureMemory(size_t length)
{
    TBudget& b = Budget();
    std::thread::id self = std::this_thread::get_id();
    std::unique_lock lock(b.Lock);
    if (length > b.Capacity)
        throw EImageError(LocalText("the picture needs more memory than all pictures together may use"));
    if (tWorker)
        b.Room.wait(lock, [&] { return b.Held.count(self) || b.Used + length <= b.Capacity; });
    void* base = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED) throw std::bad_alloc();
    b.Used += length;
    b.Owners.emplace(base, self);
    ++b.Held[self];
    return base;
}

void UnmapPictureMemory(void* base, size_t length)
{
    munmap(base, length);
    TBudget& b = Budget();
    {
        std::lock_guard lock(b.Lock);
        b.Used -= length;
        auto owner = b.Owners.find(base);
        if (owner != b.Owners.end()) {
            auto held = b.Held.find(owner->second);
            if (--held->second == 0) b.Held.erase(held);
            b.Owners.erase(owner);
        }
    }
    b.Room.notify_all();
}

TPictureCharge::TPictureCharge(size_t bytes)
    : FBytes(bytes), FBase(bytes > 0 ? MapPictureMemory(bytes) : nullptr)
{
}

TPictureCharge::~TPictureCharge()
{
    if (FBase) UnmapPictureMemory(FBase, FBytes);
}

} // namespace qor
