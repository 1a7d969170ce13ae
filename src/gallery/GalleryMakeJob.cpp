#include "gallery/GalleryMakeJob.h"

#include "gallery/PrepareScript.h"

#include <algorithm>
#include <thread>

namespace qor {

int DefaultThreadCount()
{
    return std::max(2, static_cast<int>(std::thread::hardware_concurrency()));
}

TGalleryMakeJob::TGalleryMakeJob(TDispatcher& mainThread) : FResizer(mainThread)
{
    ConnectEvents();
}

bool TGalleryMakeJob::Start(const TComQorCSS1& settings, const TMakeJobOptions& options)
{
    if (FRunning) return false;
    FSettings = std::make_unique<TComQorCSS1>(settings);
    FEntries = std::make_unique<TCustomImgLS>();
    FEntries->LoadAttrLS(settings.AttrLS);
    FSettings->AttrLS = FEntries->GetAttrLS();
    FSettings->connectXEImgLS(FEntries.get());
    FOptions = options;
    FPageWritten = false;
    FFailure = TMakeOutcome::Aborted;
    FError.clear();
    FResizer.NoResizeSameSizeJPEG = options.NoResizeSameSizeJPEG;
    FResizer.KeepMetadata = options.KeepMetadata;
    FResizer.Fast = options.Fast;
    FResizer.SetOutDir(settings.OutFolder + "img");
    FResizer.AspectWidth = settings.ImageWidth;
    FResizer.AspectHeight = settings.ImageHeight;
    FResizer.ThumbAspectWidth = settings.ThumbWidth;
    FResizer.ThumbAspectHeight = settings.ThumbHeight;
    FResizer.ImageQuality = settings.ImageQuality;
    FResizer.MakeThumb = settings.ControllerType != 3;
    FResizer.SkipResize = options.SkipResize;
    FResizer.SetThreadNum(options.Threads > 0 ? options.Threads : DefaultThreadCount());
    // Without drawing, no picture waits for the main thread before it is written.
    FResizer.OnBmpCropped = OnBmpCropped;
    std::vector<TResizeItem> items;
    items.reserve(FEntries->Count());
    for (const PThumbInfo& entry : FEntries->Entries()) items.push_back({entry->FileName, entry->UserAngle, entry->CropR});
    FRunning = FResizer.Execute(items);
    return FRunning;
}

void TGalleryMakeJob::Abort()
{
    FResizer.Abort();
}

// The resizer's handlers forward to the caller's, looked up when they run, so the caller
// may set them after the job was made (the drawing hook is taken at Start).
void TGalleryMakeJob::ConnectEvents()
{
    FResizer.OnEachResized = [this](TXEResizeCompo&, int, int count) {
        if (OnProgress) OnProgress(count);
    };
    FResizer.OnPictureFailed = [this](TXEResizeCompo& sender, int id, const std::string& file,
                                      const std::string& reason) {
        if (OnPictureFailed) OnPictureFailed(sender, id, file, reason);
    };
    FResizer.OnWriteFailed = [this](TXEResizeCompo& sender, int id, const std::string& file,
                                    const std::string& reason) {
        if (FFailure != TMakeOutcome::WriteFailed && OnWriteFailed) OnWriteFailed(sender, id, file, reason);
        FFailure = TMakeOutcome::WriteFailed;
        FResizer.Abort();
    };
    FResizer.OnAllResized = [this](TXEResizeCompo&) { AllResized(); };
    FResizer.OnAllThreadEnd = [this](TXEResizeCompo&) { AllThreadEnd(); };
}

void TGalleryMakeJob::AllResized()
{
    FSettings->SuppressWrapperNote = !FOptions.WrapperClasses;
    FSettings->DemoMode = FOptions.Demo;
    FSettings->LazyPictures = FOptions.Lazy;
    try {
        // A script that cannot be read leaves no text, and Make refuses (NoScript).
        if (FOptions.ReadScriptAfresh) PrepareScript(*FSettings, false);
        FPageWritten = FSettings->Make();
        if (!FPageWritten) FFailure = TMakeOutcome::NoScript;
    } catch (const std::exception& e) {
        FFailure = TMakeOutcome::WriteFailed;
        FError = e.what();
    }
}

void TGalleryMakeJob::AllThreadEnd()
{
    FRunning = false;
    if (OnEnd) OnEnd(FPageWritten ? TMakeOutcome::PageWritten : FFailure, FError);
}

} // namespace qor
