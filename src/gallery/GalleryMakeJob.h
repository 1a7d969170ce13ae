// TGalleryMakeJob: one build of a gallery, the same for the command line and the window.
// The batch resizer writes the slide pictures and thumbnails of the entries on worker
// threads; when every picture is done, the settings write the page, the style sheet and the
// assets (Make). Every event runs on the main thread through the dispatcher, so the caller
// only reacts: a terminal's progress bar, or the window's progress panel.
//
//   TGalleryMakeJob job(mainThread);
//   job.OnProgress = [&](int count) { ... };
//   job.OnEnd = [&](TMakeOutcome outcome) { ... };
//   job.Start(settings, options);   // settings.OutFolder is the gallery folder, AttrLS its pictures
//
// The job works on its own copy of the settings and of the entries, taken at Start: the
// caller may open, change or close its project while the build runs, and the gallery is still
// written as it was when the build started, into the folder it was started for.
#pragma once

#include "gallery/ComQorCSS.h"
#include "imagelist/CustomImgLS.h"
#include "imaging/XEResizeCompo.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qor {

struct TMakeJobOptions {
    int Threads = 0; // 0: the number of processors, at least 2
    bool SkipResize = false;
    bool NoResizeSameSizeJPEG = true;
    bool KeepMetadata = false;
    bool Fast = false; // JPEG slides from a reduced decode: faster, a little softer
    bool WrapperClasses = false;
    bool Demo = false;
    bool Lazy = false; // pictures fetched on demand by the gallery script
    // The gallery script is read again from the resource folder before the page is written
    // (the folder may have changed since start); off, the script the settings hold is used.
    bool ReadScriptAfresh = true;
};

enum class TMakeOutcome {
    PageWritten,
    NoScript,    // pictures written, but no gallery script: no page
    Aborted,     // stopped before every picture was done: no page
    WriteFailed, // a picture or the page could not be written: no page, or part of one
};

// The number of resize workers when none is asked for: the processors, but at least 2.
int DefaultThreadCount();

class TGalleryMakeJob {
public:
    explicit TGalleryMakeJob(TDispatcher& mainThread);

    std::function<void(int count)> OnProgress; // pictures finished so far
    TBmpCroppedEvent OnBmpCropped;              // the watermark's place; taken at Start
    TResizeFailedEvent OnPictureFailed;         // the build goes on without that picture
    TResizeFailedEvent OnWriteFailed;           // the build stops
    std::function<void(TMakeOutcome outcome, const std::string& error)> OnEnd;

    // Starts the resizer over the pictures of settings.AttrLS into settings.OutFolder + "img";
    // false, with nothing started, while a build runs.
    bool Start(const TComQorCSS1& settings, const TMakeJobOptions& options);
    void Abort();
    bool Running() const { return FRunning; }
    // Milliseconds from Start to the last picture.
    int64_t LapTime() const { return FResizer.LapTime(); }
    // The settings of the last build as it wrote them (its folder, page name and warnings).
    const TComQorCSS1& Settings() const { return *FSettings; }

private:
    void ConnectEvents();
    void AllResized();
    void AllThreadEnd();

    TXEResizeCompo FResizer;
    std::unique_ptr<TComQorCSS1> FSettings = std::make_unique<TComQorCSS1>();
    std::unique_ptr<TCustomImgLS> FEntries = std::make_unique<TCustomImgLS>();
    TMakeJobOptions FOptions;
    bool FRunning = false;
    bool FPageWritten = false;
    TMakeOutcome FFailure = TMakeOutcome::Aborted;
    std::string FError;
};

} // namespace qor
