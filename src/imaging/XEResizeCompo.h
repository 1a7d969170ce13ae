// TXEResizeCompo, the batch resizer: writes a gallery's slide pictures ("img%d.jpg") and
// thumbnails ("thumb/%d.jpg", numbered from 1 in list order) with worker threads.
//
// Each worker takes the next position nobody has taken yet, so that a worker given the larger
// pictures never leaves the others idle at the end of the run. The pixel work of a
// picture (decode, orient, crop, resample, encode, write) runs on the workers in parallel;
// OnBmpCropped, OnResized and every event run on the main thread through the dispatcher,
// one at a time, in the order each worker handed them over. The files are the same as
// those of a serial run.
//
// A handler's exception never reaches a worker: thrown by OnBmpCropped it is that picture's
// failure (OnPictureFailed); thrown by any other handler it leaves the main thread's loop,
// and the worker that waited for it stops.
//
//   TXEResizeCompo resizer(mainThread);
//   resizer.SetOutDir(out + "img");
//   resizer.OnAllThreadEnd = [&](auto&) { done = true; };
//   resizer.Execute(entries);         // then run the main thread's loop until done
#pragma once

#include "imaging/TBmpScan.h"
#include "util/Dispatcher.h"
#include "util/MainThreadCalls.h"
#include "util/TRect.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace qor {

class TXEResizeCompo;
class TResizeThread;

// What a run needs of one picture entry. Execute copies these, so the caller's entries may
// change or go while the run goes on without touching the workers.
struct TResizeItem {
    std::string FileName;
    int32_t UserAngle = 0;
    TRect CropR;
};

enum class TThreadPriority {
    tpIdle,
    tpLowest,
    tpLower,
    tpNormal,
    tpHigher,
    tpHighest,
    tpTimeCritical
};

using TResizeNotify = std::function<void(TXEResizeCompo& sender)>;
using TEachResizedEvent = std::function<void(TXEResizeCompo& sender, int id, int count)>;
// The slide picture before it is written; the handler may draw on it or assign another.
using TBmpCroppedEvent = std::function<void(TXEResizeCompo& sender, TBmpScan& bmp)>;
using TTraceEvent = std::function<void(TXEResizeCompo& sender, const std::string& text)>;
// A picture that could not be produced or written: its position, its file and the reason.
using TResizeFailedEvent = std::function<void(
    TXEResizeCompo& sender, int id, const std::string& fileName, const std::string& reason)>;

class TXEResizeCompo {
public:
    explicit TXEResizeCompo(TDispatcher& mainThread);
    // Asks running workers to stop, releases those waiting for the main thread and waits for
    // them; no event comes after. Safe whether or not OnAllThreadEnd came, and whether the
    // dispatcher still runs or not.
    ~TXEResizeCompo();
    TXEResizeCompo(const TXEResizeCompo&) = delete;
    TXEResizeCompo& operator=(const TXEResizeCompo&) = delete;

    int ThreadNum() const { return FThreadNum; }
    void SetThreadNum(int count) { FThreadNum = count < 1 ? 1 : count; }
    const std::string& OutDir() const { return FOutDir; }
    // Stored with a trailing separator.
    void SetOutDir(const std::string& folder);

    int ImageQuality = 80;
    int AspectWidth = 720;
    int AspectHeight = 300;
    bool MakeThumb = true;
    int ThumbAspectWidth = 114;
    int ThumbAspectHeight = 60;
    TThreadPriority Priority = TThreadPriority::tpNormal;
    bool SkipResize = false;
    bool NoResizeSameSizeJPEG = false;
    // A copied JPEG keeps what it says of the photograph (camera, GPS position...).
    bool KeepMetadata = false;
    // JPEGs decoded at the smallest DCT scale that keeps twice the slide's pixels each way.
    bool Fast = false;

    TTraceEvent OnTrace;
    TEachResizedEvent OnEachResized;
    TResizeNotify OnAllResized;
    TResizeNotify OnAllThreadEnd;
    TBmpCroppedEvent OnBmpCropped;
    // A picture that cannot be decoded, or on which OnBmpCropped failed: reported, then
    // counted as finished with nothing written, so the rest of the gallery is still made.
    TResizeFailedEvent OnPictureFailed;
    // A slide picture or thumbnail that cannot be written: reported, and that worker stops
    // (its remaining positions are not counted, so OnAllResized does not come).
    TResizeFailedEvent OnWriteFailed;

    // Starts a run over the pictures; false, with nothing done, while a run is going.
    bool Execute(const std::vector<TResizeItem>& items);
    // Asks every worker to stop before its next picture; pictures written stay.
    void Abort();
    // True when no worker is running.
    bool CanClose() const { return FThreadLS.empty(); }
    // Called on the main thread for every picture a worker finishes or skips.
    void OnResized(int id);
    // Pictures finished in the current run, and the run's time in milliseconds once the last
    // picture finished.
    int Count() const { return FCount; }
    int64_t LapTime() const { return FLapTime; }

private:
    friend class TResizeThread;
    void ThreadEnded(TResizeThread* worker);

    TMainThreadCalls FMainThread;
    int FThreadNum = 1;
    std::string FOutDir;
    std::vector<TResizeItem> FImgLS;
    std::atomic<int> FNextPosition = 0; // the next position a worker takes
    std::vector<std::unique_ptr<TResizeThread>> FThreadLS;
    int FCount = 0;
    int64_t FLapTime = 0;
};

} // namespace qor
