// The picture memory that all workers share. Decoding a photo takes its full size at once, and
// each worker thread (thumbnail loaders, the build's workers) decodes its own: without a common
// limit the memory grows with the number of threads. Large pictures (those TBmpScan maps from
// the system) are charged against one budget, 1 GiB unless set otherwise:
//
//   TPictureWorker worker;              // this thread may wait for picture memory
//   TBmpScan picture(14000, 14000);     // waits while other workers hold the budget
//
// A worker thread that holds no picture memory waits until the budget has room for the new
// picture; one that holds some never waits (it is finishing a picture, and waiting there could
// hold up everyone), and other threads, the main thread among them, never wait. A single
// picture larger than the whole budget is refused on every thread with EImageError.
#pragma once

#include <cstddef>

namespace qor {

// Marks the calling thread as a picture worker while the object lives.
class TPictureWorker {
public:
    TPictureWorker();
    ~TPictureWorker();
    TPictureWorker(const TPictureWorker&) = delete;
    TPictureWorker& operator=(const TPictureWorker&) = delete;

private:
    bool FWasWorker;
};

// The budget in bytes; for tests and benchmarks. Pictures already charged stay charged.
void SetPictureBudget(size_t bytes);
size_t PictureBudget();
// Bytes charged now.
size_t PictureMemoryInUse();

// Charges length bytes to the calling thread, waiting or refusing as told above, and maps
// them; throws std::bad_alloc when the system has no memory left. UnmapPictureMemory gives
// them back.
void* MapPictureMemory(size_t length);
void UnmapPictureMemory(void* base, size_t length);

// The working memory a decoding library takes for itself (its planes, its own output copy),
// charged while the object lives as a picture of that size would be, so that workers wait for
// it too. Only address space is mapped; the library allocates the memory it uses.
class TPictureCharge {
public:
    explicit TPictureCharge(size_t bytes);
    ~TPictureCharge();
    TPictureCharge(const TPictureCharge&) = delete;
    TPictureCharge& operator=(const TPictureCharge&) = delete;

private:
    size_t FBytes;
    void* FBase;
};

} // namespace qor
