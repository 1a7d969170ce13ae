#include "cli/GalleryBuild.h"

#include "cli/BuildProgress.h"
#include "cli/CommandLine.h"
#include "cli/InterruptWatch.h"
#include "gallery/OutputNames.h"
#include "gallery/PrepareScript.h"
#include "imagelist/CustomImgLS.h"
#include "imaging/XEResizeCompo.h"
#include "text/DrawWaterMark.h"
#include "util/DelphiFormat.h"
#include "util/UnitMsg.h"
#include "util/XEComFile.h"
#include "util/XEComShell.h"
#include "util/XEInitPrj.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <set>
#include <thread>

namespace qor {

namespace {

// Message texts separate their lines with CR, as a message box does.
std::string AsLines(std::string text)
{
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

// "FILE: REASON" for a picture; the imaging errors name their file already.
std::string FileAndReason(const std::string& file, const std::string& reason)
{
    std::string prefix = file + ": ";
    return reason.starts_with(prefix) ? reason : prefix + reason;
}

int DefaultThreadCount()
{
    return std::max(2, static_cast<int>(std::thread::hardware_concurrency()));
}

class TGalleryBuild {
public:
    TGalleryBuild(TComQorCSS1& settings, const TBuildOptions& options)
        : FSettings(settings), FOptions(options)
    {
    }

    TBuildResult Run();

private:
    std::string OutputFolder() const;
    void StoreProjectFields();
    void StartResize();
    void ConnectEvents();
    void AllResized();
    void EndMake();
    TBuildResult Finish();
    // Slide pictures the page refers to that were not written and not reported yet.
    bool WarnMissingPictures();
    // Names and assets Make could not take as the project asked.
    bool WarnMakeProblems() const;

    TComQorCSS1& FSettings;
    const TBuildOptions& FOptions;
    TQueueDispatcher FMainThread;
    TCustomImgLS FImgLS;
    TXEResizeCompo FResizer{FMainThread};
    std::optional<TBuildProgress> FProgress;
    std::set<int> FReported;
    bool FDone = false;
    bool FFailed = false;
    bool FInterrupted = false;
    bool FPageWritten = false;
    bool FNoScript = false;
};

TBuildResult TGalleryBuild::Run()
{
    if (FOptions.Demo && !FOptions.Quiet) std::cout << AsLines(GetMsgText(30)) << '\n';
    std::string out = OutputFolder();
    StoreProjectFields();
    if (FImgLS.Count() == 0) {
        std::cerr << AsLines(GetMsgText(22)) << '\n';
        return TBuildResult::NoPictures;
    }
    if (!ForceFolder(out)) {
        std::cerr << AsLines(FormatMsg(24, {out})) << '\n';
        return TBuildResult::NoOutputFolder;
    }
    FSettings.SetOutFolder(IncludeTrailingSeparator(out));
    FProgress.emplace(ProgressStyleFor(FOptions.Quiet), FImgLS.Count());
    FProgress->Update(0);
    StartLap();
    {
        TInterruptWatch interrupts(FMainThread, [this] {
            FInterrupted = true;
            FResizer.Abort();
        });
        StartResize();
        FMainThread.RunUntil([this] { return FDone; });
    }
    return Finish();
}

std::string TGalleryBuild::OutputFolder() const
{
    if (!FOptions.OutFolder.empty()) return FOptions.OutFolder;
    if (!FSettings.OutFolder.empty()) return FSettings.OutFolder;
    return Folders().DocFolder;
}

void TGalleryBuild::StoreProjectFields()
{
    FSettings.HTML = NormalizePageName(FOptions.Html.value_or(FSettings.HTML));
    FSettings.StyleSheet = NormalizeStyleSheetName(FOptions.Css.value_or(FSettings.StyleSheet));
    if (FOptions.Title) FSettings.PageTitle = *FOptions.Title;
    if (FOptions.Id) FSettings.SlideIdentifier = *FOptions.Id;
    FImgLS.LoadAttrLS(FSettings.AttrLS);
    FSettings.AttrLS = FImgLS.GetAttrLS();
    FSettings.connectXEImgLS(&FImgLS);
}

void TGalleryBuild::StartResize()
{
    FResizer.NoResizeSameSizeJPEG = FOptions.CopySameSize;
    FResizer.SetOutDir(FSettings.OutFolder + "img");
    FResizer.AspectWidth = FSettings.ImageWidth;
    FResizer.AspectHeight = FSettings.ImageHeight;
    FResizer.ThumbAspectWidth = FSettings.ThumbWidth;
    FResizer.ThumbAspectHeight = FSettings.ThumbHeight;
    FResizer.ImageQuality = FSettings.ImageQuality;
    FResizer.MakeThumb = FSettings.ControllerType != 3;
    FResizer.SkipResize = FOptions.SkipResize;
    FResizer.SetThreadNum(FOptions.Threads > 0 ? FOptions.Threads : DefaultThreadCount());
    ConnectEvents();
    std::vector<TResizeItem> items;
    for (int i = 0; i < FImgLS.Count(); ++i) {
        PThumbInfo entry = FImgLS.IdToPInfo(i);
        items.push_back({entry->FileName, entry->UserAngle, entry->CropR});
    }
    FResizer.Execute(items);
}

void TGalleryBuild::ConnectEvents()
{
    FResizer.OnEachResized = [this](TXEResizeCompo&, int, int count) { FProgress->Update(count); };
    if (!FOptions.Watermark.empty())
        FResizer.OnBmpCropped = [this](TXEResizeCompo&, TBmpScan& bmp) {
            DrawWaterMark(bmp, FOptions.Watermark, WaterMarkFont(), wmBottomRight,
                          WaterMarkShadowColor);
        };
    FResizer.OnPictureFailed = [this](TXEResizeCompo&, int id, const std::string& file,
                                      const std::string& reason) {
        FReported.insert(id);
        std::cerr << "\nwarning: " << FileAndReason(file, reason) << " (no picture written)\n";
    };
    FResizer.OnWriteFailed = [this](TXEResizeCompo&, int, const std::string& file,
                                    const std::string& reason) {
        if (!FFailed) std::cerr << "\n" << FileAndReason(file, reason) << '\n';
        FFailed = true;
        FResizer.Abort();
    };
    FResizer.OnAllResized = [this](TXEResizeCompo&) { AllResized(); };
    FResizer.OnAllThreadEnd = [this](TXEResizeCompo&) { EndMake(); };
}

void TGalleryBuild::AllResized()
{
    FSettings.SuppressWrapperNote = !FOptions.WrapperClasses;
    FSettings.DemoMode = FOptions.Demo;
    FSettings.LazyPictures = FOptions.Lazy;
    try {
        // The script is read afresh for each build: the resource folder may have changed. A
        // script that cannot be read leaves no text, and Make refuses (message 33).
        PrepareScript(FSettings, false);
        FPageWritten = FSettings.Make();
        FNoScript = !FPageWritten;
    } catch (const std::exception& e) {
        std::cerr << '\n' << e.what() << '\n';
        FFailed = true;
    }
}

void TGalleryBuild::EndMake()
{
    FProgress->Finish();
    if (!FOptions.Quiet) std::cout << Format("Lap :%f秒", {GetLap() / 1000.0L}) << '\n';
    FDone = true;
}

bool TGalleryBuild::WarnMissingPictures()
{
    // A damaged picture was reported when it failed; its number may still hold a picture of
    // an earlier build, which is not the one the project names.
    bool missing = !FReported.empty();
    for (int i = 0; i < FImgLS.Count(); ++i) {
        if (FReported.count(i)) continue;
        std::string source = FImgLS.GetFileName(i);
        bool sourceThere = FileExists(source);
        bool slideThere = FileExists(FSettings.OutFolder + Format("img/img%d.jpg", {i + 1}));
        // Without its file the resizer writes nothing, so a slide picture there is left from
        // an earlier build, unless --skip-resize kept it on purpose.
        if (slideThere && (sourceThere || FOptions.SkipResize)) continue;
        missing = true;
        std::cerr << "warning: " << source << ": "
                  << (sourceThere ? "no picture made" : "file not found")
                  << " (no picture written)\n";
    }
    return missing;
}

bool TGalleryBuild::WarnMakeProblems() const
{
    for (const TMakeWarning& warning : FSettings.MakeWarnings())
        std::cerr << "warning: " << warning.File << ": " << warning.Reason << '\n';
    return !FSettings.MakeWarnings().empty();
}

TBuildResult TGalleryBuild::Finish()
{
    // A Ctrl+C that came after the page was written has nothing left to stop.
    if (FInterrupted && !FPageWritten) return TBuildResult::Interrupted;
    if (FFailed) return TBuildResult::WriteFailed;
    if (FNoScript) {
        std::cerr << AsLines(GetMsgText(33)) << '\n';
        return TBuildResult::NoScript;
    }
    bool missing = WarnMissingPictures();
    missing = WarnMakeProblems() || missing;
    std::string page = FSettings.OutFolder + FSettings.HTML;
    if (FOptions.Open) OpenDocument(page);
    std::cout << page << '\n';
    return missing ? TBuildResult::PicturesMissing : TBuildResult::Written;
}

} // namespace

int ExitStatusOf(TBuildResult result)
{
    switch (result) {
    case TBuildResult::Written: return ExitOk;
    case TBuildResult::Interrupted: return ExitInterrupted;
    case TBuildResult::PicturesMissing: return ExitPicturesMissing;
    default: return ExitFailure;
    }
}

TBuildResult RunGalleryBuild(TComQorCSS1& settings, const TBuildOptions& options)
{
    return TGalleryBuild(settings, options).Run();
}

} // namespace qor
