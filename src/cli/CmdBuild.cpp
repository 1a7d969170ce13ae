#include "cli/CommandLine.h"
#include "cli/GalleryBuild.h"
#include "cli/PictureArgs.h"
#include "cli/ProjectSetup.h"
#include "util/XEComText.h"
#include "util/XEInitPrj.h"
#include "util/LocalText.h"

namespace qor {

namespace {

const TOptionSpec BuildOptionSpec = {
    .ValueOptions = {"--pictures", "--out", "--template", "--set", "--html", "--css", "--title",
                     "--id", "--threads", "--watermark"},
    .FlagOptions = {"--skip-resize", "--copy-same-size", "--no-copy-same-size", "--demo",
                    "--wrapper-classes", "--lazy", "--open", "--quiet", "--force",
                    "--keep-metadata", "--fast", "--no-captions"},
};

int PositiveNumber(const TParsedArgs& parsed, const std::string& option, int least, int most)
{
    int32_t value = 0;
    std::string text = parsed.Last(option);
    if (!TryStrToInt(text, value) || value < least || value > most)
        throw EUsageError(LocalFormat("%s takes a number from %d to %d: %s", {option, least, most, text}));
    return value;
}

TBuildOptions BuildOptionsOf(const TParsedArgs& parsed)
{
    TBuildOptions options;
    options.OutFolder = parsed.Last("--out");
    if (!parsed.All("--html").empty()) options.Html = parsed.Last("--html");
    if (!parsed.All("--css").empty()) options.Css = parsed.Last("--css");
    if (!parsed.All("--title").empty()) options.Title = parsed.Last("--title");
    if (!parsed.All("--id").empty()) options.Id = PositiveNumber(parsed, "--id", 1, 16);
    if (!parsed.All("--threads").empty()) options.Threads = PositiveNumber(parsed, "--threads", 1, 64);
    options.SkipResize = parsed.Has("--skip-resize");
    if (parsed.Has("--copy-same-size") && parsed.Has("--no-copy-same-size"))
        throw EUsageError(LocalText("--copy-same-size and --no-copy-same-size exclude each other"));
    options.CopySameSize = !parsed.Has("--no-copy-same-size");
    options.KeepMetadata = parsed.Has("--keep-metadata");
    options.Fast = parsed.Has("--fast");
    options.Watermark = parsed.Last("--watermark");
    options.Demo = parsed.Has("--demo");
    options.WrapperClasses = parsed.Has("--wrapper-classes");
    options.Lazy = parsed.Has("--lazy");
    options.Open = parsed.Has("--open");
    options.Quiet = parsed.Has("--quiet");
    options.Force = parsed.Has("--force");
    return options;
}

// The project's settings, or the standard settings when no project is named; then the
// template, the Name=Value changes and the pictures named on the command line (those of
// --pictures, then the plain ones).
TComQorCSS1 SettingsOf(const TParsedArgs& parsed, const TPlainArgs& plain)
{
    const std::string& rscFolder = Folders().RscFolder;
    TComQorCSS1 settings =
        plain.Projects.empty() ? NewProjectFromStd(rscFolder) : LoadProject(plain.Projects[0]);
    settings.SetRscFolder(rscFolder);
    if (!parsed.Last("--template").empty()) ApplyTemplate(settings, rscFolder, parsed.Last("--template"));
    ApplySettings(settings, parsed.All("--set"));
    std::vector<std::string> named = parsed.All("--pictures");
    named.insert(named.end(), plain.Pictures.begin(), plain.Pictures.end());
    if (!named.empty()) {
        TStringList lines = NewPictureLines(named, !parsed.Has("--no-captions"));
        settings.AttrLS.insert(settings.AttrLS.end(), lines.begin(), lines.end());
    }
    return settings;
}

} // namespace

int RunBuild(const std::vector<std::string>& args)
{
    TParsedArgs parsed = ParseArgs(args, BuildOptionSpec);
    TPlainArgs plain = SplitPlainArgs(parsed.Positional);
    if (plain.Projects.size() > 1) throw EUsageError(LocalText("build takes at most one project file"));
    if (plain.Projects.empty() && plain.Pictures.empty() && parsed.All("--pictures").empty())
        throw EUsageError(LocalText("build needs a project file or pictures"));
    TBuildOptions options = BuildOptionsOf(parsed);
    TComQorCSS1 settings = SettingsOf(parsed, plain);
    return ExitStatusOf(RunGalleryBuild(settings, options));
}

} // namespace qor
