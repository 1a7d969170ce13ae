// One worker of the batch resizer (internal to TXEResizeCompo): takes the positions nobody
// has taken yet, one at a time, and writes each picture, handing every event to the main
// thread.
#pragma once

#include "imaging/XEResizeCompo.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace qor {

class TXEResize;

// The settings a worker takes from the component when it is made; they stay fixed for the run.
struct TResizeSetup {
    std::string OutDir;
    int ImageQuality = 80;
    int AspectWidth = 0, AspectHeight = 0;
    bool MakeThumb = true;
    int ThumbAspectWidth = 0, ThumbAspectHeight = 0;
    bool SkipResize = false;
    bool NoResizeSameSizeJPEG = false;
    TThreadPriority Priority = TThreadPriority::tpNormal;
    // A copied JPEG keeps its EXIF, XMP and IPTC segments.
    bool KeepMetadata = false;
    // JPEG slides decoded at a reduced DCT scale: faster, not byte for byte the exact build.
    bool Fast = false;
};

class TResizeThread {
public:
    TResizeThread(TXEResizeCompo& mama, TResizeSetup setup);
    ~TResizeThread();

    void Start();
    void Stop() { FStopRequested = true; }
    // Waits for the thread after it has reported its end.
    void Join();

private:
    struct TOutFiles {
        std::string Image, Thumb;
    };
    TOutFiles OutFiles(int n) const;
    void Run();
    // False when the worker must stop (a write failed).
    bool ProcessPosition(int n);
    bool Produce(int n, const TResizeItem& item, TBmpScan& slide, bool& same);
    bool Write(int n, const TResizeItem& item, const TOutFiles& out, const TBmpScan& slide,
               bool same);
    void Draw(TBmpScan& slide);
    // Runs an owner's step on the main thread; false, and this worker stops, when it did not
    // run to its end.
    bool OnMainThread(std::function<void()> step);
    void Report(int n);
    void ReportFailure(int n, const std::string& file, const std::string& reason,
                       const TResizeFailedEvent& event);
    void ApplyPriority();
    void CopyUnchanged(const std::string& source, const std::string& dest, const TBmpScan& slide) const;

    TXEResizeCompo& FMama;
    TResizeSetup FSetup;
    std::string FThumbDir;
    std::unique_ptr<TXEResize> FResize;
    std::unique_ptr<TXEResize> FThumb;
    std::atomic<bool> FStopRequested = false;
    std::thread FThread;
};

} // namespace qor
