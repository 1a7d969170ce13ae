#include "cli/GalleryBuild.h"

#include "cli/BuildProgress.h"
#include "cli/CommandLine.h"
#include "cli/InterruptWatch.h"
#include "gallery/BuildRecord.h"
#include "gallery/OutputNames.h"
#include "gallery/GalleryMakeJob.h"
#include "imagelist/CustomImgLS.h"
#include "text/DrawWaterMark.h"
#include "util/DelphiFormat.h"
#include "util/UnitMsg.h"
#include "util/XEComFile.h"
#include "util/XEComShell.h"
#include "util/XEInitPrj.h"
#include "util/LocalText.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <set>

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

std::string Warning(const std::string& text)
{
    return LocalFormat("warning: %s", {text});
}

std::string NotWritten(const std::string& text)
{
    return LocalFormat("%s (no picture written)", {text});
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
    // Files of the folder that no build wrote, named on standard error unless --force.
    bool RefusesForeignFiles() const;
    void StoreProjectFields();
    void StartMake();
    void ConnectEvents();
    void EndMake(TMakeOutcome outcome, const std::string& error);
    TBuildResult Finish();
    // Slide pictures the page refers to that were not written and not reported yet.
    bool WarnMissingPictures();
    // Names and assets Make could not take as the project asked.
    bool WarnMakeProblems() const;

    TComQorCSS1& FSettings;
    const TBuildOptions& FOptions;
    TQueueDispatcher FMainThread;
    TCustomImgLS FImgLS;
    TGalleryMakeJob FJob{FMainThread};
    std::optional<TBuildProgress> FProgress;
    std::set<int> FReported;
    bool FDone = false;
    bool FInterrupted = false;
    TMakeOutcome FOutcome = TMakeOutcome::Aborted;
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
    if (RefusesForeignFiles()) return TBuildResult::ForeignFiles;
    FProgress.emplace(ProgressStyleFor(FOptions.Quiet), FImgLS.Count());
    FProgress->Update(0);
    StartLap();
    {
        TInterruptWatch interrupts(FMainThread, [this] {
            FInterrupted = true;
            FJob.Abort();
        });
        StartMake();
        FMainThread.RunUntil([this] { return FDone; });
    }
    return Finish();
}

std::string TGalleryBuild::OutputFolder() const
{
    if (!FOptions.OutFolder.empty()) return ExpandHomeFolder(FOptions.OutFolder);
    if (!FSettings.OutFolder.empty()) return ExpandHomeFolder(FSettings.OutFolder);
    return Folders().DocFolder;
}

bool TGalleryBuild::RefusesForeignFiles() const
{
    if (FOptions.Force) return false;
    TStringList foreign = ForeignFiles(FSettings);
    if (foreign.empty()) return false;
    std::cerr << "qorgallery build: "
              << LocalFormat("%s holds files that no gallery build wrote:", {FSettings.OutFolder}) << '\n';
    for (const std::string& file : foreign)
        std::cerr << "  " << file << '\n';
    std::cerr << LocalText("Give --force to replace them.") << '\n';
    return true;
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

void TGalleryBuild::StartMake()
{
    TMakeJobOptions job;
    job.Threads = FOptions.Threads;
    job.SkipResize = FOptions.SkipResize;
    job.NoResizeSameSizeJPEG = FOptions.CopySameSize;
    job.KeepMetadata = FOptions.KeepMetadata;
    job.Fast = FOptions.Fast;
    job.WrapperClasses = FOptions.WrapperClasses;
    job.Demo = FOptions.Demo;
    job.Lazy = FOptions.Lazy;
    ConnectEvents();
    FJob.Start(FSettings, job);
}

void TGalleryBuild::ConnectEvents()
{
    FJob.OnProgress = [this](int count) { FProgress->Update(count); };
    if (!FOptions.Watermark.empty())
        FJob.OnBmpCropped = [this](TXEResizeCompo&, TBmpScan& bmp) {
            DrawWaterMark(bmp, FOptions.Watermark, WaterMarkFont(), wmBottomRight,
                          WaterMarkShadowColor);
        };
    FJob.OnPictureFailed = [this](TXEResizeCompo&, int id, const std::string& file,
                                  const std::string& reason) {
        FReported.insert(id);
        std::cerr << '\n' << Warning(NotWritten(FileAndReason(file, reason))) << '\n';
    };
    FJob.OnWriteFailed = [](TXEResizeCompo&, int, const std::string& file, const std::string& reason) {
        std::cerr << "\n" << FileAndReason(file, reason) << '\n';
    };
    FJob.OnEnd = [this](TMakeOutcome outcome, const std::string& error) { EndMake(outcome, error); };
}

void TGalleryBuild::EndMake(TMakeOutcome outcome, const std::string& error)
{
    FOutcome = outcome;
    if (!error.empty()) std::cerr << '\n' << error << '\n';
    FProgress->Finish();
    if (!FOptions.Quiet) std::cout << LocalFormat("Lap: %f s", {GetLap() / 1000.0L}) << '\n';
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
        std::string reason = LocalText(sourceThere ? "no picture made" : "file not found");
        std::cerr << Warning(NotWritten(source + ": " + reason)) << '\n';
    }
    return missing;
}

bool TGalleryBuild::WarnMakeProblems() const
{
    const TMakeWarnings& warnings = FJob.Settings().MakeWarnings();
    for (const TMakeWarning& warning : warnings)
        std::cerr << Warning(warning.File + ": " + warning.Reason) << '\n';
    return !warnings.empty();
}

TBuildResult TGalleryBuild::Finish()
{
    // A Ctrl+C that came after the page was written has nothing left to stop.
    if (FInterrupted && FOutcome != TMakeOutcome::PageWritten) return TBuildResult::Interrupted;
    if (FOutcome == TMakeOutcome::WriteFailed || FOutcome == TMakeOutcome::Aborted)
        return TBuildResult::WriteFailed;
    if (FOutcome == TMakeOutcome::NoScript) {
        std::cerr << AsLines(GetMsgText(33)) << '\n';
        return TBuildResult::NoScript;
    }
    bool missing = WarnMissingPictures();
    missing = WarnMakeProblems() || missing;
    std::string page = FJob.Settings().OutFolder + FJob.Settings().HTML;
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
