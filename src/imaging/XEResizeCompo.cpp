#include "imaging/XEResizeCompo.h"

#include "imaging/ResizeThread.h"
#include "util/DelphiFormat.h"
#include "util/XEComFile.h"

#include <chrono>

namespace qor {

namespace {

int64_t TickMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

TXEResizeCompo::TXEResizeCompo(TDispatcher& mainThread) : FMainThread(mainThread) {}

TXEResizeCompo::~TXEResizeCompo()
{
    Abort();
    FMainThread.Close();
    for (auto& worker : FThreadLS)
        worker->Join();
}

void TXEResizeCompo::SetOutDir(const std::string& folder)
{
    FOutDir = folder.empty() ? folder : IncludeTrailingSeparator(folder);
}

bool TXEResizeCompo::Execute(const std::vector<TResizeItem>& items)
{
    if (!FThreadLS.empty()) return false;
    ForceFolder(FOutDir + "thumb");
    FLapTime = TickMs();
    FCount = 0;
    FImgLS = items;
    FNextPosition = 0;
    for (int k = 0; k < FThreadNum; ++k) {
        TResizeSetup setup{FOutDir,          ImageQuality,      AspectWidth,
                           AspectHeight,     MakeThumb,         ThumbAspectWidth,
                           ThumbAspectHeight, SkipResize,       NoResizeSameSizeJPEG,
                           Priority,         KeepMetadata,      Fast};
        FThreadLS.push_back(std::make_unique<TResizeThread>(*this, setup));
    }
    // Every worker is listed before any starts, so none can end unnoticed.
    for (auto& worker : FThreadLS)
        worker->Start();
    return true;
}

void TXEResizeCompo::Abort()
{
    for (auto& worker : FThreadLS)
        worker->Stop();
}

void TXEResizeCompo::OnResized(int id)
{
    ++FCount;
    if (OnEachResized) OnEachResized(*this, id, FCount);
    if (FCount == static_cast<int>(FImgLS.size())) {
        FLapTime = TickMs() - FLapTime;
        if (OnAllResized) OnAllResized(*this);
    }
}

void TXEResizeCompo::ThreadEnded(TResizeThread* worker)
{
    for (int i = static_cast<int>(FThreadLS.size()) - 1; i >= 0; --i) {
        if (FThreadLS[i].get() != worker) continue;
        if (OnTrace)
            OnTrace(*this,
                    Format("ResizeThreadDone %d %d", {i, static_cast<int64_t>(FThreadLS.size())}));
        FThreadLS[i]->Join();
        FThreadLS.erase(FThreadLS.begin() + i);
        break;
    }
    if (FThreadLS.empty() && OnAllThreadEnd) OnAllThreadEnd(*this);
}

} // namespace qor
