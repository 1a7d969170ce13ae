#include "imaging/ResizeThread.h"

#include "imaging/BandSlide.h"
#include "imaging/ImageError.h"
#include "imaging/JpegCodec.h"
#include "imaging/JpegMetadata.h"
#include "imaging/PictureBudget.h"
#include "imaging/PictureFiles.h"
#include "imaging/XEResize.h"
#include "util/AtomicFile.h"
#include "util/DelphiFormat.h"
#include "util/XEComFile.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>

namespace qor {

namespace {

std::unique_ptr<TXEResize> MakeEngine(int width, int height, int quality)
{
    auto engine = std::make_unique<TXEResize>();
    engine->AspectWidth = width;
    engine->AspectHeight = height;
    engine->ImageQuality = quality;
    return engine;
}

} // namespace

TResizeThread::TResizeThread(TXEResizeCompo& mama, TResizeSetup setup)
    : FMama(mama), FSetup(std::move(setup)), FThumbDir(FSetup.OutDir + "thumb/"),
      FResize(MakeEngine(FSetup.AspectWidth, FSetup.AspectHeight, FSetup.ImageQuality))
{
    if (FSetup.MakeThumb)
        FThumb = MakeEngine(FSetup.ThumbAspectWidth, FSetup.ThumbAspectHeight, FSetup.ImageQuality);
}

TResizeThread::~TResizeThread()
{
    Join();
}

void TResizeThread::Start()
{
    FThread = std::thread([this] { Run(); });
}

void TResizeThread::Join()
{
    if (FThread.joinable()) FThread.join();
}

void TResizeThread::ApplyPriority()
{
    // Linux threads take a nice value; the lower priorities make the build yield to the
    // desktop, the higher ones need privileges and are left to the scheduler otherwise.
    static constexpr int niceness[] = {19, 15, 10, 0, -5, -10, -15};
    int nice = niceness[static_cast<int>(FSetup.Priority)];
    if (nice != 0) setpriority(PRIO_PROCESS, 0, nice);
}

void TResizeThread::Run()
{
    ApplyPriority();
    TPictureWorker worker;
    const int total = static_cast<int>(FMama.FImgLS.size());
    for (int n = FMama.FNextPosition++; n < total; n = FMama.FNextPosition++) {
        if (FStopRequested || !ProcessPosition(n)) break;
    }
    FResize.reset();
    FThumb.reset();
    FMama.FMainThread.Post([mama = &FMama, self = this] { mama->ThreadEnded(self); });
}

bool TResizeThread::OnMainThread(std::function<void()> step)
{
    if (FMama.FMainThread.Run(std::move(step))) return true;
    Stop();
    return false;
}

void TResizeThread::Report(int n)
{
    OnMainThread([this, n] { FMama.OnResized(n); });
}

void TResizeThread::ReportFailure(int n, const std::string& file, const std::string& reason,
                                  const TResizeFailedEvent& event)
{
    OnMainThread([&] {
        if (event) event(FMama, n, file, reason);
    });
}

TResizeThread::TOutFiles TResizeThread::OutFiles(int n) const
{
    return {FSetup.OutDir + Format("img%d.jpg", {n + 1}), FThumbDir + Format("%d.jpg", {n + 1})};
}

bool TResizeThread::ProcessPosition(int n)
{
    const TResizeItem& item = FMama.FImgLS[n];
    TOutFiles out = OutFiles(n);
    if (FSetup.SkipResize && FileExists(out.Image) && (!FThumb || FileExists(out.Thumb))) {
        Report(n);
        return true;
    }
    TBmpScan slide;
    bool same = false;
    bool written = !Produce(n, item, slide, same) || Write(n, item, out, slide, same);
    // The picture's memory goes back to the budget the other workers wait on.
    FResize->SetBmp({});
    if (!written) return false;
    Report(n);
    return true;
}

// Loads, orients and crops the picture on this thread, then lets the owner draw on it. False
// when there is nothing to write: a missing file or unusable crop, or a damaged picture or
// failed drawing (reported first).
bool TResizeThread::Produce(int n, const TResizeItem& item, TBmpScan& slide, bool& same)
{
    try {
        // Decoding only the crop's band of a JPEG gives the engine's bytes at a fraction of
        // the cost; the engine still handles everything else, the copied files among them.
        std::optional<TBmpScan> band = BandSlidePicture(
            {item.FileName, item.UserAngle, item.CropR, FSetup.AspectWidth, FSetup.AspectHeight,
             FSetup.Fast});
        same = false;
        if (band) {
            slide = std::move(*band);
        } else {
            FResize->SetUserAngleEx(item.UserAngle, false);
            FResize->SetFileName(item.FileName);
            if (FResize->IsValidCrop(item.CropR)) FResize->SetCropR(item.CropR);
            same = FSetup.NoResizeSameSizeJPEG && FResize->IsSameSizeJPEG();
            slide = same ? *FResize->GetBmp() : FResize->GetCropBmp(true);
        }
        if (!slide.Empty() && FMama.OnBmpCropped) Draw(slide);
    } catch (const std::exception& e) {
        ReportFailure(n, item.FileName, e.what(), FMama.OnPictureFailed);
        return false;
    } catch (...) {
        ReportFailure(n, item.FileName, "unknown error", FMama.OnPictureFailed);
        return false;
    }
    return !slide.Empty();
}

// The owner's drawing can fail like the picture itself (a watermark without any font): its
// exception is brought back here, to become this picture's failure.
void TResizeThread::Draw(TBmpScan& slide)
{
    std::exception_ptr failure;
    bool ran = OnMainThread([&] {
        try {
            FMama.OnBmpCropped(FMama, slide);
        } catch (...) {
            failure = std::current_exception();
        }
    });
    if (failure) std::rethrow_exception(failure);
    // Never written without the owner's drawing.
    if (!ran) throw EImageError("the run was closed before the picture was drawn");
}

// A JPEG of the slide's size is published as it is, but without what it says of the
// photograph unless asked; one whose segments cannot be walked is written from its picture.
// A failed plain copy is passed over, as the picture still counts.
void TResizeThread::CopyUnchanged(const std::string& source, const std::string& dest,
                                  const TBmpScan& slide) const
{
    if (FSetup.KeepMetadata) {
        CopyFileTo(source, dest, true);
        return;
    }
    std::vector<uint8_t> bytes = ReadPictureFile(source);
    try {
        bytes = WithoutPhotoMetadata(bytes, source);
    } catch (const EImageError&) {
        SaveJpeg(dest, slide, FSetup.ImageQuality);
        return;
    }
    WriteFileAtomic(dest, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

// Writes the slide picture and the thumbnail; false (reported first) when a file cannot be
// written, which stops this worker.
bool TResizeThread::Write(int n, const TResizeItem& item, const TOutFiles& out,
                          const TBmpScan& slide, bool same)
{
    std::string failedFile = out.Image;
    try {
        if (same)
            CopyUnchanged(item.FileName, out.Image, slide);
        else
            SaveJpeg(out.Image, slide, FSetup.ImageQuality);
        if (!FThumb) return true;
        failedFile = out.Thumb;
        FThumb->SetBmp(slide);
        SaveJpeg(out.Thumb, FThumb->GetCropBmp(true), FSetup.ImageQuality);
        return true;
    } catch (const std::exception& e) {
        ReportFailure(n, failedFile, e.what(), FMama.OnWriteFailed);
        return false;
    }
}

} // namespace qor
